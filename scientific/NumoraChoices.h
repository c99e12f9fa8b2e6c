#pragma once

// The choices the Options and Advanced Options dialogs offer, with the value each one
// sets. The dialogs check the choice whose value matches the current one.
struct SNumoraChoice {
    const wchar_t* label;
    int value;
};

constexpr int kCalcModeChoiceCount = 5;
constexpr int kNotationChoiceCount = 4;
constexpr int kSeparatorChoiceCount = 2;
constexpr int kWordSizeChoiceCount = 4;
constexpr int kRpnDepthChoiceCount = 3;

extern const SNumoraChoice kCalcModeChoices[kCalcModeChoiceCount];
extern const SNumoraChoice kNotationChoices[kNotationChoiceCount];
extern const SNumoraChoice kSeparatorChoices[kSeparatorChoiceCount];
// Word sizes in bits: 8, 16, 32 and 48.
extern const SNumoraChoice kWordSizeChoices[kWordSizeChoiceCount];
// RPN depths the 20-level stack can hold: 4, 10 and 20.
extern const SNumoraChoice kRpnDepthChoices[kRpnDepthChoiceCount];

// Index of the choice with `value`, -1 when none has it.
int FindChoice(const SNumoraChoice* choices, int count, int value);
