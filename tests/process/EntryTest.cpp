#include "process/EntryList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "process/BaseName.h"
#include "process/ModuleEntry.h"

namespace {

// An entry that counts its destructions, to see what a tree releases.
class CountedEntry : public ModuleEntry {
public:
    CountedEntry(const char* name, int& destroyed) : ModuleEntry(name, 0), m_destroyed(destroyed) {}
    ~CountedEntry() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(BaseName, IsThePartAfterTheLastBackslash)
{
    struct Case {
        const char* path;
        const char* base;
    } cases[] = {
        {"C:\\Programme\\Drivona\\System\\dv_host.exe", "dv_host.exe"},
        {"dv_host.exe", "dv_host.exe"},
        {"\\dv_host.exe", "dv_host.exe"},
        {"C:\\Programme\\", ""},
        {"\\", ""},
        {"", ""},
        {"\\\\server\\share\\DV_HOST.EXE", "DV_HOST.EXE"},
        {"C:\\a\\\\b.dll", "b.dll"},
        {"C:dv_host.exe", "C:dv_host.exe"},                // a drive is no separator
        {"C:/tools/dv_host.exe", "C:/tools/dv_host.exe"},  // neither is a slash
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.base, BaseNameOf(c.path)) << c.path;
        EXPECT_STREQ(c.base, ModuleEntry(c.path, 0).BaseName()) << c.path;
    }
    EXPECT_STREQ("", BaseNameOf(nullptr));
}

TEST(ModuleEntry, NullOrEmptyNameBecomesTheEmptyText)
{
    const char* names[] = {nullptr, ""};
    for (const char* name : names) {
        ModuleEntry module(name, 7);
        ASSERT_NE(nullptr, module.Name());
        EXPECT_STREQ("", module.Name());
        EXPECT_STREQ("", module.BaseName());
        ProcessEntry process(name, 7, 42);
        ASSERT_NE(nullptr, process.Name());
        EXPECT_STREQ("", process.Name());
    }
}

TEST(ModuleEntry, KeepsItsOwnCopyOfTheName)
{
    char buffer[MAX_PATH] = "C:\\Drivona\\System\\dv_host.exe";
    ProcessEntry process(buffer, 0x400000, 1234);
    ModuleEntry module(buffer, 0x10000000);
    std::memset(buffer, 'x', sizeof buffer - 1);
    std::strcpy(buffer, "C:\\other\\name.dll");

    EXPECT_STREQ("C:\\Drivona\\System\\dv_host.exe", process.Name());
    EXPECT_STREQ("dv_host.exe", process.BaseName());
    EXPECT_STREQ("C:\\Drivona\\System\\dv_host.exe", module.Name());
    EXPECT_NE(static_cast<const char*>(buffer), process.Name());
    EXPECT_EQ(0x400000u, process.Module());
    EXPECT_EQ(1234u, process.ProcessId());
    EXPECT_EQ(0x10000000u, module.Module());
}

TEST(ModuleEntry, ModuleListComesWithTheFirstModuleAndKeepsTheOrder)
{
    ProcessEntry process("C:\\a\\dv_host.exe", 1, 2);
    EXPECT_EQ(nullptr, process.Modules());

    process.AddModule(std::make_unique<ModuleEntry>("C:\\w\\ntdll.dll", 0x100));
    const EntryList* modules = process.Modules();
    ASSERT_NE(nullptr, modules);
    process.AddModule(std::make_unique<ModuleEntry>("C:\\w\\kernel32.dll", 0x200));

    EXPECT_EQ(modules, process.Modules()) << "the list is made once";
    ASSERT_EQ(2u, modules->Count());
    EXPECT_STREQ("C:\\w\\ntdll.dll", modules->At(0)->Name());
    EXPECT_EQ(0x100u, modules->At(0)->Module());
    EXPECT_STREQ("kernel32.dll", modules->At(1)->BaseName());
}

TEST(ModuleEntry, DestroyingAnEntryDestroysItsWholeTree)
{
    int destroyed = 0;
    {
        auto process = std::make_unique<ProcessEntry>("p.exe", 1, 2);
        auto withChildren = std::make_unique<CountedEntry>("a.dll", destroyed);
        withChildren->AddModule(std::make_unique<CountedEntry>("a1.dll", destroyed));
        withChildren->AddModule(std::make_unique<CountedEntry>("a2.dll", destroyed));
        process->AddModule(std::move(withChildren));
        process->AddModule(std::make_unique<CountedEntry>("b.dll", destroyed));

        EntryList list;
        list.Append(std::move(process));
        list.Append(std::make_unique<CountedEntry>("c.exe", destroyed));
        EXPECT_EQ(0, destroyed);
    }
    EXPECT_EQ(5, destroyed);
}

TEST(EntryList, AtOutsideTheListThrowsAndLeavesItAlone)
{
    EntryList list;
    for (DWORD index : {0ul, 1ul, 0xFFFFFFFFul}) {
        try {
            list.At(index);
            ADD_FAILURE() << "no exception for " << index << " in an empty list";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ("invalid vector<T> subscript", error.what());
        }
    }

    list.Append(std::make_unique<ModuleEntry>("first", 1));
    list.Append(std::make_unique<ModuleEntry>("second", 2));
    EXPECT_THROW(list.At(2), std::out_of_range);
    EXPECT_THROW(list.At(0xFFFFFFFF), std::out_of_range);
    ASSERT_EQ(2u, list.Count());
    EXPECT_STREQ("first", list.At(0)->Name());
    EXPECT_STREQ("second", list.At(1)->Name());
}

TEST(EntryList, ClearDestroysTheEntriesAndTakesNewOnes)
{
    int destroyed = 0;
    ProcessEntryList list;
    list.Append(std::make_unique<CountedEntry>("a", destroyed));
    list.Append(std::make_unique<CountedEntry>("b", destroyed));
    list.Clear();
    EXPECT_EQ(2, destroyed);
    EXPECT_EQ(0u, list.Count());
    EXPECT_THROW(list.At(0), std::out_of_range);

    list.Append(std::make_unique<CountedEntry>("c", destroyed));
    ASSERT_EQ(1u, list.Count());
    EXPECT_STREQ("c", list.At(0)->Name());
    list.Clear();
    list.Clear();
    EXPECT_EQ(3, destroyed);
}

TEST(EntryList, DerivedListsReleaseEntriesThroughTheBase)
{
    int destroyed = 0;
    {
        std::unique_ptr<EntryList> list = std::make_unique<ProcessEntryList>();
        list->Append(std::make_unique<CountedEntry>("a", destroyed));
        std::unique_ptr<EntryList> base = std::make_unique<ProcessEntryListBase>();
        base->Append(std::make_unique<CountedEntry>("b", destroyed));
    }
    EXPECT_EQ(2, destroyed);
}

}  // namespace
