#include "ui/number_reading.h"

#include <climits>
#include <cmath>
#include <cstdlib>

static bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int ReadIntegerText(const char* text) {
    const char* c = text;
    while (IsBlank(*c)) {
        c++;
    }
    bool negative = false;
    if (*c == '+' || *c == '-') {
        negative = *c == '-';
        c++;
    }
    // Accumulate as a negative number so that INT_MIN fits.
    long long value = 0;
    for (; *c >= '0' && *c <= '9'; c++) {
        value = value * 10 - (*c - '0');
        if (value < INT_MIN) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    if (negative) {
        return static_cast<int>(value);
    }
    return value < -INT_MAX ? INT_MAX : static_cast<int>(-value);
}

double ReadRealText(const char* text) {
    return strtod(text, nullptr);
}

bool ReadWholeRealText(const char* text, double* value) {
    char* end = nullptr;
    const double v = strtod(text, &end);
    if (end == text) {
        return false;
    }
    while (IsBlank(*end)) {
        end++;
    }
    if (*end != '\0' || !std::isfinite(v)) {
        return false;
    }
    *value = v;
    return true;
}
