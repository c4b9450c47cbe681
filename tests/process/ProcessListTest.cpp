// The list's own rules, with a scripted back-end in place of the platform's.
#include "process/ProcessList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// What the scripted back-end does and what became of it; one test at a time.
struct Script {
    int result = 1;
    int processCount = 0;  // entries per EnumerateProcesses
    int refreshes = 0;     // EnumerateProcesses calls so far
    int entriesDestroyed = 0;
    int entriesAtBackEndEnd = -1;    // the list's count when the back-end went
    int destroyedAtBackEndEnd = -1;  // entries destroyed by then
};
Script g_script;

class ScriptedProcess : public ProcessEntry {
public:
    using ProcessEntry::ProcessEntry;
    ~ScriptedProcess() override { ++g_script.entriesDestroyed; }
};

class ScriptedEnumerator : public ProcessEnumerator {
public:
    using ProcessEnumerator::ProcessEnumerator;
    ~ScriptedEnumerator() override
    {
        g_script.entriesAtBackEndEnd = static_cast<int>(m_list.Count());
        g_script.destroyedAtBackEndEnd = g_script.entriesDestroyed;
    }

    int EnumerateModules(ProcessEntry& entry) override
    {
        entry.AddModule(std::make_unique<ModuleEntry>("C:\\w\\kernel32.dll", 0x200));
        return 1;
    }

    int EnumerateProcesses() override
    {
        ++g_script.refreshes;
        for (int i = 0; i < g_script.processCount; ++i) {
            const std::string name =
                "C:\\run" + std::to_string(g_script.refreshes) + "\\p" + std::to_string(i) + ".exe";
            auto entry = std::make_unique<ScriptedProcess>(name.c_str(), 0x400000, static_cast<DWORD>(100 + i));
            ProcessEntry& added = *entry;
            m_list.Append(std::move(entry));
            added.CollectModules(*this);
        }
        return g_script.result;
    }
};

std::unique_ptr<ProcessEnumerator> Scripted(EntryList& entries)
{
    return std::make_unique<ScriptedEnumerator>(entries);
}

std::unique_ptr<ProcessEnumerator> NoBackEnd(EntryList&)
{
    return nullptr;
}

class ProcessListRules : public ::testing::Test {
protected:
    void SetUp() override { g_script = Script(); }
};

TEST_F(ProcessListRules, RefreshKeepsOnlyTheLatestSnapshot)
{
    ProcessList list(&Scripted);
    EXPECT_EQ(0u, list.Count()) << "empty before the first Refresh";

    g_script.processCount = 3;
    EXPECT_EQ(1, list.Refresh());
    ASSERT_EQ(3u, list.Count());

    g_script.processCount = 2;
    EXPECT_EQ(1, list.Refresh());
    EXPECT_EQ(3, g_script.entriesDestroyed) << "the first snapshot is released";
    ASSERT_EQ(2u, list.Count());
    for (DWORD i = 0; i < list.Count(); ++i) {
        const auto* entry = dynamic_cast<const ProcessEntry*>(list.At(i));
        ASSERT_NE(nullptr, entry);
        EXPECT_EQ(std::string("C:\\run2\\p") + std::to_string(i) + ".exe", entry->Name());
        EXPECT_EQ(100u + i, entry->ProcessId());
        ASSERT_NE(nullptr, entry->Modules());
        EXPECT_EQ(1u, entry->Modules()->Count());
    }
    EXPECT_THROW(list.At(2), std::out_of_range);
}

TEST_F(ProcessListRules, RefreshPassesOnTheBackEndsFailureWithAnEmptiedList)
{
    ProcessList list(&Scripted);
    g_script.processCount = 2;
    ASSERT_EQ(1, list.Refresh());

    g_script.processCount = 0;
    g_script.result = 0;
    EXPECT_EQ(0, list.Refresh());
    EXPECT_EQ(0u, list.Count());
    EXPECT_EQ(2, g_script.entriesDestroyed);
}

TEST_F(ProcessListRules, WithoutBackEndRefreshGivesNothing)
{
    ProcessList list(&NoBackEnd);
    EXPECT_EQ(nullptr, list.Enumerator());
    EXPECT_EQ(0, list.Refresh());
    EXPECT_EQ(0, list.Refresh());
    EXPECT_EQ(0u, list.Count());
    EXPECT_THROW(list.At(0), std::out_of_range);
}

TEST_F(ProcessListRules, BackEndGoesBeforeTheEntries)
{
    {
        ProcessList list(&Scripted);
        g_script.processCount = 4;
        list.Refresh();
    }
    EXPECT_EQ(4, g_script.entriesAtBackEndEnd) << "the entries were still there";
    EXPECT_EQ(0, g_script.destroyedAtBackEndEnd);
    EXPECT_EQ(4, g_script.entriesDestroyed);
}

TEST_F(ProcessListRules, ListNeverRefreshedIsReleasedSoundly)
{
    {
        ProcessList list(&Scripted);
    }
    EXPECT_EQ(0, g_script.refreshes);
    EXPECT_EQ(0, g_script.entriesAtBackEndEnd);
}

}  // namespace
