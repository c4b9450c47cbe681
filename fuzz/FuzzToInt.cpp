// text::ToInt against strtoll clamped to the int range.
#include "FuzzCheck.h"

#include "common/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto text = fuzz::TerminatedCopy(data, size);
    fuzz::Require(text::ToInt(text.get()) == fuzz::ReferenceToInt(text.get()), "ToInt differs from clamped strtoll");
    return 0;
}
