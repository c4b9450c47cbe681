// What the tests expect of the program's interface to the driver, written out apart
// from the program's own constants, so that a wrong name or rule in the program shows:
// the driver's keys, the flag texts, the version rule and the default settings. Each
// rule has its one table here.
#pragma once

#include <sstream>
#include <string>

#include "settings/AdvancedSettings.h"

namespace expected {

// Key paths are matched without regard to case: the program reads the Technical key
// spelt "Software\..." and writes it spelt "SOFTWARE\...".
constexpr const char* kSetupKey = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Setup";
constexpr const char* kTechnicalKey = "SOFTWARE\\Tessaro\\Drivona\\CurrentVersion\\Technical";
constexpr const char* kGamingKey = "Software\\Tessaro\\Drivona\\CurrentVersion\\Control Center\\Gaming";
// Below it lies everything of the driver's and of the program's.
constexpr const char* kVendorKey = "Software\\Tessaro";

// A flag stored as REG_SZ: "off" in any letter case, or exactly "0", is 0; every
// other text, the empty one included, is 1.
struct FlagText {
    const char* text;
    int flag;
};
inline constexpr FlagText kFlagTexts[] = {
    {"off", 0},  {"OFF", 0}, {"Off", 0},  {"oFf", 0},   {"0", 0},  {"00", 1}, {" 0", 1}, {"0 ", 1}, {"off ", 1},
    {" off", 1}, {"of", 1},  {"offf", 1}, {"false", 1}, {"no", 1}, {"On", 1}, {"1", 1},  {"", 1},   {"\326ff", 1},
};

// "ProductID": major, dot, minor; the minor is padded to two digits and compared as a
// number, both parts convert like atoi. 9.76 runs the program, 9.80 offers the method.
struct Version {
    const char* productId;
    bool supported;    // 9.76 or later
    bool speedMethod;  // 9.80 or later
};
inline constexpr Version kVersions[] = {
    {"9.76", true, false},
    {"9.75", false, false},
    {"9.8", true, true},
    {"9.7", false, false},
    {"9.79", true, false},
    {"9.80", true, true},
    {"10.0", true, true},
    {"11.00", true, true},
    {"8.99", false, false},
    {"9", false, false},
    {"", false, false},
    {".80", false, false},
    {"9.76a", true, false},
    {" 9.80", true, true},
    {"\t\n9.80", true, true},
    {"+9.80", true, true},
    {"-9.80", false, false},
    {"9.761", true, true},
    {"9.80.1234", true, true},
    {"9.", false, false},
    {"9.0", false, false},
    {"9.7x", false, false},  // the minor text "7x" is long enough not to be padded: 7
    {"9.08", false, false},
    {"9.0080", true, true},  // 80 as a number
    {"123456789012345678901234567890.0", true, true},
    {"-123456789012345678901234567890.99", false, false},
    {"9.999999999999999999999999", true, true},
};

// What loading gives with no keys at all, and what restoring the defaults shows.
inline AdvancedSettings DefaultSettings()
{
    AdvancedSettings settings;
    settings.m_bGameDetection = 1;
    settings.m_nTrackingMode = 0;
    settings.m_nSpeedAccelMethod = 0;
    settings.m_nAppliedSpeedAccelMethod = 0;
    settings.m_bKeepAcceleration = 0;
    settings.m_bKeepSpeed = 1;
    settings.m_bKeepKeystrokes = 1;
    settings.m_bKeepButtonMapping = 1;
    settings.m_bKeepOtherMappings = 0;
    settings.m_bKeepOrientation = 1;
    return settings;
}

}  // namespace expected

// Every field of the record, by name, for comparisons with readable failures.
inline std::string Describe(const AdvancedSettings& s)
{
    std::ostringstream out;
    out << "game=" << s.m_bGameDetection << " tracking=" << s.m_nTrackingMode << " method=" << s.m_nSpeedAccelMethod
        << " applied=" << s.m_nAppliedSpeedAccelMethod << " available=" << s.m_bSpeedMethodAvailable
        << " accel=" << s.m_bKeepAcceleration << " speed=" << s.m_bKeepSpeed << " keys=" << s.m_bKeepKeystrokes
        << " button=" << s.m_bKeepButtonMapping << " other=" << s.m_bKeepOtherMappings
        << " orientation=" << s.m_bKeepOrientation;
    return out.str();
}
