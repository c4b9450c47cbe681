// The process back-end over the Toolhelp32 snapshot functions of KERNEL32, looked up
// at run time.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include "process/ProcessEnumerator.h"

class ToolhelpEnumerator : public ProcessEnumerator {
public:
    explicit ToolhelpEnumerator(EntryList& list);

    // Looks all functions up afresh, then walks a process snapshot.
    int EnumerateProcesses() override;
    // Walks a module snapshot of the entry's process.
    int EnumerateModules(ProcessEntry& entry) override;

    // 1 when KERNEL32 has all five functions.
    int ResolveFunctions();

private:
    // Only the types are taken from the declarations: the functions themselves are
    // never linked, so the program starts on systems that lack them.
    decltype(&::CreateToolhelp32Snapshot) m_pfnCreateSnapshot = nullptr;
    decltype(&::Process32First) m_pfnProcessFirst = nullptr;
    decltype(&::Process32Next) m_pfnProcessNext = nullptr;
    decltype(&::Module32First) m_pfnModuleFirst = nullptr;
    decltype(&::Module32Next) m_pfnModuleNext = nullptr;

    bool HasFunctions() const;
};
