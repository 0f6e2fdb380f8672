#include "core/fileio.h"
#include "core/text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include <climits>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace w4 {

namespace {

[[noreturn]] void ThrowWriteError(const std::string& path, int error)
{
    throw FileError("Cannot write file \"" + path + "\": " + std::strerror(error));
}

// The umask can only be read by setting it, and while it is 0 every file another thread creates
// gets a wrong mode. So it is read once, while the program starts and still runs on one thread.
const mode_t StartupUmask = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}();

// The mode a new file would get from open(2) with 0666, so that the temporary file (which
// mkstemp creates as 0600) does not leave a fresh level file readable by its owner alone.
mode_t DefaultFileMode()
{
    return static_cast<mode_t>(0666 & ~StartupUmask);
}

// After the rename the new name lives in the folder's entries: without syncing the folder too, a
// power cut could bring back the old file, or none. A file system that cannot sync a folder
// (EINVAL) has nothing more to give.
int SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
    ::close(fd);
    return error;
}

// A file the user made read-only stays as it is: the rename below only needs a writable folder,
// so the file's own permission is checked first. The superuser may write anything, so for it only
// a file with no write bit at all counts as read-only.
bool RefusesWrites(const std::string& real, const struct stat& status)
{
    if (::geteuid() == 0)
        return (status.st_mode & 0222) == 0;
    return ::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

} // namespace

bool FileExists(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

std::vector<std::string> SplitTextLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    const std::size_t end = std::min(bytes.find('\0'), bytes.size());
    std::size_t start = 0;
    while (start < end) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n", start), end);
        lines.push_back(bytes.substr(start, stop - start));
        if (stop == end)
            break;   // the last line needs no line end
        // CR LF is one line end; a line end at the very end adds no empty line.
        start = stop + (bytes[stop] == '\r' && stop + 1 < end && bytes[stop + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

TextFileBytes ReadWholeTextFile(const std::string& path, std::size_t maxBytes)
{
    TextFileBytes file;
    if (path.empty())
        return file;
    // Non-blocking, so that a named pipe in the file's place cannot hang the game; it is then
    // no regular file and counts as none.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            file.State = TextFileBytes::Outcome::Unreadable;
            file.Error = std::strerror(errno);
        }
        return file;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return file;
    }
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size > maxBytes) {
        ::close(fd);
        file.State = TextFileBytes::Outcome::TooLarge;
        file.Size = size;
        return file;
    }
    // One byte more than allowed is asked for, so a file that grew meanwhile is still seen whole
    // or refused, never cut.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    for (;;) {
        const std::size_t wanted = std::min(sizeof chunk, maxBytes + 1 - bytes.size());
        const ssize_t n = ::read(fd, chunk, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.State = TextFileBytes::Outcome::Unreadable;
            file.Error = std::strerror(errno);
            ::close(fd);
            return file;
        }
        if (n == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) {
            ::close(fd);
            file.State = TextFileBytes::Outcome::TooLarge;
            file.Size = std::max<std::uintmax_t>(bytes.size(), size);
            return file;
        }
    }
    ::close(fd);
    file.State = TextFileBytes::Outcome::Read;
    file.Bytes = std::move(bytes);
    return file;
}

std::vector<std::string> ReadTextLines(const std::string& path)
{
    // A level, solution or playlist file is a few kilobytes; one past the cap is refused whole, so
    // a huge or endless file cannot exhaust memory and nothing is read in part.
    TextFileBytes file = ReadWholeTextFile(path);
    if (file.State != TextFileBytes::Outcome::Read)
        return {};
    std::string& bytes = file.Bytes;
    // Editors on some systems start a UTF-8 file with a byte-order mark; left in, it would hide
    // the first board row or header line (or playlist entry) behind three stray bytes.
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    return SplitTextLines(bytes);
}

bool LargerThanTextCap(const std::string& path, std::uintmax_t& bytes)
{
    std::error_code error;
    bytes = std::filesystem::file_size(std::filesystem::path(path), error);
    return !error && bytes > MaxTextFileBytes;
}

std::string MebibytesText(std::uintmax_t bytes)
{
    const std::uintmax_t tenths = (bytes * 10 + (std::uintmax_t(1) << 19)) >> 20;
    return FillText(Warehaus4::Tr("%1.%2 MiB"), {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}

std::string RefusedTextFileText(const std::string& sentence, const std::string& path, std::uintmax_t bytes, std::uintmax_t cap)
{
    return FillText(sentence, {path, MebibytesText(bytes), MebibytesText(cap)});
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    WriteFileAtomically(path, bytes);
}

void WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    if (path.empty())
        throw FileError("Cannot write a file without a name");
    std::filesystem::path target(path);
    // Replace the file a symbolic link points at, not the link itself.
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const std::string& real = target.native();
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    struct stat old {};
    const bool exists = ::stat(real.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (exists && RefusesWrites(real, old))
        throw FileError("Cannot write file \"" + path + "\": the file is read-only");

    // The temporary file lives in the target's folder, so the rename never crosses file systems.
    // It carries the target's name when that still fits in a file name, else a short one.
    std::string name = target.filename().string();
    name.insert(0, 1, '.');
    name.append(".XXXXXX");
    if (name.size() > NAME_MAX)
        name = ".warehaus4.XXXXXX";
    std::string temp = (folder / name).string();
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        ThrowWriteError(path, errno);

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        ThrowWriteError(path, error);
    };

    const mode_t mode = exists ? (old.st_mode & 07777) : DefaultFileMode();
    if (::fchmod(fd, mode) != 0)
        fail(errno);

    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        ThrowWriteError(path, error);
    }
    if (::rename(temp.c_str(), real.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        ThrowWriteError(path, error);
    }
    if (const int error = SyncFolder(folder); error != 0)
        ThrowWriteError(path, error);
}

bool RenameWithoutReplacing(const std::string& from, const std::string& to)
{
    // renameat2 refuses atomically when `to` exists; a file system that cannot do that (EINVAL)
    // gets the check and the rename one after the other, which only this program could race.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return false;
        if (errno != EINVAL && errno != ENOSYS)
            throw FileError("Cannot rename file \"" + from + "\": " + std::strerror(errno));
        struct stat status {};
        if (::lstat(to.c_str(), &status) == 0)
            return false;
        if (::rename(from.c_str(), to.c_str()) != 0)
            throw FileError("Cannot rename file \"" + from + "\": " + std::strerror(errno));
    }
    std::filesystem::path folder = std::filesystem::path(to).parent_path();
    if (const int error = SyncFolder(folder.empty() ? "." : folder); error != 0)
        throw FileError("Cannot rename file \"" + from + "\": " + std::strerror(error));
    return true;
}

void RemoveFile(const std::string& path)
{
    struct stat status {};
    if (path.empty() || (::lstat(path.c_str(), &status) != 0 && errno == ENOENT))
        return;
    if (S_ISREG(status.st_mode) && RefusesWrites(path, status))
        throw FileError("Cannot remove file \"" + path + "\": the file is read-only");
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw FileError("Cannot remove file \"" + path + "\": " + std::strerror(errno));
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (const int error = SyncFolder(folder.empty() ? "." : folder); error != 0)
        throw FileError("Cannot remove file \"" + path + "\": " + std::strerror(error));
}

} // namespace w4
