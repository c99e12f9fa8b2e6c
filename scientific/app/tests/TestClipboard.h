#pragma once
// The system clipboard as the Numorapad window tests read and prime it.
#include <string>

// The clipboard's Unicode text, or "" when it holds none.
std::wstring ClipboardText();
// Replaces the clipboard's contents with TEXT (a failed open fails the test).
void SetClipboardText(const std::wstring& text);
