// What the helper stand-in recorded: one event per line of key=value fields.
#pragma once

#include <map>
#include <string>
#include <vector>

using HelperEvent = std::map<std::string, std::string>;

std::vector<HelperEvent> ReadHelperLog(const std::string& path);
std::vector<HelperEvent> EventsOfKind(const std::vector<HelperEvent>& events, const char* kind);
unsigned long long EventTime(const HelperEvent& event, const char* field = "time");
