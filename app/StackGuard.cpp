// The stack protector's guard and its failure handler, for a program built with
// -fstack-protector-strong.
//
// The load configuration (LoadConfig.c) tells the loader where the guard is. The guard starts at
// the platform's default value, which the loader replaces with a random one before the program's
// first instruction. On a loader that does not know the field, the guard still holds the
// default when the program starts, and a constructor seeds it from the system's random source
// (RtlGenRandom, without the crypto provider's start-up cost). A failed check ends the process
// at once: through the platform's fail-fast, which no exception handler sees, where the
// processor and system offer it, else by terminating the process. No handler runs on a stack
// that is known to be broken.
#include <windows.h>
#include <ntsecapi.h>

#include <cstdint>

namespace {

// The platform's default guard, which the loader replaces.
#ifdef _WIN64
constexpr uintptr_t kDefaultGuard = 0x00002B992DDFA232;
#else
constexpr uintptr_t kDefaultGuard = 0xBB40E64E;
#endif

}  // namespace

extern "C" {

// NOLINTNEXTLINE(bugprone-reserved-identifier): the compiler's name
uintptr_t __stack_chk_guard = kDefaultGuard;

// NOLINTNEXTLINE(bugprone-reserved-identifier): the compiler's name
[[noreturn]] __attribute__((no_stack_protector)) void __stack_chk_fail()
{
    // __fastfail(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE), which the platform's headers lack
    if (IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE))
        __asm__ volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE) : "memory");
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(STATUS_STACK_BUFFER_OVERRUN));
    __builtin_trap();  // not reached: a process that terminates itself does not return
}
}

namespace {

// What differs from process to process, for a system without RtlGenRandom: the time, the
// process and thread ids and the performance counter, folded so that a 32-bit guard keeps
// every source.
__attribute__((no_stack_protector)) uintptr_t GuardFromTheClock()
{
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    uint64_t seed = (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
                    static_cast<uint64_t>(counter.QuadPart) ^
                    static_cast<uint64_t>(GetCurrentProcessId()) << 32 ^ GetCurrentThreadId();
    seed ^= seed >> 32;
    return static_cast<uintptr_t>(seed);
}

// Runs before every other constructor, while no protected function is on the stack yet, and
// is itself unprotected: it changes the guard that a protected frame would check on return.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    if (__stack_chk_guard != kDefaultGuard)
        return;  // the loader has seeded it
    uintptr_t guard = 0;
    if (!RtlGenRandom(&guard, sizeof(guard)))
        guard = GuardFromTheClock();
    __stack_chk_guard = guard != 0 && guard != kDefaultGuard ? guard : kDefaultGuard ^ 0x5A5A5A5A;
}

}  // namespace
