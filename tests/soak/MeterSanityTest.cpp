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

std::unique_ptr<char[]> TouchedBlock()
{
    std::unique_ptr<char[]> block(new char[kBlockSize]);
    std::memset(block.get(), 0x5a, kBlockSize);
    return block;
}

TEST(ResourceMeter, SeesLeakedRegistryHandles)
{
    std::vector<HKEY> leaked;
    leaked.reserve(kCycles);
    const ResourceTrend trend = Soak(kCycles, 5, [&](int) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key) == ERROR_SUCCESS)
            leaked.push_back(key);
    });
    for (HKEY key : leaked)
        RegCloseKey(key);
    ASSERT_EQ(static_cast<std::size_t>(kCycles), leaked.size());
    std::printf("[ soak     ] %s\n", trend.Describe("100 leaked keys").c_str());
    // Of the 100 leaked handles, about 70 lie between the early and the late samples.
    EXPECT_GE(trend.Growth(&ResourceSample::handles), 50) << trend.Describe("100 leaked keys");
    EXPECT_GE(trend.Last().handles - trend.First().handles, kCycles) << trend.Describe("100 leaked keys");
}

TEST(ResourceMeter, SeesLeakedMemory)
{
    std::vector<std::unique_ptr<char[]>> leaked;
    leaked.reserve(kCycles);
    const ResourceTrend trend = Soak(kCycles, 5, [&](int) { leaked.push_back(TouchedBlock()); });
    std::printf("[ soak     ] %s\n", trend.Describe("10 MB leaked").c_str());
    // 10 MB in all, about 7 MB of it between the early and the late samples.
    EXPECT_GE(trend.Growth(&ResourceSample::workingSet), 5 << 20) << trend.Describe("10 MB leaked");
    EXPECT_GE(trend.Growth(&ResourceSample::privateBytes), 5 << 20) << trend.Describe("10 MB leaked");
}

TEST(ResourceMeter, SeesNoGrowthWhenAllIsGivenBack)
{
    const ResourceTrend trend = Soak(kCycles, 5, [&](int) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key) == ERROR_SUCCESS)
            RegCloseKey(key);
        g_sink = TouchedBlock()[kBlockSize / 2];
    });
    ExpectNoGrowth(trend, "keys and memory given back");
}

}  // namespace
