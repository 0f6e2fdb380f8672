#include "core/headertext.h"

#include <array>
#include <cstdint>

namespace w4 {

namespace {

// Code points of bytes 0x80..0x9F; the rest of Windows-1252 equals Latin-1.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the code point at `pos` and advances past it; nothing on any malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length;
    char32_t c;
    char32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - pos < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return c;
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t pos = 0; pos < bytes.size();)
        if (!NextCodePoint(bytes, pos))
            return false;
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        AppendUtf8(out, b >= 0x80 && b <= 0x9F ? HighControls[b - 0x80] : char32_t{b});
    }
    return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = NextCodePoint(utf8, pos);
        if (!c)
            return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            out += static_cast<char>(*c);
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < HighControls.size() && !found; ++i) {
            if (HighControls[i] == *c) {
                out += static_cast<char>(0x80 + i);
                found = true;
            }
        }
        if (!found)
            return std::nullopt;
    }
    return out;
}

std::string DecodeHeaderValue(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
}

std::string EncodeHeaderValue(std::string_view utf8, std::string_view original)
{
    if (!IsValidUtf8(original)) {
        // Keep Windows-1252 only where it reads back as the same text: a value that happens to
        // be valid UTF-8 in Windows-1252 bytes (say "Ã©") would be shown as something else.
        if (const auto legacy = Utf8ToWindows1252(utf8); legacy && DecodeHeaderValue(*legacy) == utf8)
            return *legacy;
    }
    return std::string(utf8);
}

} // namespace w4
