// The stack protector's guard and its failure handler, for a program built with
// -fstack-protector-strong. GCC's own support library seeds the guard through the system's
// crypto provider, which costs a program under Wine tens of milliseconds at every start;
// this seeds it from what differs from process to process and costs nothing: the time, the
// process and thread ids and the performance counter. A failed check ends the process at
// once, without raising an exception: no handler runs on a stack that is known to be broken.
#include <windows.h>

#include <cstdint>

extern "C" {

uintptr_t __stack_chk_guard = 0;  // NOLINT(bugprone-reserved-identifier): the compiler's name

[[noreturn]] void __stack_chk_fail()  // NOLINT(bugprone-reserved-identifier): the compiler's name
{
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(STATUS_STACK_BUFFER_OVERRUN));
    __builtin_trap();  // not reached: a process that terminates itself does not return
}
}

namespace {

// Runs before every other constructor, while no protected function is on the stack yet, and
// is itself unprotected: it changes the guard that a protected frame would check on return.
__attribute__((constructor(101), no_stack_protector)) void SeedStackGuard()
{
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    uint64_t seed = (static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) ^
                    static_cast<uint64_t>(counter.QuadPart) ^
                    static_cast<uint64_t>(GetCurrentProcessId()) << 32 ^ GetCurrentThreadId();
    seed ^= seed >> 32;  // a 32-bit guard keeps the low half: every source counts in it
    const auto guard = static_cast<uintptr_t>(seed);
    __stack_chk_guard = guard != 0 ? guard : 0x2B992DDF;
}

}  // namespace
