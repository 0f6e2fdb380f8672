// Arbitrary bytes as a level's snapshot file: the file must come back byte for byte, every section
// read must write back to text that reads as the same snapshot, and replaying it on a small board
// must stay inside the board.
#include "core/fileio.h"
#include "core/snapshots.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

const std::vector<std::string> Board = {"#######", "#.$ @ #", "# $. ##", "#######"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The file as it lies on disk comes back byte for byte, and a write that keeps every snapshot
    // changes nothing.
    w4::SnapshotFile file = w4::ParseSnapshotFile(text);
    Check(file.Bytes() == text);
    w4::UpdateSnapshotFile(file, file.Snapshots());
    Check(file.Bytes() == text);
    const std::vector<w4::Snapshot> read = w4::ParseSnapshotLines(w4::SplitTextLines(text));
    for (const w4::Snapshot& s : read) {
        Check(s.Position >= 0 && static_cast<std::size_t>(s.Position) <= s.Letters.size());
        const std::vector<w4::Snapshot> again = w4::ParseSnapshotLines(w4::SnapshotFileLines({s}));
        Check(again.size() == 1 && again[0].SameAttempt(s) && again[0].Automatic == s.Automatic);
        const std::vector<std::string> rows = w4::PositionRows(Board, s);
        Check(rows.size() == Board.size());
        w4::Snapshot fitted = s;
        if (w4::FitSnapshot(Board, fitted))
            Check(fitted.Letters.size() >= static_cast<std::size_t>(fitted.Position));
    }
    return 0;
}
