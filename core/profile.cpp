#include "core/profile.h"

#include "core/fileio.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

namespace w4 {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The name of a section header line, or nullopt for any other line. A header without its
// closing bracket still opens a section, as Windows reads it.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    if (close != std::string_view::npos)
        line = line.substr(0, close);
    return Trim(line);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// A "key=value" line; comments (';') and lines without '=' are not keys.
std::optional<KeyLine> SplitKeyLine(std::string_view line)
{
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[')
        return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string Sanitized(std::string_view value)
{
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

} // namespace

std::optional<std::int32_t> ParseProfileInteger(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    // Hexadecimal covers all 32 bits, so colours such as $FFFFFFFF read back as written;
    // decimal must fit a signed 32-bit value.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = hex ? HexDigit(c) : ((c >= '0' && c <= '9') ? c - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16u : 10u) + static_cast<unsigned>(digit);
        if (value > limit)
            return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

ProfileFile::ProfileFile(std::string path)
    : path_(std::move(path))
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path_, ec))
        return;
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Parse(text);
}

ProfileFile ProfileFile::FromText(std::string_view text, std::string path)
{
    ProfileFile profile;
    profile.path_ = std::move(path);
    profile.Parse(text);
    return profile;
}

void ProfileFile::Parse(std::string_view text)
{
    // A NUL ends the text, as for every other text file the program reads.
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (text.substr(0, Utf8Bom.size()) == Utf8Bom) {
        bom_ = true;
        text.remove_prefix(Utf8Bom.size());
    }
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            break;
        }
        lines_.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

std::optional<std::size_t> ProfileFile::FindKeyLine(std::string_view section, std::string_view key) const
{
    const auto wantedKey = Trim(key);
    const auto wantedSection = Trim(section);
    bool inSection = false;
    bool sectionSeen = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            // Only the first section of a name counts, as on Windows.
            if (inSection)
                return std::nullopt;
            inSection = !sectionSeen && SameName(*name, wantedSection);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = SplitKeyLine(lines_[i]); kv && SameName(kv->key, wantedKey))
            return i;
    }
    return std::nullopt;
}

bool ProfileFile::SectionExists(std::string_view section) const
{
    for (const auto& line : lines_)
        if (const auto name = SectionName(line); name && SameName(*name, Trim(section)))
            return true;
    return false;
}

bool ProfileFile::ValueExists(std::string_view section, std::string_view key) const
{
    return FindKeyLine(section, key).has_value();
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    const auto index = FindKeyLine(section, key);
    if (!index)
        return std::string(fallback);
    auto value = SplitKeyLine(lines_[*index])->value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    const auto index = FindKeyLine(section, key);
    if (!index)
        return fallback;
    return ParseProfileInteger(SplitKeyLine(lines_[*index])->value).value_or(fallback);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string line = std::string(Trim(key)) + "=" + Sanitized(value);
    if (const auto index = FindKeyLine(section, key)) {
        // Keep the key as the file spells it, so a hand-edited file changes only in the value.
        const auto existingKey = SplitKeyLine(lines_[*index])->key;
        lines_[*index] = std::string(existingKey) + "=" + Sanitized(value);
        return;
    }

    // Find the first section of that name and the end of its last non-blank line.
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            if (inSection)
                break;
            if (SameName(*name, Trim(section))) {
                inSection = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (inSection && !Trim(lines_[i]).empty())
            insertAt = i + 1;
    }
    if (insertAt) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), line);
        return;
    }

    if (!lines_.empty() && !Trim(lines_.back()).empty())
        lines_.emplace_back();
    std::string header(1, '[');
    header += Trim(section);
    header += ']';
    lines_.push_back(std::move(header));
    lines_.push_back(line);
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

std::string ProfileFile::Text() const
{
    std::string text = bom_ ? std::string(Utf8Bom) : std::string();
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void ProfileFile::Save() const
{
    WriteFileAtomically(path_, Text());
}

} // namespace w4
