// A snapshot of the running processes, filled by the back-end that the system offers.
#pragma once

#include <windows.h>

#include <memory>

#include "process/EntryList.h"
#include "process/ModuleEntry.h"
#include "process/ProcessEnumerator.h"

// True when "PSAPI.DLL" can be loaded.
bool IsPsapiAvailable();
// True when KERNEL32 exports the Toolhelp32 snapshot function.
bool IsToolhelpAvailable();

class ProcessList {
public:
    // Picks the back-end for a list; null when neither is available.
    using EnumeratorChoice = std::unique_ptr<ProcessEnumerator> (*)(EntryList& entries);

    // PSAPI when it can be loaded, otherwise Toolhelp when it exists, otherwise none.
    static std::unique_ptr<ProcessEnumerator> ChooseEnumerator(EntryList& entries);

    ProcessList();
    explicit ProcessList(EnumeratorChoice choose);
    virtual ~ProcessList();

    ProcessList(const ProcessList&) = delete;
    ProcessList& operator=(const ProcessList&) = delete;

    // Empties the list, then lets the back-end fill it: 1 on success, 0 on failure
    // and also when there is no back-end.
    int Refresh();
    DWORD Count() const { return m_entries.Count(); }
    // Always a ProcessEntry. Throws std::out_of_range for an index at or beyond Count.
    ModuleEntry* At(DWORD index) const { return m_entries.At(index); }

    const ProcessEnumerator* Enumerator() const { return m_pEnumerator.get(); }

private:
    // Declared first: the back-end refers to the entries, so they are built before
    // it and destroyed after it.
    ProcessEntryList m_entries;
    std::unique_ptr<ProcessEnumerator> m_pEnumerator;
};
