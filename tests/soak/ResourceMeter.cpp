#include "tests/soak/ResourceMeter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

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

// What this program's own code holds, to the byte: all of it is allocated through operator new,
// which is counted below. A walk over the heaps would count a batch of small blocks that the
// heap hands out as one (Wine 10) and the platform's own allocations besides.
std::atomic<long long> g_newBytes{0};

// Before each block: its size, for the delete that gets no size.
struct alignas(std::max_align_t) BlockHeader {
    std::size_t size;
};

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
    sample.heapBytes = g_newBytes.load();
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
                  "%s: %zu samples; handles %lld -> %lld (growth %lld); heap %lld -> %lld bytes "
                  "(growth %lld); private %lld KB -> %lld KB (growth %lld KB)",
                  soak, m_samples.size(), First().handles, Last().handles, Growth(&ResourceSample::handles),
                  First().heapBytes, Last().heapBytes, Growth(&ResourceSample::heapBytes), First().privateBytes / 1024,
                  Last().privateBytes / 1024, Growth(&ResourceSample::privateBytes) / 1024);
    return line;
}

std::string ResourceTrend::Series() const
{
    std::string series;
    char line[128];
    for (const ResourceSample& sample : m_samples) {
        std::snprintf(line, sizeof(line), "  handles %lld, heap %lld bytes, private %lld KB\n", sample.handles,
                      sample.heapBytes, sample.privateBytes / 1024);
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
    EXPECT_GT(std::min(trend.First().heapBytes, trend.Last().heapBytes), 0)
        << "no allocation counted: operator new is not this program's";
    EXPECT_LE(trend.Growth(&ResourceSample::handles), tolerance.handles) << description;
    EXPECT_LE(trend.Growth(&ResourceSample::heapBytes), tolerance.heapBytes) << description;
    EXPECT_LE(trend.Growth(&ResourceSample::privateBytes), tolerance.privateBytes) << description;
    if (::testing::Test::HasFailure() || getenv("SOAK_SERIES"))
        std::printf("%s", trend.Series().c_str());
}

// The replaceable global allocation functions; the array and nothrow forms and the sized delete call these.
void* operator new(std::size_t size)
{
    auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
    if (!header)
        throw std::bad_alloc();
    header->size = size;
    g_newBytes += static_cast<long long>(size);
    return header + 1;
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
    g_newBytes -= static_cast<long long>(header->size);
    std::free(header);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
