// Shared by the settings tests: the driver's key paths, a readable form of the
// record and of registry contents, and a recorder for the system pointer calls.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "settings/AdvancedSettings.h"
#include "settings/MouseRecordText.h"
#include "settings/PointerHandOver.h"
#include "tests/support/ScratchRegistry.h"

// As the driver names them; under HKEY_LOCAL_MACHINE only the Technical key is used.
extern const char* const kTechnicalPath;
extern const char* const kGamingPath;
// The same paths as Dump() spells them.
extern const std::string kTechnical;
extern const std::string kGaming;

// What loading gives with no Drivona keys at all.
AdvancedSettings DefaultSettings();
// Every field of the record, by name, for comparisons with readable failures.
std::string Describe(const AdvancedSettings& settings);

// A registry value as text that shows every byte: sz:"On\0", dword:1, type 3:616263.
std::string Render(const RegValue& value);
std::string Sz(const std::string& text);  // Render(SzValue(text))
std::string Dword(DWORD value);            // Render(DwordValue(value))

// Every value below `root`, keyed "lower-case key path:ValueName".
using RegistryContents = std::map<std::string, std::string>;
RegistryContents Dump(HKEY root);

// Takes the place of SystemParametersInfoA while it lives and puts the previous
// function back at the end. Answers the two queries with the chosen values or fails
// them (writing junk into the output, as a careless system might).
class SystemParametersRecorder {
public:
    struct Answers {
        bool speedOk = true;
        int speed = 0;
        bool recordOk = true;
        MouseRecord record = {0, 0, 0};
    };

    explicit SystemParametersRecorder(const Answers& answers);
    SystemParametersRecorder() : SystemParametersRecorder(Answers{}) {}
    ~SystemParametersRecorder();

    SystemParametersRecorder(const SystemParametersRecorder&) = delete;
    SystemParametersRecorder& operator=(const SystemParametersRecorder&) = delete;

    // One line per call: "SETMOUSESPEED ui=0 pv=10 flags=3", "SETMOUSE ui=0 6,10,1 flags=3",
    // "GETMOUSE ui=0 flags=0".
    const std::vector<std::string>& Calls() const { return m_calls; }

    // When set, called at every call; its results are kept in order in Observed().
    std::function<std::string()> observe;
    const std::vector<std::string>& Observed() const { return m_observed; }

private:
    static BOOL WINAPI Record(UINT action, UINT uiParam, PVOID pvParam, UINT flags);

    Answers m_answers;
    std::vector<std::string> m_calls;
    std::vector<std::string> m_observed;
    SystemParametersFunction m_previous = nullptr;
};
