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

// Text files (levels, solutions, playlists, snapshots) are read whole up to this size; a larger
// one is refused whole rather than read in part, as a cut could fall anywhere.
constexpr std::size_t MaxTextFileBytes = 16u * 1024u * 1024u;
// Whether the file is larger than that, so a level is refused rather than read in part.
bool LargerThanTextCap(const std::string& path, std::uintmax_t& bytes);
// A size for messages in the language in force: "17.0 MiB", in French "17,0 Mio".
std::string MebibytesText(std::uintmax_t bytes);
// The sentence, already looked up, with %1 the path, %2 the file's size and %3 the cap: "The file
// %1 is %2, more than a playlist may hold (%3): it was not read."
std::string RefusedTextFileText(const std::string& sentence, const std::string& path, std::uintmax_t bytes,
                                std::uintmax_t cap = MaxTextFileBytes);

// The bytes of a whole file, as they lie on disk: nothing more is done to them.
struct TextFileBytes {
    enum class Outcome { Read, Missing, TooLarge, Unreadable };
    Outcome State = Outcome::Missing;
    std::string Bytes;           // the whole file when Read, else empty
    std::uintmax_t Size = 0;     // the file's size when TooLarge
    std::string Error;           // why it could not be read, when Unreadable
};
// Reads a regular file whole, or refuses it whole when it holds more than `maxBytes` (also when
// it grows past that while being read). A missing path or a non-regular file is Missing.
TextFileBytes ReadWholeTextFile(const std::string& path, std::size_t maxBytes = MaxTextFileBytes);

// Lines of a text file: CR LF, LF or CR end a line, a NUL ends the text, the last line needs no
// end, a UTF-8 byte-order mark at the start is skipped. A missing, unreadable or non-regular file
// gives no lines, and so does a file larger than MaxTextFileBytes (refused whole, never in part).
std::vector<std::string> ReadTextLines(const std::string& path);
std::vector<std::string> SplitTextLines(const std::string& bytes);

// Writes each line followed by CR LF, replacing the file atomically. Throws FileError.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
void WriteFileAtomically(const std::string& path, const std::string& bytes);
// Renames `from` to `to` when no file is at `to`, and syncs the folder; false, leaving both as they
// are, when `to` exists. Any other failure throws FileError naming `from`.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);
// Removes the file when it is there. A file the user made read-only stays, as it would for a
// write; that, or any other failure, throws FileError naming the file.
void RemoveFile(const std::string& path);

} // namespace w4
