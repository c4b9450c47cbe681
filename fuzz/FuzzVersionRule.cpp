// IsVersionAtLeast against a re-statement of the rule on C strings with the
// reference atoi. The first byte picks the threshold: the program's two (76 and
// 80) or, when its bit 1 is set, any int taken from the next four bytes. The rest,
// up to its first NUL, is the "ProductID" text as the registry read delivers it.
#include "FuzzCheck.h"

#include "app/VersionRule.h"

namespace {

bool ReferenceIsVersionAtLeast(const char* productId, int minorThreshold)
{
    const char* dot = std::strchr(productId, '.');
    if (!dot)
        return false;
    const std::string majorText(productId, dot);
    std::string minorText(dot + 1);
    if (std::strlen(dot + 1) < 2)
        minorText += '0';
    const int major = fuzz::ReferenceToInt(majorText.c_str());
    const int minor = fuzz::ReferenceToInt(minorText.c_str());
    if (major > 9)
        return true;
    return major == 9 && minor >= minorThreshold;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    int threshold = (data[0] & 1) ? 80 : 76;
    size_t offset = 1;
    if ((data[0] & 2) && size >= 5) {
        uint32_t raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        threshold = static_cast<int>(raw);
        offset = 5;
    }
    const auto copy = fuzz::TerminatedCopy(data + offset, size - offset);
    const std::string productId(copy.get());
    fuzz::Require(IsVersionAtLeast(productId, threshold) == ReferenceIsVersionAtLeast(copy.get(), threshold),
                  "IsVersionAtLeast differs from the re-statement");
    return 0;
}
