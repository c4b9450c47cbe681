// Takes process snapshots and tells how long each Refresh took. It links the process
// list as the product does, so that its imports can be checked, and serves to time
// the back-ends: process_probe [rounds]
#include <cstdio>
#include <cstdlib>

#include "process/ProcessList.h"
#include "process/PsapiEnumerator.h"

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    for (int round = 0; round < rounds; ++round) {
        ProcessList list;
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        const int result = list.Refresh();
        QueryPerformanceCounter(&end);
        const char* backEnd = !list.Enumerator()                                        ? "none"
                              : dynamic_cast<const PsapiEnumerator*>(list.Enumerator()) ? "psapi"
                                                                                        : "toolhelp";
        std::printf("%s: Refresh %d, %lu processes, %.2f ms\n", backEnd, result, list.Count(),
                    1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    return 0;
}
