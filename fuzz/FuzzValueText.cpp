// registry::TextFromValueData against strnlen on an exactly-sized, unterminated
// copy of the input, and registry::FlagFromText against a lower-casing re-statement,
// both on the text a registry read yields and on the raw bytes.
#include "FuzzCheck.h"

#include "registry/ValueText.h"

namespace {

bool ReferenceFlag(const std::string& text)
{
    std::string lower;
    for (char c : text)
        lower += fuzz::ReferenceFold(c);
    return !(lower == "off" || text == "0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = fuzz::ExactCopy(data, size);
    const std::string valueText = registry::TextFromValueData(bytes.get(), size);
    fuzz::Require(valueText == std::string(bytes.get(), strnlen(bytes.get(), size)),
                  "TextFromValueData differs from strnlen");
    fuzz::Require(registry::FlagFromText(valueText) == ReferenceFlag(valueText), "FlagFromText differs (value text)");

    const std::string raw(reinterpret_cast<const char*>(data), size);
    fuzz::Require(registry::FlagFromText(raw) == ReferenceFlag(raw), "FlagFromText differs (raw bytes)");
    return 0;
}
