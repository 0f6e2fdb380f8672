#pragma once
// A Frontend that writes down every call in order, so tests can check the exact sequence of
// effects, and answers questions from a script.

#include "core/frontend.h"
#include "core/loading.h"
#include "core/uglobal.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace w4::test {

class RecordingFrontend : public Frontend {
public:
    std::vector<std::string> Calls;
    std::vector<std::string> Questions;
    std::vector<std::string> Notices;
    std::deque<bool> Answers;    // consumed in order; when empty, AnswerWhenEmpty
    bool AnswerWhenEmpty = false;

    void DrawCell(int x, int y) override { Calls.push_back("DrawCell " + std::to_string(x) + "," + std::to_string(y)); }
    void PaintBoard() override { Calls.push_back("PaintBoard"); }
    void RefreshStatus() override { Calls.push_back("RefreshStatus"); }
    void PlaySample(Sample sample) override
    {
        static const char* const names[] = {"Move", "Push", "Kick", "Win"};
        Calls.push_back(std::string("Play ") + names[static_cast<int>(sample)]);
    }
    void SetHistoryBarRange(int maximum, int position) override
    {
        Calls.push_back("BarRange " + std::to_string(maximum) + "," + std::to_string(position));
    }
    void SetHistoryBarPosition(int position) override { Calls.push_back("BarPosition " + std::to_string(position)); }
    void EnableHistoryBar(bool enabled) override { Calls.push_back(enabled ? "BarEnabled" : "BarDisabled"); }
    void StopReplayTimer() override { Calls.push_back("StopReplay"); }
    bool AskQuestion(const std::string& text) override
    {
        Calls.push_back("Ask");
        Questions.push_back(text);
        if (Answers.empty())
            return AnswerWhenEmpty;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowNotice(const std::string& text) override
    {
        Calls.push_back("Notice");
        Notices.push_back(text);
    }

    void Clear()
    {
        Calls.clear();
        Questions.clear();
        Notices.clear();
    }
    int CountOf(const std::string& call) const
    {
        int n = 0;
        for (const std::string& c : Calls)
            n += c == call;
        return n;
    }
};

// A clock the test moves by hand.
struct ManualClock {
    DateTime Time = DateTime(std::chrono::hours(24 * 365 * 30));
    template <class Duration>
    void Advance(Duration d) { Time += std::chrono::duration_cast<DateTime::duration>(d); }
    void Attach(GameState& g) { g.Now = [this] { return Time; }; }
};

// A fresh folder under the system temp folder, removed with the object.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        Path = std::filesystem::temp_directory_path() /
               ("w4core-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(Path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path Path;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Makes a one-entry playlist of the given level text and loads and draws it, as a command would.
inline std::string LoadText(GameState& g, Frontend& ui, const TempFolder& folder, const std::string& text,
                            const std::string& name = "level.xsb")
{
    const std::string path = folder.Write(name, text);
    g.Playlist = {path};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    return path;
}

// Row y of the shown snapshot, over the level width.
inline std::string RowAt(const GameState& g, int y)
{
    std::string row;
    for (int x = 0; x < g.LevelWidth; ++x)
        row += CellAt(g, x, y);
    return row;
}

} // namespace w4::test
