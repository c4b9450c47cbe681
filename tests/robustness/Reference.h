// The documented reading rules, written out plainly and apart from the program's own
// code, so that the program can be checked against them value by value.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "settings/AdvancedSettings.h"
#include "tests/support/ScratchRegistry.h"

namespace reference {

struct StringRead {
    bool read;
    std::string text;
};

struct BoolRead {
    bool read;
    int flag;
};

// What RegistryKey::ReadString gives for a stored value.
StringRead ReadString(const RegValue& value);
// What RegistryKey::ReadBool gives for a stored value and a default.
BoolRead ReadBool(const RegValue& value, int defaultValue);
// Whether a "ProductID" value names a driver of 9.<minorThreshold> or later.
bool VersionAtLeast(const RegValue& productId, int minorThreshold);

// What LoadSettings gives when the layout's values are these, by value name; a name
// that is not in the map is missing. `before` is the record before the load.
AdvancedSettings LoadedSettings(const std::map<std::string, RegValue>& values, AdvancedSettings before);

}  // namespace reference
