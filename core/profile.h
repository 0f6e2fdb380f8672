#pragma once
// INI profile files with the semantics Windows gave them, because the settings file and the
// graphics sets are shared with people who edit them by hand:
// - sections and keys match without regard to ASCII case, and the first match wins;
// - names and values are trimmed of spaces and tabs, and one pair of matching quotes around a
//   value is dropped;
// - integers are decimal, or hexadecimal after "0x", "0X" or "$" (an optional sign first);
//   anything else, an empty value or a value out of range reads as the default;
// - booleans are integers, any non-zero value meaning true, written as 1 or 0;
// - a write keeps every other section, key, comment and stray line where it was;
// - any line end is read, CR LF is written, and the file is replaced atomically.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace w4 {

class ProfileFile {
public:
    // Reads the file; a missing or unreadable file starts empty and is created by Save().
    explicit ProfileFile(std::string path);

    // A profile parsed from text in memory (no file behind it until Save()).
    static ProfileFile FromText(std::string_view text, std::string path = {});

    const std::string& FileName() const { return path_; }

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Values cannot span lines: CR, LF and NUL in a value are written as spaces.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's text as Save() writes it.
    std::string Text() const;

    // Writes the file through a temporary file renamed over it. Throws FileError naming the file.
    void Save() const;

private:
    ProfileFile() = default;
    void Parse(std::string_view text);
    std::optional<std::size_t> FindKeyLine(std::string_view section, std::string_view key) const;

    std::string path_;
    bool bom_ = false;               // a UTF-8 byte-order mark, kept as it was
    std::vector<std::string> lines_; // the file's lines without their line ends
};

// The integer rule of profile files, also useful to other readers: nullopt when not an integer.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

} // namespace w4
