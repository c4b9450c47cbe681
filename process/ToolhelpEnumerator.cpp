#include "process/ToolhelpEnumerator.h"

#include <cstring>
#include <memory>
#include <string>

#include "common/Text.h"
#include "process/EntryList.h"
#include "process/LibraryFunction.h"
#include "process/ModuleEntry.h"
#include "process/ScopedHandle.h"

#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32) == 296, "the 32-bit process record");
static_assert(sizeof(MODULEENTRY32) == 548, "the 32-bit module record");
#endif

namespace {

// A text field of a platform record, never read beyond the field.
template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

}  // namespace

ToolhelpEnumerator::ToolhelpEnumerator(EntryList& list) : ProcessEnumerator(list)
{
}

int ToolhelpEnumerator::ResolveFunctions()
{
    HMODULE kernel = LoadLibraryA("Kernel32.DLL");
    if (!kernel)
        return 0;
    m_pfnCreateSnapshot =
        LibraryFunction<decltype(m_pfnCreateSnapshot)>(kernel, "CreateToolhelp32Snapshot");
    m_pfnProcessFirst = LibraryFunction<decltype(m_pfnProcessFirst)>(kernel, "Process32First");
    m_pfnProcessNext = LibraryFunction<decltype(m_pfnProcessNext)>(kernel, "Process32Next");
    m_pfnModuleFirst = LibraryFunction<decltype(m_pfnModuleFirst)>(kernel, "Module32First");
    m_pfnModuleNext = LibraryFunction<decltype(m_pfnModuleNext)>(kernel, "Module32Next");
    // The program links KERNEL32, so the addresses outlive this reference.
    FreeLibrary(kernel);
    return HasFunctions() ? 1 : 0;
}

bool ToolhelpEnumerator::HasFunctions() const
{
    return m_pfnCreateSnapshot && m_pfnProcessFirst && m_pfnProcessNext && m_pfnModuleFirst &&
           m_pfnModuleNext;
}

int ToolhelpEnumerator::EnumerateProcesses()
{
    if (ResolveFunctions() != 1)
        return 0;
    ScopedHandle snapshot(m_pfnCreateSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid())
        return 1;
    PROCESSENTRY32 record;
    std::memset(&record, 0, sizeof record);
    record.dwSize = sizeof record;
    for (BOOL more = m_pfnProcessFirst(snapshot.Get(), &record); more;
         more = m_pfnProcessNext(snapshot.Get(), &record)) {
        auto entry = std::make_unique<ProcessEntry>(FieldText(record.szExeFile).c_str(),
                                                    record.th32ModuleID, record.th32ProcessID);
        ProcessEntry& added = *entry;
        m_list.Append(std::move(entry));
        added.CollectModules(*this);
    }
    return 1;
}

int ToolhelpEnumerator::EnumerateModules(ProcessEntry& entry)
{
    if (!HasFunctions() && ResolveFunctions() != 1)
        return 0;
    ScopedHandle snapshot(m_pfnCreateSnapshot(TH32CS_SNAPMODULE, entry.ProcessId()));
    if (!snapshot.IsValid())
        return 1;
    MODULEENTRY32 record;
    std::memset(&record, 0, sizeof record);
    record.dwSize = sizeof record;
    for (BOOL more = m_pfnModuleFirst(snapshot.Get(), &record); more;
         more = m_pfnModuleNext(snapshot.Get(), &record)) {
        // The executable's own module, found by its file name: the entry stands for it.
        if (text::EqualsIgnoreCase(FieldText(record.szModule).c_str(), entry.BaseName()))
            continue;
        entry.AddModule(std::make_unique<ModuleEntry>(FieldText(record.szExePath).c_str(),
                                                      ModuleValue(record.hModule)));
    }
    return 1;
}
