// The meter has to see a leak of the size the soaks look for, and nothing when all
// is given back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "tests/soak/ResourceMeter.h"

namespace {

constexpr int kCycles = 100;
constexpr std::size_t kBlockSize = 100 * 1024;
volatile char g_sink;

std::unique_ptr<char[]> TouchedBlock(std::size_t size)
{
    std::unique_ptr<char[]> block(new char[size]);
    std::memset(block.get(), 0x5a, size);
    return block;
}

TEST(ResourceMeter, SeesLeaks)
{
    // 100 registry keys, about 70 of them between the early and the late samples; 10 MB,
    // about 7 MB between; one block of 64 bytes a cycle, sampled as in each list soak.
    const struct {
        int cycles, every;
        std::size_t blockSize;  // 0: a registry key
        ResourceTrend::Measure measure;
        long long atLeast;
    } leaks[] = {
        {kCycles, 5, 0, &ResourceSample::handles, 50},
        {kCycles, 5, kBlockSize, &ResourceSample::privateBytes, 5 << 20},
        {40, 2, 64, &ResourceSample::heapBytes, Tolerance().heapBytes + 1},
        {30, 1, 64, &ResourceSample::heapBytes, Tolerance().heapBytes + 1},
    };
    for (const auto& leak : leaks) {
        std::vector<HKEY> keys;
        std::vector<std::unique_ptr<char[]>> blocks;
        keys.reserve(leak.cycles);
        blocks.reserve(leak.cycles);
        const ResourceTrend trend = Soak(leak.cycles, leak.every, [&](int) {
            HKEY key = nullptr;
            if (leak.blockSize)
                blocks.push_back(TouchedBlock(leak.blockSize));
            else if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key) == ERROR_SUCCESS)
                keys.push_back(key);
        });
        for (HKEY key : keys)
            RegCloseKey(key);
        std::printf("[ soak     ] %s\n", trend.Describe("leaked").c_str());
        EXPECT_GE(trend.Growth(leak.measure), leak.atLeast) << trend.Describe("leaked");
    }
}

TEST(ResourceMeter, SeesNoGrowthWhenAllIsGivenBack)
{
    const ResourceTrend trend = Soak(kCycles, 5, [&](int) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key) == ERROR_SUCCESS)
            RegCloseKey(key);
        g_sink = TouchedBlock(kBlockSize)[kBlockSize / 2];
    });
    ExpectNoGrowth(trend, "keys and memory given back");
}

}  // namespace
