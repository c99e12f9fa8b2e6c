#pragma once

struct SNumoraCommandLine;

// numora --keys: drives Numorapad's calculator core with a key script in the chosen
// entry mode and prints the main display text after the last key (--trace: the key,
// the main display and the expression line after every key). Returns the exit
// status: 0, 1 when the display ends on an error, 2 for an unknown key name.
int RunKeyScriptCommand(const SNumoraCommandLine& options);
