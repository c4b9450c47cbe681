// Typed lookup of a function that a library exports by name.
#pragma once

#include <windows.h>

// Null when the library lacks the function.
template <class Function>
Function LibraryFunction(HMODULE library, const char* name)
{
    // Through the generic function type: the exported address carries no type of its own.
    using AnyFunction = void (*)();
    return reinterpret_cast<Function>(reinterpret_cast<AnyFunction>(GetProcAddress(library, name)));
}

// A module handle as the 32-bit module value of an entry; 64-bit handles are cut.
inline DWORD ModuleValue(HMODULE module)
{
    return static_cast<DWORD>(reinterpret_cast<UINT_PTR>(module));
}
