// MouseRecordFromText against strtok on a copy with the reference atoi, and
// MouseRecordToText against snprintf "%d,%d,%d" plus the round trip through both.
// The text is the input up to its first NUL, as the registry read delivers it;
// the record for the other direction is the input's first twelve bytes.
#include "FuzzCheck.h"

#include "settings/MouseRecordText.h"

namespace {

MouseRecord ReferenceFromText(const char* text)
{
    MouseRecord record = {0, 0, 0};
    const auto copy = fuzz::TerminatedCopy(std::string(text));
    size_t field = 0;
    for (char* token = std::strtok(copy.get(), ","); token && field < record.size(); token = std::strtok(nullptr, ","))
        record[field++] = fuzz::ReferenceToInt(token);
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto copy = fuzz::TerminatedCopy(data, size);
    fuzz::Require(MouseRecordFromText(std::string(copy.get())) == ReferenceFromText(copy.get()),
                  "MouseRecordFromText differs from strtok");

    if (size < 3 * sizeof(int))
        return 0;
    MouseRecord record;
    std::memcpy(record.data(), data, 3 * sizeof(int));
    char expected[64];
    std::snprintf(expected, sizeof expected, "%d,%d,%d", record[0], record[1], record[2]);
    const std::string textForm = MouseRecordToText(record);
    fuzz::Require(textForm == expected, "MouseRecordToText differs from snprintf");
    fuzz::Require(MouseRecordFromText(textForm) == record, "record does not survive the text form");
    return 0;
}
