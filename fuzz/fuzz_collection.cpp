// Arbitrary bytes as a collection: split into levels, every kept level checked against the
// limits the game loads, every kept solution replayed again, and the first level and the
// whole text read as pasted moves and as level text.
#include "core/collection.h"
#include "core/levelexport.h"
#include "core/usokoban.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const w4::LevelCollection c = w4::ReadCollection(text);
    for (const w4::CollectionLevel& level : c.Levels) {
        w4::SkipReason reason{};
        int detail = 0;
        Check(w4::CheckLevelRows(level.Rows, reason, detail));
        for (const std::string& solution : level.Solutions) {
            const w4::ReplayResult replay = w4::ReplayMoves(level.Rows, solution);
            Check(replay.Solved && replay.Letters == solution);
        }
        // What a level file gets must read back as the same rows.
        const w4::GameState g = w4::LevelState(level.Rows, level.Header);
        Check(w4::SnapshotRows(g.SnapshotHistory[0], g.LevelWidth, g.LevelHeight) == level.Rows);
        if (&level == &c.Levels.front()) {
            (void)w4::CheckPastedSolution(g, text);
            (void)w4::LevelClipboardText(g);
        }
    }
    for (const w4::SkippedItem& item : c.Skipped)
        Check(!w4::SkippedItemText(item).empty());
    std::string letters;
    if (w4::ExpandMoves(text, letters))
        Check(letters.size() <= w4::MaxSolutionLength);
    return 0;
}
