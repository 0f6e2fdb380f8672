// The layouts collections come in from the level sites, each read level by level: titles, authors
// and boards; and files of any practical size read whole, never cut.
#include "support/catalogue.h"
#include "core/collection.h"
#include "core/fileio.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace w4 {
namespace {

using Rows = std::vector<std::string>;

const Rows Square = {"#####", "#@$.#", "#####"};
const Rows Tall = {"####", "#@ #", "#$ #", "#. #", "####"};
const Rows Done = {" ####", "##@*#", " ####"};

std::string Board(const Rows& rows, const std::string& indent = {})
{
    std::string text;
    for (const std::string& row : rows)
        text += indent + row + "\n";
    return text;
}

TEST(CollectionLayouts, CommentNamesAboveTheirBoards)
{
    // "; Name", blank line, board: every name stays with the board below it.
    const LevelCollection c = ReadCollection("; Square one\n\n" + Board(Square) + "\n; Tall two\n\n" + Board(Tall) +
                                             "\n; Done three\n\n" + Board(Done));
    ASSERT_EQ(c.Levels.size(), 3u);
    EXPECT_EQ(c.Levels[0].Header[Title], "Square one");
    EXPECT_EQ(c.Levels[1].Header[Title], "Tall two");
    EXPECT_EQ(c.Levels[2].Header[Title], "Done three");
    EXPECT_EQ(c.Levels[1].Comments, Rows{"Tall two"});
    EXPECT_EQ(c.Levels[2].Rows, Done);
}

TEST(CollectionLayouts, LevelHeadingsWithTheirAuthors)
{
    // "Level N" / "Author: X" / blank line / board.
    const LevelCollection c = ReadCollection("Level 1\nAuthor: Ada\n\n" + Board(Square) + "\nLevel 2\nAuthor: Bo\n\n" +
                                             Board(Tall) + "\nLevel 3\nAuthor: Cy\n\n" + Board(Done));
    ASSERT_EQ(c.Levels.size(), 3u);
    const char* authors[] = {"Ada", "Bo", "Cy"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Levels[i].Header[Title], "Level " + std::to_string(i + 1));
        EXPECT_EQ(c.Levels[i].Header[Author], authors[i]);
    }
}

TEST(CollectionLayouts, HeaderBlockAtTheTopAppliesToEveryLevel)
{
    // The file's block, then levels titled below their boards; one level names its own author.
    const LevelCollection c = ReadCollection("Collection: Yard\nAuthor: Ida\nDate: 2026\n\n" + Board(Square) +
                                             "Title: First\n\n" + Board(Tall) + "Title: Second\nAuthor: Guest\n\n" +
                                             Board(Done) + "Title: Third\n");
    ASSERT_EQ(c.Levels.size(), 3u);
    const char* titles[] = {"First", "Second", "Third"};
    const char* authors[] = {"Ida", "Guest", "Ida"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Levels[i].Header[Title], titles[i]);
        EXPECT_EQ(c.Levels[i].Header[Author], authors[i]);
        EXPECT_EQ(c.Levels[i].Header[HeaderField::Collection], "Yard");
        EXPECT_EQ(c.Levels[i].Header[HeaderField::Date], "2026");
    }
}

TEST(CollectionLayouts, ByteOrderMarkAndIndentationPastedFromAPage)
{
    // A UTF-8 mark before the first row keeps its wall; tabs and non-breaking spaces (UTF-8 and
    // Windows-1252) indent rows copied from a page, and inner non-breaking spaces are floor.
    const LevelCollection c = ReadCollection("\xEF\xBB\xBF" + Board(Square) + "\nTabbed\n" + Board(Tall, "\t\t") +
                                             "\nSpaced\n\xC2\xA0\xC2\xA0 ####\n\xC2\xA0\xC2\xA0##@*#\n\xA0\xA0\xA0####\n" +
                                             "\nInner\n#####\n#@\xC2\xA0$.#\n#####\n");
    ASSERT_EQ(c.Levels.size(), 4u);
    EXPECT_EQ(c.Levels[0].Rows, Square);
    EXPECT_EQ(c.Levels[0].Header[Title], "");
    EXPECT_EQ(c.Levels[1].Rows, Tall);
    EXPECT_EQ(c.Levels[1].Header[Title], "Tabbed");
    EXPECT_EQ(c.Levels[2].Rows, Done);
    EXPECT_EQ(c.Levels[3].Rows, (Rows{"#####", "#@ $.#", "#####"}));
}

// The benchmark sets kept beside the checkout, one level file each, joined back into one file per
// set in three layouts; each level must read back as its own file holds it.
TEST(CollectionLayouts, SetsJoinedBackReadLevelByLevel)
{
    const std::filesystem::path sets = std::filesystem::path(W4_SOURCE_DIR) / ".." / "shared" / "levels-bench";
    if (!std::filesystem::is_directory(sets))
        GTEST_SKIP() << "no level sets beside the checkout";
    int checked = 0;
    for (const auto& set : std::filesystem::directory_iterator(sets)) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(set.path()))
            if (entry.path().extension() == ".xsb")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        struct Expected {
            Rows Board;
            LevelHeaderFields Header;
        };
        std::vector<Expected> expected;
        std::string asFiles, commentNames = "\xEF\xBB\xBF", headings;
        for (const auto& file : files) {
            Expected e;
            const Rows lines = ReadTextLines(file.string());
            for (const std::string& line : lines) {
                const std::size_t colon = line.find(": ");
                if (line.rfind("Title: ", 0) == 0)
                    e.Header[Title] = line.substr(colon + 2);
                else if (line.rfind("Author: ", 0) == 0)
                    e.Header[Author] = line.substr(colon + 2);
                else if (line.rfind("Collection: ", 0) == 0)
                    e.Header[HeaderField::Collection] = line.substr(colon + 2);
                else if (line.find('#') != std::string::npos)
                    e.Board.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
            }
            for (const std::string& line : lines)
                asFiles += line + "\n";
            asFiles += "\n";
            if (commentNames.size() == 3)
                commentNames += "Collection: " + e.Header[HeaderField::Collection] + "\nAuthor: " + e.Header[Author] + "\n\n";
            commentNames += "; " + e.Header[Title] + "\n\n" + Board(e.Board) + "\n";
            headings += e.Header[Title] + "\nAuthor: " + e.Header[Author] + "\nCollection: " +
                        e.Header[HeaderField::Collection] + "\n\n" + Board(e.Board, "\t") + "\n";
            expected.push_back(std::move(e));
        }
        for (const std::string* text : {&asFiles, &commentNames, &headings}) {
            const LevelCollection c = ReadCollection(*text);
            ASSERT_EQ(c.Levels.size(), expected.size()) << set.path();
            for (std::size_t i = 0; i < expected.size(); ++i) {
                SCOPED_TRACE(set.path().filename().string() + " level " + std::to_string(i + 1));
                EXPECT_EQ(c.Levels[i].Header[Title], expected[i].Header[Title]);
                EXPECT_EQ(c.Levels[i].Header[Author], expected[i].Header[Author]);
                EXPECT_EQ(c.Levels[i].Header[HeaderField::Collection], expected[i].Header[HeaderField::Collection]);
                EXPECT_EQ(c.Levels[i].Rows, expected[i].Board);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(CollectionFile, ReadWholePastTheTextFileCapOrRefusedNamingItsSize)
{
    test::TempFolder folder;
    // A long note pushes the second board across the 16 MiB mark, with its keeper before it.
    const std::string before = "Near\n" + Board(Square) + "\n; " + std::string(MaxTextFileBytes - 40, 'x') + "\n\nFar\n";
    const std::string path = folder.Write("big.sok", before + "######\n#@   #\n#    #\n#  $.#\n######\n");
    ASSERT_GT(std::filesystem::file_size(path), MaxTextFileBytes);
    const LevelCollection whole = ReadCollectionFile(path);
    ASSERT_EQ(whole.Levels.size(), 2u);
    EXPECT_EQ(whole.Levels[1].Header[Title], "Far");
    EXPECT_EQ(whole.Levels[1].Rows.size(), 5u);
    EXPECT_EQ(whole.RefusedBytes, 0u);

    const std::uintmax_t size = std::filesystem::file_size(path);
    const LevelCollection refused = ReadCollectionFile(path, size - 1);
    EXPECT_TRUE(refused.Levels.empty());
    EXPECT_TRUE(refused.Skipped.empty());
    EXPECT_EQ(refused.RefusedBytes, size);
    EXPECT_EQ(RefusedCollectionText(path, size),
              "The file " + path + " is 16.0 MiB, more than a collection may hold (128.0 MiB): it was not read.");
    const w4::testing::CatalogueInForce french("fr");
    EXPECT_EQ(RefusedCollectionText(path, size),
              "Le fichier " + path + " fait 16,0 Mio, plus qu'une collection ne peut en contenir (128,0 Mio) : il n'a pas été lu.");
}

TEST(CollectionFile, ChecksReportProgressAndStopOnCancel)
{
    const std::string text = Board(Square) + "Solution: R\n\n" + Board(Tall) + "\n" + Board(Done);
    CollectionProgress progress;
    const LevelCollection read = ReadCollection(text, &progress);
    EXPECT_EQ(progress.Total.load(), 3);
    EXPECT_EQ(progress.Checked.load(), 3);
    EXPECT_FALSE(read.Cancelled);
    EXPECT_EQ(read.Levels.size(), 3u);

    CollectionProgress cancelled;
    cancelled.Cancel = true;
    const LevelCollection stopped = ReadCollection(text, &cancelled);
    EXPECT_TRUE(stopped.Cancelled);
    EXPECT_TRUE(stopped.Levels.empty());
}

} // namespace
} // namespace w4
