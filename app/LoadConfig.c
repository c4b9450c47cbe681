/* The program's load configuration directory, which the linker finds by this name. It tells
   the loader where the stack guard is (StackGuard.cpp), so that the loader replaces the
   guard's default value with a random one before the program's first instruction. Every
   other field is zero: the platform's defaults. Written in C for its designated initialisers:
   the structure has more fields with each release of the platform's headers. */
#include <windows.h>

#include <stdint.h>

extern uintptr_t __stack_chk_guard;

const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = {
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY),
    .SecurityCookie = (uintptr_t)&__stack_chk_guard,
};
