// BaseNameOf against strrchr: the very same pointer into the path, not just an
// equal text. The path is the input up to its first NUL, in a heap copy of exactly
// its length plus the terminator.
#include "FuzzCheck.h"

#include "process/BaseName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::TerminatedCopy(data, size);
    const char* lastBackslash = std::strrchr(path.get(), '\\');
    const char* expected = lastBackslash ? lastBackslash + 1 : path.get();
    fuzz::Require(BaseNameOf(path.get()) == expected, "BaseNameOf differs from strrchr");
    fuzz::Require(*BaseNameOf(nullptr) == '\0', "BaseNameOf(null) is not empty");
    return 0;
}
