// Feeds arbitrary bytes to the profile reader, then reads and rewrites through it.
#include "core/profile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto ini = w4::ProfileFile::FromText(text);
    // Section and key names taken from the input itself reach the matching paths.
    const std::string_view section = text.substr(0, size % 7);
    const std::string_view key = text.substr(size / 2, 5);
    (void)ini.ReadString(section, key, "d");
    (void)ini.ReadInteger(section, key, 16);
    (void)ini.ReadBool("CONFIG", "walls", false);
    (void)ini.ReadInteger("MAINFORM", "Mode", 1);
    ini.WriteInteger(section, key, 42);
    ini.WriteString("MAPPING", "box1", text.substr(0, 40));
    // A written value reads back as written: the write can never split the file's structure.
    if (ini.ReadInteger(section, key, 0) != 42 && !section.empty() && section.find_first_of("[]\r\n\0", 0, 5) == std::string_view::npos &&
        key.find_first_of("=;[\r\n\0 \t\"'", 0, 11) == std::string_view::npos && !key.empty())
        __builtin_trap();
    (void)ini.Text();
    return 0;
}
