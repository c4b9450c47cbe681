// Helpers shared by the fuzz targets: exactly-sized copies of the fuzzer's bytes
// (so that the address sanitizer sees every read past them), the reference
// conversions the product is checked against, and a check that stops the run.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace fuzz {

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "MISMATCH: %s\n", what);
    std::fflush(stderr);
    __builtin_trap();
}

inline void Require(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

// A heap copy of exactly `size` bytes, with no terminator behind them.
inline std::unique_ptr<char[]> ExactCopy(const uint8_t* data, size_t size)
{
    std::unique_ptr<char[]> copy(new char[size]);
    if (size)
        std::memcpy(copy.get(), data, size);
    return copy;
}

// A heap copy of the bytes with one NUL behind them and nothing more.
inline std::unique_ptr<char[]> TerminatedCopy(const uint8_t* data, size_t size)
{
    std::unique_ptr<char[]> copy(new char[size + 1]);
    if (size)
        std::memcpy(copy.get(), data, size);
    copy[size] = '\0';
    return copy;
}

inline std::unique_ptr<char[]> TerminatedCopy(const std::string& text)
{
    return TerminatedCopy(reinterpret_cast<const uint8_t*>(text.c_str()), text.size());
}

// atoi with saturation, written with the C library: strtoll reads the same white
// space (in the C locale), sign and digits, and saturates at the long long range.
inline int ReferenceToInt(const char* text)
{
    const long long value = std::strtoll(text, nullptr, 10);
    if (value < INT_MIN)
        return INT_MIN;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

inline char ReferenceFold(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace fuzz
