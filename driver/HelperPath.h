// Where the driver's helper program lies below its install directory.
// Platform-free, like the other text rules.
#pragma once

#include <string>

// The helper's file name, as it is looked for among the running processes.
constexpr const char* kHelperFileName = "dv_host.exe";

// The helper below `directory`: the directory text followed by "\System\dv_host.exe",
// with no separator added or removed. Empty when the directory is not an absolute
// path ("C:\..." or "\\server\share\...", where "/" counts as "\"): anything else
// would be resolved against whatever the current directory or drive happens to be.
std::string HelperPathBelow(const std::string& directory);
