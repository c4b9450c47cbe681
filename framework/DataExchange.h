// Moves values between a dialog's controls and its record, one direction at a time.
#pragma once

#include <windows.h>

namespace framework {

enum class ExchangeDirection {
    Push,  // record to controls
    Pull,  // controls to record
};

class DataExchange {
public:
    DataExchange(HWND dialog, ExchangeDirection direction)
        : m_hDialog(dialog), m_direction(direction)
    {
    }

    // Push: a value outside 0..2 becomes 0 in the record first. Pull: the check state.
    void CheckBox(int id, int& value);
    // The group runs from `firstId` up to the next control that starts a group; only
    // radio buttons count. Push checks the button at index `value` and clears the rest.
    // Pull gives the index of the checked button, or -1 when none is checked.
    void RadioGroup(int firstId, int& value);

private:
    HWND m_hDialog;
    ExchangeDirection m_direction;
};

}  // namespace framework
