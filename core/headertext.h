#pragma once
// Header values keep the bytes they were read with. Older level files carry Windows-1252 text,
// newer ones UTF-8; a value is shown as UTF-8 when it is valid UTF-8 and as Windows-1252
// otherwise, and an edited value is written back in the encoding it came in.

#include <optional>
#include <string>
#include <string_view>

namespace w4 {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Every byte maps to one character. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same number so that no byte is ever lost.
std::string Windows1252ToUtf8(std::string_view bytes);

// The inverse of Windows1252ToUtf8; nothing when the text is not valid UTF-8 or holds a
// character Windows-1252 cannot express.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// The stored bytes of a header value as UTF-8 text for display.
std::string DecodeHeaderValue(std::string_view bytes);

// The bytes to store for the display text `utf8` of a value whose stored bytes were `original`.
// Windows-1252 values stay Windows-1252 unless the new text cannot be written that way, or would
// read back as different text; then UTF-8 is stored, which reads back as exactly `utf8`.
// DecodeHeaderValue(EncodeHeaderValue(t, o)) == t for every valid UTF-8 t, and
// EncodeHeaderValue(DecodeHeaderValue(o), o) == o for every o.
std::string EncodeHeaderValue(std::string_view utf8, std::string_view original);

} // namespace w4
