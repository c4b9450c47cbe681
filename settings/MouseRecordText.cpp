#include "settings/MouseRecordText.h"

#include "common/Text.h"

MouseRecord MouseRecordFromText(const std::string& text)
{
    MouseRecord record = {0, 0, 0};
    std::size_t field = 0;
    std::string::size_type start = text.find_first_not_of(',');
    while (start != std::string::npos && field < record.size()) {
        const std::string::size_type end = text.find(',', start);
        record[field++] = text::ToInt(text.substr(start, end - start).c_str());
        start = end == std::string::npos ? end : text.find_first_not_of(',', end);
    }
    return record;
}

std::string MouseRecordToText(const MouseRecord& record)
{
    return std::to_string(record[0]) + "," + std::to_string(record[1]) + "," +
           std::to_string(record[2]);
}
