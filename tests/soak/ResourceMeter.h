// What this process holds, sampled along a soak, and whether it kept growing.
// Under Wine the usual counters (GetProcessHandleCount, GetGuiResources, PrivateUsage)
// read 0, so the handles come from the system's handle table, the heap from this program's
// own allocations and the other memory from a walk over the committed private pages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ResourceSample {
    long long handles = 0;       // kernel handles this process holds
    long long heapBytes = 0;     // bytes that this program's code holds from operator new
    long long privateBytes = 0;  // bytes committed as private memory
};

ResourceSample TakeSample();

// Growth allowed between the early and the late samples of a soak: a few handles and some
// memory come and go with the platform's own caches; the heap comes back to the byte.
struct Tolerance {
    long long handles = 3;
    long long heapBytes = 1 << 10;
    long long privateBytes = 1 << 20;
};

class ResourceTrend {
public:
    // Room for all the samples up front: the trend's own storage stays out of the heap it measures.
    explicit ResourceTrend(std::size_t samples) { m_samples.reserve(samples); }
    void Add(const ResourceSample& sample) { m_samples.push_back(sample); }

    const ResourceSample& First() const { return m_samples.front(); }
    const ResourceSample& Last() const { return m_samples.back(); }

    // The median of the last fifth of the samples minus that of the first fifth after
    // the warm-up (the first tenth of the samples, which is left out).
    using Measure = long long ResourceSample::*;
    long long Growth(Measure measure) const;

    // One line for the log: start, end and growth of each measure.
    std::string Describe(const char* soak) const;
    // Every sample, one a line, for a soak that failed.
    std::string Series() const;

private:
    std::vector<ResourceSample> m_samples;
};

// Runs `cycles` cycles, sampling before the first and after every `every` cycles.
template <class Cycle>
ResourceTrend Soak(int cycles, int every, Cycle cycle)
{
    ResourceTrend trend(cycles / every + 1);
    trend.Add(TakeSample());
    for (int i = 0; i < cycles; ++i) {
        cycle(i);
        if ((i + 1) % every == 0)
            trend.Add(TakeSample());
    }
    return trend;
}

// Fails the test when a measure grew past its tolerance, and logs the numbers.
void ExpectNoGrowth(const ResourceTrend& trend, const char* soak, const Tolerance& tolerance = Tolerance());
