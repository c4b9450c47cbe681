// Overruns a stack buffer with its argument.
#include <cstring>

__attribute__((noinline)) int Overrun(const char* text)
{
    char buffer[16];
    strcpy(buffer, text);
    return buffer[0];
}

int main(int argc, char** argv)
{
    return Overrun(argc > 1 ? argv[1] : "");
}
