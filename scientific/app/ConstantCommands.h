#pragma once

// The constants the "Constants" menu inserts, by menu command. Portable.

// The core constant index (0..22) a command inserts, -1 when the command is no
// constant command.
int ConstantForCommand(int command);
