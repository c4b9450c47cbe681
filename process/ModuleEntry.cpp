#include "process/ModuleEntry.h"

#include <cstring>

#include "process/BaseName.h"
#include "process/EntryList.h"
#include "process/ProcessEnumerator.h"

namespace {

std::unique_ptr<char[]> CopyText(const char* text)
{
    if (!text)
        text = "";
    const std::size_t size = std::strlen(text) + 1;
    std::unique_ptr<char[]> copy(new char[size]);
    std::memcpy(copy.get(), text, size);
    return copy;
}

}  // namespace

ModuleEntry::ModuleEntry(const char* name, DWORD module)
    : m_pszName(CopyText(name)), m_dwModule(module)
{
}

ModuleEntry::~ModuleEntry() = default;

const char* ModuleEntry::BaseName() const
{
    return BaseNameOf(m_pszName.get());
}

void ModuleEntry::AddModule(std::unique_ptr<ModuleEntry> module)
{
    if (!m_pModules)
        m_pModules = std::make_unique<EntryList>();
    m_pModules->Append(std::move(module));
}

ProcessEntry::ProcessEntry(const char* name, DWORD module, DWORD processId)
    : ModuleEntry(name, module), m_dwProcessId(processId)
{
}

ProcessEntry::~ProcessEntry() = default;

int ProcessEntry::CollectModules(ProcessEnumerator& enumerator)
{
    return enumerator.EnumerateModules(*this);
}
