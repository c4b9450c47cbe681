#include "tests/soak/ResourceMeter.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "process/LibraryFunction.h"

namespace {

constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

// One handle of the system's table, as NtQuerySystemInformation lists it.
struct HandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ULONG grantedAccess;
};

struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryMemoryInfo = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);

long long OwnHandles()
{
    static const auto query =
        LibraryFunction<QuerySystemInformation>(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
    // Kept between samples, so that the measuring does not come and go in the memory it measures.
    static std::vector<BYTE> buffer(1 << 16);
    if (!query)
        return -1;
    for (;;) {
        ULONG needed = 0;
        const LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch) {
            buffer.resize(std::max<std::size_t>(needed, buffer.size() * 2));
            continue;
        }
        if (status != 0)
            return -1;
        break;
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    const ULONG self = GetCurrentProcessId();
    return std::count_if(table->entries, table->entries + table->count,
                         [self](const HandleEntry& entry) { return entry.ownerProcessId == self; });
}

long long WorkingSet()
{
    static const auto query =
        LibraryFunction<QueryMemoryInfo>(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!query || !query(GetCurrentProcess(), &counters, sizeof(counters)))
        return -1;
    return static_cast<long long>(counters.WorkingSetSize);
}

long long PrivateBytes()
{
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    long long total = 0;
    auto* address = static_cast<BYTE*>(system.lpMinimumApplicationAddress);
    MEMORY_BASIC_INFORMATION region;
    while (address < system.lpMaximumApplicationAddress &&
           VirtualQuery(address, &region, sizeof(region)) == sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<long long>(region.RegionSize);
        address = static_cast<BYTE*>(region.BaseAddress) + region.RegionSize;
    }
    return total;
}

long long Median(std::vector<long long> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

ResourceSample TakeSample()
{
    ResourceSample sample;
    sample.handles = OwnHandles();
    sample.workingSet = WorkingSet();
    sample.privateBytes = PrivateBytes();
    return sample;
}

long long ResourceTrend::Growth(Measure measure) const
{
    const std::size_t warmUp = std::max<std::size_t>(1, m_samples.size() / 10);
    const std::size_t settled = m_samples.size() - warmUp;
    const std::size_t window = std::max<std::size_t>(1, settled / 5);
    std::vector<long long> early;
    std::vector<long long> late;
    for (std::size_t i = 0; i < window; ++i) {
        early.push_back(m_samples[warmUp + i].*measure);
        late.push_back(m_samples[m_samples.size() - window + i].*measure);
    }
    return Median(late) - Median(early);
}

std::string ResourceTrend::Describe(const char* soak) const
{
    char line[512];
    std::snprintf(line, sizeof(line),
                  "%s: %zu samples; handles %lld -> %lld (growth %lld); working set %lld KB -> %lld KB "
                  "(growth %lld KB); private %lld KB -> %lld KB (growth %lld KB)",
                  soak, m_samples.size(), First().handles, Last().handles, Growth(&ResourceSample::handles),
                  First().workingSet / 1024, Last().workingSet / 1024, Growth(&ResourceSample::workingSet) / 1024,
                  First().privateBytes / 1024, Last().privateBytes / 1024,
                  Growth(&ResourceSample::privateBytes) / 1024);
    return line;
}

std::string ResourceTrend::Series() const
{
    std::string series;
    char line[128];
    for (const ResourceSample& sample : m_samples) {
        std::snprintf(line, sizeof(line), "  handles %lld, working set %lld KB, private %lld KB\n", sample.handles,
                      sample.workingSet / 1024, sample.privateBytes / 1024);
        series += line;
    }
    return series;
}

void ExpectNoGrowth(const ResourceTrend& trend, const char* soak, const Tolerance& tolerance)
{
    const std::string description = trend.Describe(soak);
    std::printf("[ soak     ] %s\n", description.c_str());
    ::testing::Test::RecordProperty(soak, description);
    EXPECT_GT(trend.First().handles, 0) << "the handle table did not list this process";
    EXPECT_GT(trend.First().workingSet, 0) << "no working set reported";
    EXPECT_LE(trend.Growth(&ResourceSample::handles), tolerance.handles) << description;
    EXPECT_LE(trend.Growth(&ResourceSample::workingSet), tolerance.workingSet) << description;
    EXPECT_LE(trend.Growth(&ResourceSample::privateBytes), tolerance.privateBytes) << description;
    if (::testing::Test::HasFailure() || getenv("SOAK_SERIES"))
        std::printf("%s", trend.Series().c_str());
}
