#include "tests/e2e/HelperLog.h"

#include <fstream>
#include <sstream>

std::vector<HelperEvent> ReadHelperLog(const std::string& path)
{
    std::vector<HelperEvent> events;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        HelperEvent event;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, '\t')) {
            const std::string::size_type equals = field.find('=');
            if (equals != std::string::npos)
                event[field.substr(0, equals)] = field.substr(equals + 1);
        }
        if (!event.empty())
            events.push_back(event);
    }
    return events;
}

std::vector<HelperEvent> EventsOfKind(const std::vector<HelperEvent>& events, const char* kind)
{
    std::vector<HelperEvent> matching;
    for (const HelperEvent& event : events) {
        const auto found = event.find("event");
        if (found != event.end() && found->second == kind)
            matching.push_back(event);
    }
    return matching;
}

unsigned long long EventTime(const HelperEvent& event, const char* field)
{
    const auto found = event.find(field);
    return found == event.end() ? 0 : std::stoull(found->second);
}
