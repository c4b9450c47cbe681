#include "registry/ValueText.h"

#include <cstring>

#include "common/Text.h"

namespace registry {

std::string TextFromValueData(const char* data, std::size_t size)
{
    if (!data || size == 0)
        return std::string();
    const void* nul = std::memchr(data, '\0', size);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - data) : size;
    return std::string(data, length);
}

bool FlagFromText(const std::string& text)
{
    const bool isOff = text.size() == 3 && text::EqualsIgnoreCase(text.c_str(), "off");
    return !(isOff || text == "0");
}

}  // namespace registry
