#include "app/VersionRule.h"

#include "common/Text.h"

bool IsVersionAtLeast(const std::string& productId, int minorThreshold)
{
    const std::string::size_type dot = productId.find('.');
    if (dot == std::string::npos)
        return false;
    const int major = text::ToInt(productId.substr(0, dot).c_str());
    std::string minorText = productId.substr(dot + 1);
    if (minorText.size() < 2)
        minorText += "0";
    const int minor = text::ToInt(minorText.c_str());
    return major > 9 || (major == 9 && minor >= minorThreshold);
}
