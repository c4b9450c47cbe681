// The stored text form of the Windows mouse record (first threshold, second
// threshold, acceleration). Platform-free: it also builds natively.
#pragma once

#include <array>
#include <string>

using MouseRecord = std::array<int, 3>;

// Fields split at commas the way strtok does (no empty fields), converted like atoi.
// Missing fields stay 0; fields past the third are ignored.
MouseRecord MouseRecordFromText(const std::string& text);

// "%d,%d,%d".
std::string MouseRecordToText(const MouseRecord& record);
