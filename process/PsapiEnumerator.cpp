#include "process/PsapiEnumerator.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "process/EntryList.h"
#include "process/LibraryFunction.h"
#include "process/ModuleEntry.h"
#include "process/ScopedHandle.h"

namespace {

const DWORD kQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;

}  // namespace

PsapiEnumerator::PsapiEnumerator(EntryList& list) : ProcessEnumerator(list)
{
}

PsapiEnumerator::~PsapiEnumerator()
{
    if (m_hLibrary)
        FreeLibrary(m_hLibrary);
}

int PsapiEnumerator::ResolveFunctions()
{
    if (!m_hLibrary)
        m_hLibrary = LoadLibraryA("PSAPI.DLL");
    if (m_hLibrary) {
        m_pfnEnumProcesses = LibraryFunction<EnumProcessesFunction>(m_hLibrary, "EnumProcesses");
        m_pfnEnumProcessModules =
            LibraryFunction<EnumProcessModulesFunction>(m_hLibrary, "EnumProcessModules");
        m_pfnGetModuleFileNameEx =
            LibraryFunction<GetModuleFileNameExFunction>(m_hLibrary, "GetModuleFileNameExA");
    }
    return m_pfnEnumProcesses && m_pfnEnumProcessModules && m_pfnGetModuleFileNameEx ? 1 : 0;
}

bool PsapiEnumerator::ListProcesses(IdBuffer& ids, DWORD& count) const
{
    DWORD bytes = 0;
    if (!m_pfnEnumProcesses(ids, sizeof ids, &bytes))
        return false;
    count = std::min<DWORD>(bytes / sizeof ids[0], std::size(ids));
    return true;
}

bool PsapiEnumerator::ListModules(HANDLE process, ModuleBuffer& modules, DWORD& count) const
{
    DWORD bytes = 0;
    if (!m_pfnEnumProcessModules(process, modules, sizeof modules, &bytes))
        return false;
    // The byte count is that of the whole module list, which may not have fitted.
    count = std::min<DWORD>(bytes / sizeof(HMODULE), std::size(modules));
    return true;
}

void PsapiEnumerator::ModuleName(HANDLE process, HMODULE module, char (&name)[MAX_PATH]) const
{
    const DWORD length = m_pfnGetModuleFileNameEx(process, module, name, MAX_PATH);
    name[std::min<DWORD>(length, MAX_PATH - 1)] = '\0';
}

int PsapiEnumerator::EnumerateProcesses()
{
    if (ResolveFunctions() != 1)
        return 0;
    IdBuffer ids;
    DWORD idCount = 0;
    if (!ListProcesses(ids, idCount))
        return 0;
    for (DWORD i = 0; i < idCount; ++i) {
        ScopedHandle process(OpenProcess(kQueryAndRead, FALSE, ids[i]));
        if (!process.IsValid())
            continue;
        ModuleBuffer modules;
        DWORD moduleCount = 0;
        if (!ListModules(process.Get(), modules, moduleCount) || moduleCount == 0)
            continue;
        char name[MAX_PATH];
        ModuleName(process.Get(), modules[0], name);
        auto entry = std::make_unique<ProcessEntry>(name, ModuleValue(modules[0]), ids[i]);
        ProcessEntry& added = *entry;
        m_list.Append(std::move(entry));
        added.CollectModules(*this);
    }
    return 1;
}

int PsapiEnumerator::EnumerateModules(ProcessEntry& entry)
{
    if (ResolveFunctions() != 1)
        return 0;
    // Only the id is known here: look whether the process still runs.
    IdBuffer ids;
    DWORD idCount = 0;
    if (!ListProcesses(ids, idCount))
        return 0;
    if (std::find(ids, ids + idCount, entry.ProcessId()) == ids + idCount)
        return 1;
    ScopedHandle process(OpenProcess(kQueryAndRead, FALSE, entry.ProcessId()));
    if (!process.IsValid())
        return 1;
    ModuleBuffer modules;
    DWORD moduleCount = 0;
    if (!ListModules(process.Get(), modules, moduleCount))
        return 1;
    // The first module is the executable, which the entry itself stands for.
    for (DWORD i = 1; i < moduleCount; ++i) {
        char name[MAX_PATH];
        ModuleName(process.Get(), modules[i], name);
        entry.AddModule(std::make_unique<ModuleEntry>(name, ModuleValue(modules[i])));
    }
    return 1;
}
