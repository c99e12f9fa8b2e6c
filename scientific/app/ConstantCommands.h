#pragma once

// The constants the "Constants" menu inserts, by menu command. Portable.

// The vacuum permittivity, which the core's constant table lacks; the "eps°" item puts
// it in as a value.
constexpr const wchar_t* kVacuumPermittivity = L"8.8541878128e-012";
// ConstantForCommand's answer for the "eps°" item.
constexpr int kConstantVacuumPermittivity = 1000;

// The core constant index (0..21) a command inserts, kConstantVacuumPermittivity for
// "eps°", -1 when the command is no constant command.
int ConstantForCommand(int command);
