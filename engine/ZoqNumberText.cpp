#include "engine/ZoqNumberText.h"

int ZoqGeneralFormat(double, int, char* output, int capacity) {
    if (output && capacity > 0)
        output[0] = '\0';
    return -1;
}

int ZoqFormatNumber(double, int, wchar_t* output, int capacity) {
    if (output && capacity > 0)
        output[0] = L'\0';
    return -1;
}

int ZoqParseDecimal(const char*, const char*, double*) {
    return 0;
}
