// Owning lists of snapshot entries, kept in the order in which they were appended.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "process/ModuleEntry.h"

class EntryList {
public:
    EntryList() = default;
    virtual ~EntryList();

    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    void Append(std::unique_ptr<ModuleEntry> entry);
    // Destroys every entry; the storage stays for later appends.
    void Clear();

    DWORD Count() const { return static_cast<DWORD>(m_entries.size()); }
    // Throws std::out_of_range for an index at or beyond Count.
    ModuleEntry* At(DWORD index) const;

private:
    std::vector<std::unique_ptr<ModuleEntry>> m_entries;
};

class ProcessEntryListBase : public EntryList {
public:
    ~ProcessEntryListBase() override;
};

// Holds nothing but ProcessEntry objects.
class ProcessEntryList : public ProcessEntryListBase {
public:
    ~ProcessEntryList() override;
};
