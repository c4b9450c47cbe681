// The process back-end over "PSAPI.DLL", which it loads at run time.
#pragma once

#include <windows.h>

#include "process/ProcessEnumerator.h"

class PsapiEnumerator : public ProcessEnumerator {
public:
    explicit PsapiEnumerator(EntryList& list);
    // Releases the library if it was loaded.
    ~PsapiEnumerator() override;

    int EnumerateModules(ProcessEntry& entry) override;
    int EnumerateProcesses() override;

    // Loads the library once, then looks the three functions up again on every call.
    // 1 when all three are there.
    int ResolveFunctions();

private:
    using EnumProcessesFunction = BOOL(WINAPI*)(DWORD* ids, DWORD size, DWORD* bytes);
    using EnumProcessModulesFunction = BOOL(WINAPI*)(HANDLE process, HMODULE* modules, DWORD size,
                                                     DWORD* bytes);
    using GetModuleFileNameExFunction = DWORD(WINAPI*)(HANDLE process, HMODULE module, LPSTR name,
                                                       DWORD size);

    // 4096 bytes each. Handles are as wide as pointers, so the module buffer holds
    // 1024 of them in the 32-bit program and 512 in the 64-bit one.
    using IdBuffer = DWORD[4096 / sizeof(DWORD)];
    using ModuleBuffer = HMODULE[4096 / sizeof(HMODULE)];

    // Both report the number of items in the buffer, at most its capacity.
    bool ListProcesses(IdBuffer& ids, DWORD& count) const;
    bool ListModules(HANDLE process, ModuleBuffer& modules, DWORD& count) const;
    // The module's path, or "" when it can't be found out.
    void ModuleName(HANDLE process, HMODULE module, char (&name)[MAX_PATH]) const;

    HMODULE m_hLibrary = nullptr;
    EnumProcessesFunction m_pfnEnumProcesses = nullptr;
    EnumProcessModulesFunction m_pfnEnumProcessModules = nullptr;
    GetModuleFileNameExFunction m_pfnGetModuleFileNameEx = nullptr;
};
