#include "tests/robustness/Reference.h"

#include <climits>

#include "tests/support/DriverExpectations.h"

namespace reference {

namespace {

char FoldLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringLetterCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldLetter(a[i]) != FoldLetter(b[i]))
            return false;
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi, held within the int range.
long long Atoi(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    value = negative ? -value : value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return value;
}

// The text field's rule: 1 for a readable value equal to `expected`, 0 for another
// readable value, `unreadable` otherwise.
int TextField(const std::map<std::string, RegValue>& values, const char* name, const char* expected, int unreadable)
{
    const auto found = values.find(name);
    if (found == values.end())
        return unreadable;
    const StringRead read = ReadString(found->second);
    if (!read.read)
        return unreadable;
    return SameIgnoringLetterCase(read.text, expected) ? 1 : 0;
}

int FlagField(const std::map<std::string, RegValue>& values, const char* name, int defaultValue)
{
    const auto found = values.find(name);
    return found == values.end() ? defaultValue : ReadBool(found->second, defaultValue).flag;
}

}  // namespace

StringRead ReadString(const RegValue& value)
{
    if (value.type != REG_SZ)
        return {false, ""};
    return {true, value.data.substr(0, value.data.find('\0'))};
}

BoolRead ReadBool(const RegValue& value, int defaultValue)
{
    if (value.type == REG_SZ) {
        if (value.data.empty())
            return {false, defaultValue};
        const std::string text = ReadString(value).text;
        const bool off = SameIgnoringLetterCase(text, "off") || text == "0";
        return {true, off ? 0 : 1};
    }
    if (value.type == REG_DWORD) {
        // Read into four bytes that start at zero: more data than that does not fit.
        if (value.data.size() > 4)
            return {false, defaultValue};
        const bool anySet = value.data.find_first_not_of('\0') != std::string::npos;
        return {true, anySet ? 1 : 0};
    }
    return {false, defaultValue};
}

bool VersionAtLeast(const RegValue& productId, int minorThreshold)
{
    const StringRead read = ReadString(productId);
    if (!read.read)
        return false;
    const std::size_t dot = read.text.find('.');
    if (dot == std::string::npos)
        return false;
    const long long major = Atoi(read.text.substr(0, dot));
    std::string minorText = read.text.substr(dot + 1);
    if (minorText.size() < 2)
        minorText += "0";
    const long long minor = Atoi(minorText);
    return major > 9 || (major == 9 && minor >= minorThreshold);
}

AdvancedSettings LoadedSettings(const std::map<std::string, RegValue>& values, AdvancedSettings before)
{
    const AdvancedSettings defaults = expected::DefaultSettings();
    AdvancedSettings after = before;
    after.m_bGameDetection = TextField(values, "UseTSGameScheme", "On", defaults.m_bGameDetection);
    after.m_nTrackingMode = TextField(values, "OptimizeTracking", "Speed", defaults.m_nTrackingMode);
    after.m_nSpeedAccelMethod = TextField(values, "SpeedAccelMethod", "Windows", defaults.m_nSpeedAccelMethod);
    after.m_nAppliedSpeedAccelMethod = after.m_nSpeedAccelMethod;
    after.m_bKeepAcceleration = FlagField(values, "GamerAcceleration", defaults.m_bKeepAcceleration);
    after.m_bKeepSpeed = FlagField(values, "GamerScaling", defaults.m_bKeepSpeed);
    after.m_bKeepKeystrokes = FlagField(values, "GamerMappingKeys", defaults.m_bKeepKeystrokes);
    after.m_bKeepButtonMapping = FlagField(values, "GamerMappingButton", defaults.m_bKeepButtonMapping);
    after.m_bKeepOtherMappings = FlagField(values, "GamerMappingsOther", defaults.m_bKeepOtherMappings);
    after.m_bKeepOrientation = FlagField(values, "GamerOrientation", defaults.m_bKeepOrientation);
    return after;
}

}  // namespace reference
