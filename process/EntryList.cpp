#include "process/EntryList.h"

#include <stdexcept>

EntryList::~EntryList() = default;

void EntryList::Append(std::unique_ptr<ModuleEntry> entry)
{
    m_entries.push_back(std::move(entry));
}

void EntryList::Clear()
{
    m_entries.clear();
}

ModuleEntry* EntryList::At(DWORD index) const
{
    if (index >= m_entries.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return m_entries[index].get();
}

ProcessEntryListBase::~ProcessEntryListBase() = default;

ProcessEntryList::~ProcessEntryList() = default;
