#include "tests/support/Screenshot.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::string& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& png, const char* type, const std::string& data)
{
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    png += body;
    PutBigEndian(png, Crc32(body));
}

// zlib data made of uncompressed deflate blocks: simple, and the picture is small.
std::string StoredZlib(const std::string& raw)
{
    std::string out = "\x78\x01";
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at < raw.size(); at += 65535) {
        const size_t length = std::min<size_t>(65535, raw.size() - at);
        out += static_cast<char>(at + length >= raw.size() ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, at, length);
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

bool WritePng(const char* path, int width, int height, const std::string& rgbRows)
{
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(rgbRows));
    PutChunk(png, "IEND", "");
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool SaveWindowPng(HWND window, const char* path)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC windowDc = GetWindowDC(window);
    const HDC memoryDc = CreateCompatibleDC(windowDc);
    const HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        const HGDIOBJ old = SelectObject(memoryDc, bitmap);
        copied = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != FALSE;
        SelectObject(memoryDc, old);
    }
    std::string rows;
    if (copied) {
        const auto* pixels = static_cast<const unsigned char*>(bits);
        for (int y = 0; y < height; ++y) {
            rows += '\0';  // no filter
            for (int x = 0; x < width; ++x) {
                const unsigned char* bgra = pixels + 4 * (static_cast<size_t>(y) * width + x);
                rows += static_cast<char>(bgra[2]);
                rows += static_cast<char>(bgra[1]);
                rows += static_cast<char>(bgra[0]);
            }
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return copied && WritePng(path, width, height, rows);
}
