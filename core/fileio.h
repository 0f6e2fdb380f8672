#pragma once
// Byte-exact text files: any line end read, CR LF written, every write through a temporary
// file in the same folder renamed over the target, so a failed write leaves the old file intact;
// the file and then its folder are synced, so the new file survives a power cut.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace w4 {

// A file that could not be written; the text names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool FileExists(const std::string& path);           // a regular file (not a folder)

// Text files are read up to this size; anything beyond is treated as absent.
constexpr std::size_t MaxTextFileBytes = 16u * 1024u * 1024u;
// Whether the file is larger than that, so a level is refused rather than read in part.
bool LargerThanTextCap(const std::string& path, std::uintmax_t& bytes);
// A size for messages: "17.0 MiB", in French "17,0 Mio".
std::string MebibytesText(std::uintmax_t bytes, bool french);

// Lines of a text file: CR LF, LF or CR end a line, a NUL ends the text, the last line needs no
// end, a UTF-8 byte-order mark at the start is skipped. A missing, unreadable or non-regular file
// gives no lines.
std::vector<std::string> ReadTextLines(const std::string& path);
std::vector<std::string> SplitTextLines(const std::string& bytes);

// Writes each line followed by CR LF, replacing the file atomically. Throws FileError.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
void WriteFileAtomically(const std::string& path, const std::string& bytes);
// Removes the file when it is there. A file the user made read-only stays, as it would for a
// write; that, or any other failure, throws FileError naming the file.
void RemoveFile(const std::string& path);

} // namespace w4
