#include "process/BaseName.h"

const char* BaseNameOf(const char* path)
{
    if (!path)
        return "";
    const char* base = path;
    for (const char* c = path; *c != '\0'; ++c) {
        if (*c == '\\')
            base = c + 1;
    }
    return base;
}
