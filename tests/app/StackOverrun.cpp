// Overruns a stack buffer with its argument; without one, ends with its stack guard (the low 32 bits) as exit code.
#include <cstdint>
#include <cstring>

extern "C" uintptr_t __stack_chk_guard;  // NOLINT(bugprone-reserved-identifier): the compiler's name

__attribute__((noinline)) int Overrun(const char* text)
{
    char buffer[16];
    strcpy(buffer, text);
    return buffer[0];
}

int main(int argc, char** argv)
{
    return argc > 1 ? Overrun(argv[1]) : static_cast<int>(__stack_chk_guard);
}
