// How registry string data turns into text. Platform-free: it also builds natively.
#pragma once

#include <cstddef>
#include <string>

namespace registry {

// The text of REG_SZ data: the bytes up to the first NUL, or all of them when the
// data carries no terminator. Never reads past `size` bytes.
std::string TextFromValueData(const char* data, std::size_t size);

// The REG_SZ form of a flag: "off" in any letter case, or exactly "0", is false;
// every other text, the empty one included, is true.
bool FlagFromText(const std::string& text);

}  // namespace registry
