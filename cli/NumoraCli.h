#pragma once

#include <string>
#include <vector>

// The numora command: evaluates the expressions of the command line, or one
// expression per line of standard input, and prints one result line each.
// Returns the exit status: 0, 1 when any result is an error text, 2 on a bad option.
int RunNumora(const std::vector<std::wstring>& arguments);

// UTF-8 bytes to wide text; malformed bytes become U+FFFD (which no expression accepts).
std::wstring DecodeUtf8(const std::string& bytes);

// Whether standard input is an interactive terminal (then numora prompts).
bool StdinIsTerminal();
