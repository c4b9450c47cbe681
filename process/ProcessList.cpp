#include "process/ProcessList.h"

#include "process/PsapiEnumerator.h"
#include "process/ToolhelpEnumerator.h"

bool IsPsapiAvailable()
{
    HMODULE library = LoadLibraryA("PSAPI.DLL");
    if (!library)
        return false;
    FreeLibrary(library);
    return true;
}

bool IsToolhelpAvailable()
{
    HMODULE kernel = LoadLibraryA("KERNEL32.DLL");
    if (!kernel)
        return false;
    const bool found = GetProcAddress(kernel, "CreateToolhelp32Snapshot") != nullptr;
    FreeLibrary(kernel);
    return found;
}

std::unique_ptr<ProcessEnumerator> ProcessList::ChooseEnumerator(EntryList& entries)
{
    if (IsPsapiAvailable())
        return std::make_unique<PsapiEnumerator>(entries);
    if (IsToolhelpAvailable())
        return std::make_unique<ToolhelpEnumerator>(entries);
    return nullptr;
}

ProcessList::ProcessList() : ProcessList(&ChooseEnumerator)
{
}

ProcessList::ProcessList(EnumeratorChoice choose) : m_pEnumerator(choose(m_entries))
{
}

ProcessList::~ProcessList()
{
    m_pEnumerator.reset();
}

int ProcessList::Refresh()
{
    m_entries.Clear();
    return m_pEnumerator ? m_pEnumerator->EnumerateProcesses() : 0;
}
