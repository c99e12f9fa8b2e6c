#include "scientific/NumoraChoices.h"

const SNumoraChoice kCalcModeChoices[kCalcModeChoiceCount] = {
    {L"Expression", 0}, {L"Algebraic", 1}, {L"D.A.L.", 2}, {L"Chain (Simple)", 3}, {L"RPN", 4},
};

const SNumoraChoice kNotationChoices[kNotationChoiceCount] = {
    {L"Float (Normal)", 0},
    {L"Fixed", 1},
    {L"Scientific", 2},
    {L"Engineering", 3},
};

const SNumoraChoice kSeparatorChoices[kSeparatorChoiceCount] = {
    {L".  Period", 0},
    {L", Comma", 1},
};

const SNumoraChoice kWordSizeChoices[kWordSizeChoiceCount] = {
    {L"Byte (8 BIT)", 8},
    {L"Word (16 BIT)", 16},
    {L"DWord (32 BIT)", 32},
    {L"48 BIT", 48},
};

const SNumoraChoice kRpnDepthChoices[kRpnDepthChoiceCount] = {
    {L"4 (X,Y,Z,T)", 4},
    {L"10", 10},
    {L"20", 20},
};

int FindChoice(const SNumoraChoice* choices, int count, int value) {
    for (int i = 0; choices && i < count; ++i) {
        if (choices[i].value == value) {
            return i;
        }
    }
    return -1;
}
