#include "core/fileio.h"
#include "core/profile.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

// What the program asks of the system while a test watches: these definitions take the place of
// the C library's for this test program, write the call down and pass it on.
namespace watch {
bool On = false;
std::vector<std::string> Synced;   // the path behind each descriptor given to fsync
int UmaskCalls = 0;
} // namespace watch

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    if (watch::On) {
        std::error_code ec;
        watch::Synced.push_back(std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string());
    }
    return real(fd);
}

extern "C" mode_t umask(mode_t mask)
{
    static const auto real = reinterpret_cast<mode_t (*)(mode_t)>(::dlsym(RTLD_NEXT, "umask"));
    if (watch::On)
        ++watch::UmaskCalls;
    return real(mask);
}

namespace w4 {
namespace {

// Watches the system calls above for the life of the object.
struct Watching {
    Watching()
    {
        watch::Synced.clear();
        watch::UmaskCalls = 0;
        watch::On = true;
    }
    ~Watching() { watch::On = false; }
};

using test::ReadBytes;
using test::TempFolder;

struct SplitCase {
    const char* Name;
    std::string Bytes;
    std::vector<std::string> Lines;
};

class SplitTextLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLinesTest, SplitsOnEveryLineEnd)
{
    EXPECT_EQ(SplitTextLines(GetParam().Bytes), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitTextLinesTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"LfOnly", "a\nb\n", {"a", "b"}},
        SplitCase{"CrOnly", "a\rb\r", {"a", "b"}},
        SplitCase{"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        SplitCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
        SplitCase{"EmptyLinesKept", "\r\n\r\na\n\nb\r\r", {"", "", "a", "", "b", ""}},
        SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        SplitCase{"NulEndsText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        SplitCase{"NulFirst", std::string("\0abc", 4), {}},
        SplitCase{"HighBytesKept", "\xe9t\xe9\r\n", {"\xe9t\xe9"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ReadTextLines, MissingFolderAndEmptyPathGiveNoLines)
{
    TempFolder folder;
    EXPECT_TRUE(ReadTextLines(folder.File("missing.xsb")).empty());
    EXPECT_TRUE(ReadTextLines(folder.Path.string()).empty());
    EXPECT_TRUE(ReadTextLines("").empty());
    EXPECT_FALSE(FileExists(folder.Path.string()));
    EXPECT_FALSE(FileExists(""));
}

TEST(ReadTextLines, AFilePastTheSizeCapIsRefusedWholeNotReadInPart)
{
    TempFolder folder;
    std::string bytes = "Title: Kept\r\n";
    bytes.append(MaxTextFileBytes - bytes.size() - 2, '#');
    bytes += "\r\n";
    const std::string path = folder.Write("huge.xsb", bytes);
    const std::vector<std::string> lines = ReadTextLines(path);   // exactly at the cap: read whole
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Title: Kept");
    folder.Write("huge.xsb", bytes + "Title: Beyond\r\n");
    EXPECT_TRUE(ReadTextLines(path).empty());
    const TextFileBytes refused = ReadWholeTextFile(path);
    EXPECT_EQ(refused.State, TextFileBytes::Outcome::TooLarge);
    EXPECT_EQ(refused.Size, MaxTextFileBytes + 15);
}

TEST(WriteTextLines, WritesCrLfAfterEveryLineAndReadsBack)
{
    TempFolder folder;
    const std::string path = folder.File("out.txt");
    WriteTextLines(path, {"one", "", "three"});
    EXPECT_EQ(ReadBytes(path), "one\r\n\r\nthree\r\n");
    EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"one", "", "three"}));
}

TEST(WriteFileAtomically, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder.Write("out.txt", "old contents that are longer");
    WriteFileAtomically(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(WriteFileAtomically, KeepsTheModeOfTheFileItReplaces)
{
    TempFolder folder;
    const std::string path = folder.Write("out.txt", "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    WriteFileAtomically(path, "new");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink)
{
    TempFolder folder;
    const std::string real = folder.Write("real.xsb", "old");
    const std::string link = folder.File("link.xsb");
    std::filesystem::create_symlink(real, link);
    WriteFileAtomically(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new");
}

TEST(WriteFileAtomically, FailureNamesTheFile)
{
    TempFolder folder;
    const std::string path = folder.File("no-such-folder/out.txt");
    try {
        WriteFileAtomically(path, "data");
        FAIL() << "a write into a missing folder succeeded";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

TEST(WriteFileAtomically, FailureOverAFolderLeavesItAndNoTemporaryFile)
{
    TempFolder folder;
    const std::string target = folder.File("target");
    std::filesystem::create_directory(target);
    folder.Write("target/inside.txt", "kept");
    EXPECT_THROW(WriteFileAtomically(target, "data"), FileError);
    EXPECT_EQ(ReadBytes(folder.File("target/inside.txt")), "kept");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path))
        ++entries;
    EXPECT_EQ(entries, 1);
}

// A power cut after the write must find the new file: its bytes are synced before the rename, and
// the folder after it, as the new name lives in the folder.
TEST(WriteFileAtomically, SyncsTheFileThenItsFolder)
{
    TempFolder folder;
    const std::string path = folder.Write("out.txt", "old");
    const std::filesystem::path real = std::filesystem::canonical(folder.Path);
    {
        const Watching watching;
        WriteFileAtomically(path, "new");
    }
    ASSERT_EQ(watch::Synced.size(), 2u);
    EXPECT_EQ(std::filesystem::path(watch::Synced[0]).parent_path(), real) << watch::Synced[0];
    EXPECT_EQ(watch::Synced[1], real.string());
    EXPECT_EQ(ReadBytes(path), "new");
}

// Reading the umask means setting it; while it is 0, files made by other threads get the wrong mode.
TEST(WriteFileAtomically, GivesANewFileTheUmasksModeWithoutTouchingTheUmask)
{
    TempFolder folder;
    const std::string path = folder.File("new.xsb");
    {
        const Watching watching;
        WriteFileAtomically(path, "new");
    }
    EXPECT_EQ(watch::UmaskCalls, 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

// The file system allows names of 255 bytes; the temporary file must not need more.
TEST(WriteFileAtomically, WritesAndReplacesFilesWithTheLongestNames)
{
    TempFolder folder;
    for (const std::size_t length : {247u, 248u, 255u}) {
        SCOPED_TRACE(length);
        const std::string path = folder.File(std::string(length - 4, 'n') + ".xsb");
        WriteFileAtomically(path, "first");
        WriteFileAtomically(path, "second");
        EXPECT_EQ(ReadBytes(path), "second");
    }
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path))
        ++files;
    EXPECT_EQ(files, 3);
}

// Every writer goes through the atomic replace, which needs only a writable folder; a file the
// user made read-only (0444, which even the superuser's tests must respect) is refused with an
// error naming it, and the old contents stay.
TEST(WriteFileAtomically, RefusesAReadOnlyFileForEveryWriter)
{
    struct Writer {
        const char* Name;
        std::function<void(const std::string&)> Write;
    };
    GameState level;
    level.LevelWidth = 3;
    level.LevelHeight = 1;
    level.SnapshotHistory.resize(1);
    const std::vector<Writer> writers = {
        {"bytes", [](const std::string& path) { WriteFileAtomically(path, "new"); }},
        {"level", [&](const std::string& path) { WriteLevelFile(level, path); }},
        {"solution", [](const std::string& path) { WriteSolutionFile(path, "rrU"); }},
        {"playlist", [](const std::string& path) {
             GameState g;
             g.ProgramFolder = std::filesystem::path(path).parent_path();
             g.Playlist = {"a.xsb"};
             WritePlaylistFile(g);
         }},
        {"settings", [](const std::string& path) {
             ProfileFile ini(path);
             ini.WriteInteger("LEVEL", "Index", 4);
             ini.Save();
         }},
    };
    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.Name);
        TempFolder folder;
        const std::string path = folder.Write("boxyard4.lev", "old\r\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
        try {
            writer.Write(path);
            ADD_FAILURE() << "a read-only file was replaced";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadBytes(path), "old\r\n");
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path))
            ++entries;
        EXPECT_EQ(entries, 1);
        // A file with a write bit for its owner is replaced as before.
        std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        writer.Write(path);
        EXPECT_NE(ReadBytes(path), "old\r\n");
    }
}

} // namespace
} // namespace w4
