// Shared by the settings tests: the names of the driver's values in a registry dump,
// and a recorder for the system pointer calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "settings/AdvancedSettings.h"
#include "settings/MouseRecordText.h"
#include "settings/PointerHandOver.h"
#include "tests/support/DriverExpectations.h"
#include "tests/support/ScratchRegistry.h"

// A value of the Technical key, or of the Gaming key, as Dump() names it.
std::string Technical(const char* name);
std::string Gaming(const char* name);

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
