// Hands the Windows pointer speed and acceleration over between the system and the
// registry when the user switches who does them.
#pragma once

#include <windows.h>

#include "registry/RegistryKey.h"
#include "settings/AdvancedSettings.h"

// To the driver: keeps the user's Windows values in the user key and neutralises them.
// To Windows: restores the kept values. Otherwise nothing. Updates the applied method.
void HandOverPointerParameters(AdvancedSettings& settings, RegistryKey& machineKey,
                               RegistryKey& userKey);

// The system call behind the hand-over. Tests put a recorder in its place; the
// previous function is returned so that it can be put back.
using SystemParametersFunction = BOOL(WINAPI*)(UINT action, UINT param, PVOID pvParam, UINT flags);
SystemParametersFunction SetSystemParametersFunction(SystemParametersFunction function);
