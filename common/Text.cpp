#include "common/Text.h"

#include <climits>

namespace text {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char FoldAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

int ToInt(const char* text)
{
    if (!text)
        return 0;
    while (IsSpace(*text))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Accumulate towards the negative side, which holds one more value than the positive.
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 - (*text - '0');
        if (value < INT_MIN) {
            value = INT_MIN - 1LL;
        }
    }
    if (negative)
        return value < INT_MIN ? INT_MIN : static_cast<int>(value);
    return value < -static_cast<long long>(INT_MAX) ? INT_MAX : static_cast<int>(-value);
}

bool EqualsIgnoreCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (FoldAsciiLetter(*a) != FoldAsciiLetter(*b))
            return false;
        if (*a == '\0')
            return true;
    }
}

}  // namespace text
