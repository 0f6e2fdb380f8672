#include "core/fileio.h"
#include "core/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

namespace w4 {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("w4-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    static void WriteBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
};

TEST(ProfileInteger, DecimalHexAndGarbage)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"255", 255},
        {"  65535 ", 65535},
        {"-3000", -3000},
        {"+7", 7},
        {"0x10", 16},
        {"0XfF", 255},
        {"$FF", 255},
        {"$00404040", 4210752},
        {"-$10", -16},
        {"$FFFFFFFF", -1},           // colours use all 32 bits
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt}, // out of range is not a number
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"yes", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"0xG1", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInteger(c.text), c.expected) << "text: \"" << c.text << '"';
}

TEST(ProfileFileRead, SectionsAndKeysIgnoreCase)
{
    const auto ini = ProfileFile::FromText("[Config]\nWALLS=1\n  Width = 32  \n[mapping]\nBox1=crate.bmp\n");
    EXPECT_EQ(ini.ReadInteger("CONFIG", "walls", 0), 1);
    EXPECT_EQ(ini.ReadInteger("config", "Width", 16), 32);
    EXPECT_EQ(ini.ReadString("MAPPING", "box1", "box1.bmp"), "crate.bmp");
    EXPECT_TRUE(ini.SectionExists("MaPpInG"));
    EXPECT_TRUE(ini.ValueExists("mapping", "BOX1"));
    EXPECT_FALSE(ini.ValueExists("config", "box1")); // keys belong to their own section
}

TEST(ProfileFileRead, MissingAndInvalidValuesGiveTheDefault)
{
    const auto ini = ProfileFile::FromText("[CONFIG]\nwalls=yes\nWidth=\nHeight=0x20\nempty=\n");
    EXPECT_FALSE(ini.ReadBool("CONFIG", "walls", false)); // "yes" is no integer
    EXPECT_TRUE(ini.ReadBool("CONFIG", "walls", true));
    EXPECT_EQ(ini.ReadInteger("CONFIG", "Width", 16), 16);
    EXPECT_EQ(ini.ReadInteger("CONFIG", "Height", 16), 32);
    EXPECT_EQ(ini.ReadInteger("CONFIG", "Depth", 7), 7);
    EXPECT_EQ(ini.ReadString("NOWHERE", "x", "dflt"), "dflt");
    // A key present with an empty value is an empty string, not the default.
    EXPECT_EQ(ini.ReadString("CONFIG", "empty", "dflt"), "");
}

TEST(ProfileFileRead, BooleansAreIntegers)
{
    const auto ini = ProfileFile::FromText("[S]\na=0\nb=1\nc=-5\nd=$10\ne=true\n");
    EXPECT_FALSE(ini.ReadBool("S", "a", true));
    EXPECT_TRUE(ini.ReadBool("S", "b", false));
    EXPECT_TRUE(ini.ReadBool("S", "c", false));
    EXPECT_TRUE(ini.ReadBool("S", "d", false));
    EXPECT_FALSE(ini.ReadBool("S", "e", false));
}

TEST(ProfileFileRead, AnyLineEndAndFirstMatchWins)
{
    const auto ini = ProfileFile::FromText("[A]\r\nk=1\rk=2\n[B]\r\nk=3\r\n[a]\nk=4\nother=5");
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 3);
    // Only the first section of a name is read.
    EXPECT_EQ(ini.ReadInteger("A", "other", 0), 0);
}

TEST(ProfileFileRead, QuotesCommentsAndKeysBeforeAnySection)
{
    const auto ini = ProfileFile::FromText("orphan=1\n[S]\n;k=9\nq=\"a b\"\ns='x'\nhalf=\"open\nnoequals\n");
    EXPECT_EQ(ini.ReadInteger("", "orphan", 0), 0);
    EXPECT_EQ(ini.ReadInteger("S", ";k", 0), 0);
    EXPECT_EQ(ini.ReadString("S", "q", ""), "a b");
    EXPECT_EQ(ini.ReadString("S", "s", ""), "x");
    EXPECT_EQ(ini.ReadString("S", "half", ""), "\"open");
    EXPECT_FALSE(ini.ValueExists("S", "noequals"));
}

TEST(ProfileFileWrite, ReplacesInPlaceAndKeepsForeignLines)
{
    auto ini = ProfileFile::FromText("; my settings\n[MAINFORM]\nmode=2\nCustom=keep me\n\n[Other]\nx=1\nstray line\n");
    ini.WriteInteger("MainForm", "Mode", 3);
    ini.WriteInteger("MAINFORM", "Speed", 7);
    ini.WriteBool("OTHER", "flag", true);
    ini.WriteString("SOUNDS", "Enabled", "0");
    EXPECT_EQ(ini.Text(), "; my settings\r\n"
                          "[MAINFORM]\r\n"
                          "mode=3\r\n"
                          "Custom=keep me\r\n"
                          "Speed=7\r\n"
                          "\r\n"
                          "[Other]\r\n"
                          "x=1\r\n"
                          "stray line\r\n"
                          "flag=1\r\n"
                          "\r\n"
                          "[SOUNDS]\r\n"
                          "Enabled=0\r\n");
}

TEST(ProfileFileWrite, ValuesCannotBreakTheFile)
{
    auto ini = ProfileFile::FromText("");
    ini.WriteString("BACKGROUND", "Texture", "a\r\n[EVIL]\nx=1");
    EXPECT_FALSE(ini.SectionExists("EVIL"));
    EXPECT_EQ(ini.ReadString("BACKGROUND", "Texture", ""), "a  [EVIL] x=1");
}

TEST_F(ProfileFileTest, RoundTripThroughTheFile)
{
    const auto path = Path("boxyard4.ini");
    {
        ProfileFile ini(path); // missing file: empty, no error
        EXPECT_FALSE(ini.SectionExists("MAINFORM"));
        ini.WriteBool("MAINFORM", "Maximized", false);
        ini.WriteInteger("MAINFORM", "Left", -3000);
        ini.WriteInteger("FOREGROUND", "GridColor", 4210752);
        ini.WriteString("MUSIC", "FileName", "/opt/w4/musics/boxyard4.s3m");
        ini.Save();
    }
    EXPECT_EQ(ReadBytes(path), "[MAINFORM]\r\nMaximized=0\r\nLeft=-3000\r\n\r\n[FOREGROUND]\r\nGridColor=4210752\r\n\r\n"
                               "[MUSIC]\r\nFileName=/opt/w4/musics/boxyard4.s3m\r\n");
    const ProfileFile again(path);
    EXPECT_FALSE(again.ReadBool("mainform", "maximized", true));
    EXPECT_EQ(again.ReadInteger("MAINFORM", "Left", 0), -3000);
    EXPECT_EQ(again.ReadInteger("FOREGROUND", "GridColor", 0), 4210752);
    EXPECT_EQ(again.ReadString("MUSIC", "FileName", ""), "/opt/w4/musics/boxyard4.s3m");
}

TEST_F(ProfileFileTest, SaveKeepsByteOrderMarkAndForeignContent)
{
    const auto path = Path("set.ini");
    WriteBytes(path, "\xEF\xBB\xBF[CONFIG]\nwalls=1\n# note\n[Extra]\nName=Mine\n");
    ProfileFile ini(path);
    EXPECT_EQ(ini.ReadInteger("CONFIG", "walls", 0), 1); // the mark is not part of the section name
    ini.WriteInteger("CONFIG", "Width", 32);
    ini.Save();
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF[CONFIG]\r\nwalls=1\r\n# note\r\nWidth=32\r\n[Extra]\r\nName=Mine\r\n");
}

TEST_F(ProfileFileTest, FailedSaveNamesTheFile)
{
    const auto path = Path("missing-folder/boxyard4.ini");
    ProfileFile ini(path);
    ini.WriteInteger("LEVEL", "Index", 4);
    try {
        ini.Save();
        FAIL() << "saving into a missing folder must fail";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("boxyard4.ini"), std::string::npos) << e.what();
    }

    // A folder in the way of the file: reading gives nothing, writing fails, the folder stays.
    const auto blocked = Path("blocked.ini");
    fs::create_directories(blocked);
    ProfileFile onFolder(blocked);
    EXPECT_FALSE(onFolder.SectionExists("LEVEL"));
    onFolder.WriteInteger("LEVEL", "Index", 1);
    EXPECT_THROW(onFolder.Save(), FileError);
    EXPECT_TRUE(fs::is_directory(blocked));
}

TEST_F(ProfileFileTest, NulEndsTheText)
{
    const auto path = Path("nul.ini");
    static const char bytes[] = "[S]\nk=1\n\0[T]\nk=2\n";
    WriteBytes(path, std::string(bytes, sizeof bytes - 1));
    const ProfileFile ini(path);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
    EXPECT_FALSE(ini.SectionExists("T"));
}

} // namespace
} // namespace w4
