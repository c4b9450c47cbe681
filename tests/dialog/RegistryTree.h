// Every value below a registry root, to compare the registry before and after.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "tests/support/ScratchRegistry.h"

// "key path\value name" to value, for every value under `root`, sub-keys included.
std::map<std::string, RegValue> RegistryTree(HKEY root);
