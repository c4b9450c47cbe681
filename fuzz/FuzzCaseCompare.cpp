// text::EqualsIgnoreCase against a length check and a fold-A-Z loop.
// The first byte picks how the second text is made: odd means "the first text
// with bit 0x20 flipped where the mask bytes say", so that texts equal but for
// case (and texts that only look so, like '@' and '`') come up often.
#include "FuzzCheck.h"

#include "common/Text.h"

namespace {

bool ReferenceEquals(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (fuzz::ReferenceFold(a[i]) != fuzz::ReferenceFold(b[i]))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool flipCase = data[0] & 1;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string::size_type nul = rest.find('\0');
    const std::string first = rest.substr(0, nul);
    std::string second = nul == std::string::npos ? std::string() : rest.substr(nul + 1);
    if (flipCase) {
        const std::string mask = second;
        second = first;
        for (size_t i = 0; i < second.size() && !mask.empty(); ++i) {
            if (mask[i % mask.size()] & 1)
                second[i] = static_cast<char>(second[i] ^ 0x20);
        }
    }
    second = second.substr(0, second.find('\0'));

    const auto a = fuzz::TerminatedCopy(first);
    const auto b = fuzz::TerminatedCopy(second);
    const bool expected = ReferenceEquals(first, second);
    fuzz::Require(text::EqualsIgnoreCase(a.get(), b.get()) == expected, "EqualsIgnoreCase(a, b) differs");
    fuzz::Require(text::EqualsIgnoreCase(b.get(), a.get()) == expected, "EqualsIgnoreCase(b, a) differs");
    const auto aAgain = fuzz::TerminatedCopy(first);
    fuzz::Require(text::EqualsIgnoreCase(a.get(), aAgain.get()), "EqualsIgnoreCase(a, a) is false");
    return 0;
}
