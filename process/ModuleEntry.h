// Entries of a process snapshot: a module, and a process with the modules it has loaded.
#pragma once

#include <windows.h>

#include <memory>

class EntryList;
class ProcessEnumerator;

class ModuleEntry {
public:
    // Keeps its own copy of `name`; a null name is stored as "".
    ModuleEntry(const char* name, DWORD module);
    virtual ~ModuleEntry();

    ModuleEntry(const ModuleEntry&) = delete;
    ModuleEntry& operator=(const ModuleEntry&) = delete;

    const char* Name() const { return m_pszName.get(); }
    // The part of the name after its last backslash.
    const char* BaseName() const;
    DWORD Module() const { return m_dwModule; }
    // Null until the first AddModule.
    const EntryList* Modules() const { return m_pModules.get(); }

    void AddModule(std::unique_ptr<ModuleEntry> module);

private:
    std::unique_ptr<char[]> m_pszName;
    DWORD m_dwModule;
    std::unique_ptr<EntryList> m_pModules;
};

class ProcessEntry : public ModuleEntry {
public:
    ProcessEntry(const char* name, DWORD module, DWORD processId);
    ~ProcessEntry() override;

    DWORD ProcessId() const { return m_dwProcessId; }

    // Lets the back-end add this process's modules; returns the back-end's result.
    int CollectModules(ProcessEnumerator& enumerator);

private:
    DWORD m_dwProcessId;
};
