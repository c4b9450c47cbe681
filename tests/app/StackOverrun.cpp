// Overruns a stack buffer with its argument; with "guard", ends with its stack guard as its exit code instead.
#include <windows.h>

#include <cstdint>
#include <cstring>

extern "C" uintptr_t __stack_chk_guard;  // NOLINT(bugprone-reserved-identifier): the compiler's name

__attribute__((noinline)) int Overrun(const char* text)
{
    char buffer[16];
    strcpy(buffer, text);
    return buffer[0];
}

// An exception that nothing handles ends the process with its code, where the system would start a debugger.
LONG WINAPI EndWithTheException(EXCEPTION_POINTERS* exception)
{
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_CONTINUE_SEARCH;
}

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(EndWithTheException);
    if (argc > 1 && strcmp(argv[1], "guard") == 0)
        return static_cast<int>(__stack_chk_guard);
    return argc > 1 ? Overrun(argv[1]) : 0;
}
