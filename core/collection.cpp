#include "core/collection.h"

#include "core/bestscore.h"
#include "core/fileio.h"
#include "core/headertext.h"
#include "core/usokoban.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>

namespace w4 {

namespace {

// --- Lines -----------------------------------------------------------------------------------

bool IsBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string TrimRight(const std::string& s)
{
    std::size_t end = s.size();
    while (end > 0 && IsBlankChar(s[end - 1]))
        --end;
    return s.substr(0, end);
}

bool StartsWithWord(const std::string& lower, const char* word)
{
    const std::size_t n = std::strlen(word);
    return lower.compare(0, n, word) == 0 && (lower.size() == n || !IsLetter(lower[n]));
}

constexpr std::array<const char*, HeaderFieldCount> FieldKeys{
    "TITLE:", "COLLECTION:", "DATE:", "AUTHOR:", "AUTHORMAIL:", "AUTHORPAGE:"};

// The header key a trimmed line begins with, compared as the level loader compares them.
std::optional<int> FieldOf(const std::string& trimmed, std::string& value)
{
    for (std::size_t field = 0; field < FieldKeys.size(); ++field) {
        const std::size_t n = std::strlen(FieldKeys[field]);
        if (trimmed.size() < n)
            continue;
        bool same = true;
        for (std::size_t i = 0; i < n && same; ++i) {
            const char c = trimmed[i];
            same = (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) == FieldKeys[field][i];
        }
        if (same) {
            value = TrimControl(trimmed.substr(n));
            return static_cast<int>(field);
        }
    }
    return std::nullopt;
}

bool IsBoardCellChar(char c) { return std::strchr(" #$*+-._@", c) != nullptr && c != '\0'; }

// A line of move text: move letters, counts, groups and blanks, with at least one letter.
bool IsMovesLine(const std::string& trimmed)
{
    bool letter = false;
    for (char c : trimmed) {
        if (std::strchr("lurdLURD", c) != nullptr && c != '\0')
            letter = true;
        else if (!IsDigit(c) && c != '(' && c != ')' && !IsBlankChar(c))
            return false;
    }
    return letter;
}

enum class Kind { Blank, Board, Field, Comment, Solution, Text };

struct Item {
    Kind What = Kind::Blank;
    std::string Text;      // the line (board), the value (field), the comment, the moves, the text
    int Field = 0;
    int Line = 0;
    bool Pasted = false;   // a board line indented with tabs or non-breaking spaces
};

// Text copied from a web page or a mail indents its board rows with tabs or non-breaking spaces
// (UTF-8 or Windows-1252) and may turn inner spaces into non-breaking ones: read each of those as
// floor, tabs up to the next multiple of eight columns. Other lines are returned as they are.
std::string UnpasteBoardLine(const std::string& line, bool& pasted)
{
    pasted = false;
    if (line.find('\t') == std::string::npos && line.find('\xA0') == std::string::npos)
        return line;
    std::string out;
    std::size_t i = 0;
    for (; i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\xA0' ||
                               (line[i] == '\xC2' && i + 1 < line.size() && line[i + 1] == '\xA0'));
         ++i) {
        if (line[i] == '\t')
            out.append(8 - out.size() % 8, ' ');
        else if (line[i] == ' ')
            out += ' ';
        else {
            out += ' ';
            pasted = true;
            i += line[i] == '\xC2' ? 1 : 0;
        }
        pasted = pasted || line[i] == '\t';
    }
    for (; i < line.size(); ++i) {
        if (line[i] == '\xC2' && i + 1 < line.size() && line[i + 1] == '\xA0') {
            out += ' ';
            ++i;
            pasted = true;
        } else if (line[i] == '\xA0') {
            out += ' ';
            pasted = true;
        } else {
            out += line[i];
        }
    }
    return out;
}

// A "Solution" heading: the word, then maybe "(moves 12, pushes 3)" or "12/3", then maybe a
// colon and the moves on the same line. Returns the moves written on the heading line.
bool IsSolutionHeading(const std::string& trimmed, std::string& inlineMoves)
{
    std::string lower = trimmed;
    for (char& c : lower)
        c = Lower(c);
    if (!StartsWithWord(lower, "solution"))
        return false;
    std::string rest = trimmed.substr(std::strlen("solution"));
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos)
        rest = rest.substr(colon + 1);
    else if (const std::size_t close = rest.find(')'); close != std::string::npos)
        rest = rest.substr(close + 1);
    rest = TrimControl(rest);
    inlineMoves = IsMovesLine(rest) ? rest : std::string();
    return true;
}

// Saved games and snapshots carry moves that are no solution: read past them.
bool IsOtherMovesHeading(const std::string& trimmed)
{
    std::string lower = trimmed;
    for (char& c : lower)
        c = Lower(c);
    return StartsWithWord(lower, "save") || StartsWithWord(lower, "saved") || StartsWithWord(lower, "snapshot");
}

// Moves of a saved game may carry '*', the position the game was saved at.
bool IsSavedMovesLine(const std::string& trimmed)
{
    const std::size_t mark = trimmed.find('*');
    if (mark == std::string::npos)
        return IsMovesLine(trimmed);
    std::string rest = trimmed;
    rest.erase(mark, 1);
    return rest.find('*') == std::string::npos && (TrimControl(rest).empty() || IsMovesLine(rest));
}

std::vector<Item> ClassifyLines(const std::vector<std::string>& lines, std::vector<SavedGameText>& savedGames)
{
    std::vector<Item> items;
    items.reserve(lines.size());
    enum class Moves { None, Solution, Other } moves = Moves::None;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A byte-order mark starts a UTF-8 file (and any file joined from such files).
        std::string_view raw = lines[i];
        if (raw.substr(0, 3) == "\xEF\xBB\xBF")
            raw.remove_prefix(3);
        bool pasted = false;
        std::string line = UnpasteBoardLine(std::string(raw), pasted);
        const bool board = IsCollectionBoardLine(line);
        if (!board && pasted && !TrimControl(line).empty())
            line = std::string(raw);   // a title or a note keeps its own characters
        const int number = static_cast<int>(i) + 1;
        const std::string trimmed = TrimControl(line);
        if (moves == Moves::Other && !trimmed.empty() && IsSavedMovesLine(trimmed)) {
            savedGames.back().Moves += trimmed;
            continue;
        }
        if (moves == Moves::Solution && !trimmed.empty() && IsMovesLine(trimmed)) {
            items.back().Text += trimmed;
            continue;
        }
        // The line right under an empty heading is its solution even when it holds other
        // characters, so a damaged solution is named rather than read as a title.
        if (moves == Moves::Solution && items.back().Text.empty() && !trimmed.empty() && trimmed[0] != ';' &&
            !board) {
            std::string value, inlineMoves;
            if (!FieldOf(trimmed, value) && !IsSolutionHeading(trimmed, inlineMoves) && !IsOtherMovesHeading(trimmed)) {
                items.back().Text = trimmed;
                moves = Moves::None;
                continue;
            }
        }
        moves = Moves::None;
        if (trimmed.empty()) {
            items.push_back({Kind::Blank, {}, 0, number});
        } else if (trimmed.compare(0, 2, "::") == 0) {
            continue;   // notes for a person reading the file, not part of any level
        } else if (board) {
            items.push_back({Kind::Board, line, 0, number, pasted});
        } else if (trimmed[0] == ';') {
            items.push_back({Kind::Comment, TrimControl(trimmed.substr(1)), 0, number});
        } else if (std::string value; const auto field = FieldOf(trimmed, value)) {
            items.push_back({Kind::Field, value, *field, number});
        } else if (std::string inlineMoves; IsSolutionHeading(trimmed, inlineMoves)) {
            items.push_back({Kind::Solution, inlineMoves, 0, number});
            moves = Moves::Solution;
        } else if (IsOtherMovesHeading(trimmed)) {
            savedGames.push_back({trimmed, {}, number});
            moves = Moves::Other;
        } else {
            items.push_back({Kind::Text, trimmed, 0, number});
        }
    }
    return items;
}

// --- Levels ----------------------------------------------------------------------------------

struct Draft {
    std::vector<std::string> BoardLines;
    bool Pasted = false;
    int Line = 0;
    LevelHeaderFields Fields;
    bool FieldSet[HeaderFieldCount] = {};
    std::string TitleBefore, TitleAfter, CommentTitle;
    std::vector<std::string> Comments;
    std::vector<Item> Solutions;
};

bool OnlyDigits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return IsDigit(c) || c == '.' || c == ' '; });
}

struct Paragraph {
    std::vector<const Item*> Items;
    bool TouchesPrevious = false;   // no blank line between the board before and this paragraph
    bool TouchesNext = false;       // no blank line between this paragraph and the board after
};

enum class Side { Before, After };

void Give(Draft& level, const Item& item, Side side, bool touching)
{
    switch (item.What) {
    case Kind::Field:
        level.Fields[static_cast<std::size_t>(item.Field)] = item.Text;
        level.FieldSet[item.Field] = true;
        break;
    case Kind::Comment:
        level.Comments.push_back(item.Text);
        if (touching && level.CommentTitle.empty() && !OnlyDigits(item.Text))
            level.CommentTitle = item.Text;
        break;
    case Kind::Text:
        if (side == Side::Before)
            level.TitleBefore = item.Text;
        else if (touching && level.TitleAfter.empty())
            level.TitleAfter = item.Text;
        else
            level.Comments.push_back(item.Text);
        break;
    case Kind::Solution:
        level.Solutions.push_back(item);
        break;
    case Kind::Blank:
    case Kind::Board:
        break;
    }
}

bool HasKind(const Paragraph& p, Kind kind)
{
    return std::any_of(p.Items.begin(), p.Items.end(), [kind](const Item* i) { return i->What == kind; });
}

bool HasTitleField(const Paragraph& p)
{
    return std::any_of(p.Items.begin(), p.Items.end(),
                       [](const Item* i) { return i->What == Kind::Field && i->Field == Title; });
}

// The lines between two boards (or before the first, or after the last) go to the board before
// them, to the board after them, or to the file's own notes. Notes that touch a board belong to
// it; a paragraph on its own just before a board is that board's title or header when it is a
// single text line, when the file writes its headers before the boards, or when it names a
// second title for the board before; everything else describes the board before.
void SplitGap(const std::vector<Item>& items, std::size_t begin, std::size_t end, Draft* previous, Draft* next,
              bool headersBefore, LevelHeaderFields& fileHeader)
{
    std::vector<Paragraph> paragraphs;
    bool blankSeen = false;
    for (std::size_t i = begin; i < end; ++i) {
        if (items[i].What == Kind::Blank) {
            blankSeen = true;
            continue;
        }
        if (paragraphs.empty() || (i > begin && items[i - 1].What == Kind::Blank)) {
            paragraphs.emplace_back();
            paragraphs.back().TouchesPrevious = !blankSeen;
        }
        paragraphs.back().Items.push_back(&items[i]);
    }
    if (!paragraphs.empty() && end > begin && items[end - 1].What != Kind::Blank)
        paragraphs.back().TouchesNext = true;

    for (std::size_t k = 0; k < paragraphs.size(); ++k) {
        const Paragraph& p = paragraphs[k];
        const bool last = k + 1 == paragraphs.size();
        const bool touchesPrevious = previous != nullptr && p.TouchesPrevious;
        const bool touchesNext = next != nullptr && last && p.TouchesNext;
        if (touchesPrevious && touchesNext) {
            // Board, notes, board with no blank line: moves describe the board before, text
            // lines name the board after, headers follow the file's habit.
            for (const Item* item : p.Items) {
                const bool forward = item->What == Kind::Text ||
                                     (headersBefore && (item->What == Kind::Field || item->What == Kind::Comment));
                Give(forward ? *next : *previous, *item, forward ? Side::Before : Side::After, true);
            }
            continue;
        }
        if (touchesNext) {
            for (const Item* item : p.Items) {
                if (item->What == Kind::Solution && previous != nullptr)
                    Give(*previous, *item, Side::After, false);
                else
                    Give(*next, *item, Side::Before, true);
            }
            continue;
        }
        if (touchesPrevious) {
            for (const Item* item : p.Items)
                Give(*previous, *item, Side::After, true);
            continue;
        }
        // A text line alone, or heading header fields ("Level 7" / "Author: X"), names the board
        // below it.
        const bool textHeading = p.Items.front()->What == Kind::Text &&
                                 std::all_of(p.Items.begin() + 1, p.Items.end(), [](const Item* i) { return i->What == Kind::Field; });
        const bool secondTitle = previous != nullptr && HasTitleField(p) && previous->FieldSet[Title];
        // A single comment line set above a board is its name ("; Name", blank line, board).
        const bool commentName = p.Items.size() == 1 && p.Items.front()->What == Kind::Comment;
        if (next != nullptr && last && !HasKind(p, Kind::Solution) &&
            (previous == nullptr || headersBefore || textHeading || secondTitle)) {
            for (const Item* item : p.Items) {
                // Above the first board, the fields other than a title are the whole file's.
                if (previous == nullptr && item->What == Kind::Field && item->Field != Title)
                    fileHeader[static_cast<std::size_t>(item->Field)] = item->Text;
                else
                    Give(*next, *item, Side::Before, commentName);
            }
        } else if (previous != nullptr) {
            for (const Item* item : p.Items)
                Give(*previous, *item, Side::After, false);
        } else {
            for (const Item* item : p.Items)
                if (item->What == Kind::Field)
                    fileHeader[static_cast<std::size_t>(item->Field)] = item->Text;
        }
    }
}

// Whether this file writes a level's notes above its board rather than below it: a header or
// comment touching the first board, or a paragraph of its own above it that names it (a text
// line, a comment, a title) unless the file ends with a paragraph of the same make below its
// last board, which would make it a file of notes below boards with a preface.
bool NotesBeforeBoards(const std::vector<Item>& items, const std::vector<std::pair<std::size_t, std::size_t>>& boards)
{
    if (boards.empty() || boards[0].first == 0)
        return false;
    std::size_t end = boards[0].first;
    const Kind touching = items[end - 1].What;
    if (touching == Kind::Field || touching == Kind::Comment)
        return true;
    if (touching != Kind::Blank)
        return false;
    while (end > 0 && items[end - 1].What == Kind::Blank)
        --end;
    std::size_t begin = end;
    while (begin > 0 && items[begin - 1].What != Kind::Blank)
        --begin;
    if (begin == end)
        return false;
    const bool names = std::any_of(items.begin() + static_cast<std::ptrdiff_t>(begin), items.begin() + static_cast<std::ptrdiff_t>(end),
                                   [](const Item& i) { return i.What == Kind::Text || i.What == Kind::Comment || (i.What == Kind::Field && i.Field == Title); });
    if (!names)
        return false;
    // The first paragraph standing free below the last board.
    std::size_t after = boards.back().second;
    if (after < items.size() && items[after].What != Kind::Blank)
        while (after < items.size() && items[after].What != Kind::Blank)
            ++after;
    while (after < items.size() && items[after].What == Kind::Blank)
        ++after;
    std::size_t afterEnd = after;
    while (afterEnd < items.size() && items[afterEnd].What != Kind::Blank)
        ++afterEnd;
    const bool sameMake = afterEnd > after && afterEnd - after == end - begin && items[after].What == items[begin].What;
    return !sameMake;
}

int KeeperCount(const std::vector<std::string>& rows)
{
    int keepers = 0;
    for (const std::string& row : rows)
        keepers += static_cast<int>(std::count_if(row.begin(), row.end(), [](char c) { return c == '@' || c == '+'; }));
    return keepers;
}

} // namespace

// --- Public ----------------------------------------------------------------------------------

std::string CollectionLevel::BestSolution() const
{
    // The solutions replayed already, so their capitals are their pushes.
    const auto score = [](const std::string& s) {
        return SolutionScore{static_cast<std::int64_t>(s.size()),
                             std::count_if(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; })};
    };
    const std::string* best = nullptr;
    for (const std::string& s : Solutions)
        if (best == nullptr || IsBetterScore(score(s), score(*best)))
            best = &s;
    return best != nullptr ? *best : std::string();
}

bool IsCollectionBoardLine(const std::string& line)
{
    const std::string row = TrimRight(line);
    if (row.empty())
        return false;
    bool wall = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (c == '#')
            wall = true;
        if (IsDigit(c)) {
            // A count must be followed by the cell it repeats.
            std::size_t j = i;
            while (j < row.size() && IsDigit(row[j]))
                ++j;
            if (j == row.size() || !IsBoardCellChar(row[j]))
                return false;
            i = j - 1;
            continue;
        }
        if (c != '|' && !IsBoardCellChar(c))
            return false;
    }
    return wall;
}

std::vector<std::string> ExpandBoardText(const std::vector<std::string>& lines)
{
    // One cell and one row beyond the limit are enough to know a board is too large, and keep a
    // hostile count such as "999999999#" from costing memory.
    constexpr std::size_t Limit = MaxLevelSize + 1;
    std::vector<std::string> rows;
    for (const std::string& line : lines) {
        if (!IsCollectionBoardLine(line))
            return {};
        rows.emplace_back();
        std::size_t count = 0;
        for (char c : TrimRight(line)) {
            if (IsDigit(c)) {
                count = std::min<std::size_t>(count * 10 + static_cast<std::size_t>(c - '0'), Limit);
                continue;
            }
            if (c == '|') {
                if (rows.size() > Limit)
                    break;
                rows.emplace_back();
                count = 0;
                continue;
            }
            const char cell = c == '-' || c == '_' ? ' ' : c;
            std::string& row = rows.back();
            const std::size_t times = count == 0 ? 1 : count;
            row.append(std::min(times, Limit - std::min(row.size(), Limit)), cell);
            count = 0;
        }
        if (rows.size() > Limit)
            break;
    }
    for (std::string& row : rows)
        row = TrimRight(row);
    while (!rows.empty() && rows.back().empty())
        rows.pop_back();
    const auto first = std::find_if(rows.begin(), rows.end(), [](const std::string& r) { return !r.empty(); });
    rows.erase(rows.begin(), first);
    return rows;
}

namespace {

bool ExpandInto(const std::string& text, std::size_t& i, int depth, std::string& out, std::size_t& badAt,
                std::size_t limit)
{
    while (i < text.size()) {
        const char c = text[i];
        if (IsBlankChar(c)) {
            ++i;
            continue;
        }
        if (c == ')') {
            if (depth == 0) {
                badAt = i;
                return false;
            }
            return true;
        }
        std::size_t count = 1;
        if (IsDigit(c)) {
            count = 0;
            while (i < text.size() && IsDigit(text[i])) {
                count = std::min<std::size_t>(count * 10 + static_cast<std::size_t>(text[i] - '0'), limit + 1);
                ++i;
            }
            while (i < text.size() && IsBlankChar(text[i]))
                ++i;
            if (i == text.size()) {
                badAt = i - 1;
                return false;
            }
        }
        const char what = text[i];
        if (what == '(') {
            if (depth >= 16) {
                badAt = i;
                return false;
            }
            ++i;
            std::string group;
            if (!ExpandInto(text, i, depth + 1, group, badAt, limit))
                return false;
            if (i >= text.size() || text[i] != ')') {
                badAt = i >= text.size() ? text.size() - 1 : i;
                return false;
            }
            ++i;
            if (!group.empty() && count > (limit - out.size()) / group.size()) {
                badAt = i - 1;
                return false;
            }
            for (std::size_t n = 0; n < count; ++n)
                out += group;
            continue;
        }
        if (std::strchr("lurdLURD", what) == nullptr || what == '\0' || count > limit - out.size()) {
            badAt = i;
            return false;
        }
        out.append(count, what);
        ++i;
    }
    if (depth > 0) {
        badAt = text.empty() ? 0 : text.size() - 1;
        return false;
    }
    return true;
}

} // namespace

bool ExpandMoves(const std::string& text, std::string& letters, std::size_t* badAt)
{
    return ExpandMoves(text, letters, MaxSolutionLength, badAt);
}

bool ExpandMoves(const std::string& text, std::string& letters, std::size_t maxLetters, std::size_t* badAt)
{
    letters.clear();
    std::size_t i = 0;
    std::size_t bad = 0;
    if (ExpandInto(text, i, 0, letters, bad, maxLetters))
        return true;
    letters.clear();
    if (badAt != nullptr)
        *badAt = bad;
    return false;
}

bool CheckLevelRows(const std::vector<std::string>& rows, SkipReason& reason, int& detail)
{
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    detail = 0;
    if (width > static_cast<std::size_t>(MaxLevelSize) || rows.size() > static_cast<std::size_t>(MaxLevelSize)) {
        reason = SkipReason::TooLarge;
        return false;
    }
    const int keepers = KeeperCount(rows);
    if (keepers == 0) {
        reason = SkipReason::NoKeeper;
        return false;
    }
    if (keepers > 1) {
        reason = SkipReason::SeveralKeepers;
        detail = keepers;
        return false;
    }
    return true;
}

LevelCollection ReadCollection(const std::string& text, CollectionProgress* progress)
{
    LevelCollection result;
    std::vector<SavedGameText> savedGames;
    const std::vector<Item> items = ClassifyLines(SplitTextLines(text), savedGames);

    // Boards are runs of board lines; the gaps between them hold their notes.
    std::vector<std::pair<std::size_t, std::size_t>> boards;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].What != Kind::Board)
            continue;
        if (!boards.empty() && boards.back().second == i)
            boards.back().second = i + 1;
        else
            boards.emplace_back(i, i + 1);
    }
    std::vector<Draft> drafts(boards.size());
    for (std::size_t b = 0; b < boards.size(); ++b) {
        drafts[b].Line = items[boards[b].first].Line;
        for (std::size_t i = boards[b].first; i < boards[b].second; ++i) {
            drafts[b].BoardLines.push_back(items[i].Text);
            drafts[b].Pasted = drafts[b].Pasted || items[i].Pasted;
        }
    }

    const bool headersBefore = NotesBeforeBoards(items, boards);
    std::size_t gapBegin = 0;
    for (std::size_t b = 0; b <= boards.size(); ++b) {
        const std::size_t gapEnd = b < boards.size() ? boards[b].first : items.size();
        SplitGap(items, gapBegin, gapEnd, b > 0 ? &drafts[b - 1] : nullptr, b < boards.size() ? &drafts[b] : nullptr,
                 headersBefore, result.FileHeader);
        if (b < boards.size())
            gapBegin = boards[b].second;
    }

    if (progress != nullptr)
        progress->Total = static_cast<int>(drafts.size());
    for (std::size_t b = 0; b < drafts.size(); ++b) {
        if (progress != nullptr) {
            if (progress->Cancel.load()) {
                result.Cancelled = true;
                break;
            }
            progress->Checked = static_cast<int>(b);
        }
        Draft& d = drafts[b];
        CollectionLevel level;
        level.Number = static_cast<int>(b) + 1;
        level.Line = d.Line;
        level.Header = d.Fields;
        if (!d.FieldSet[Title])
            level.Header[Title] = !d.TitleBefore.empty()  ? d.TitleBefore
                                  : !d.TitleAfter.empty() ? d.TitleAfter
                                                          : d.CommentTitle;
        for (std::size_t f = HeaderField::Collection; f < HeaderFieldCount; ++f)
            if (level.Header[f].empty())
                level.Header[f] = result.FileHeader[f];
        if (level.Header[HeaderField::Collection].empty())
            level.Header[HeaderField::Collection] = result.FileHeader[Title];
        level.Comments = std::move(d.Comments);
        level.Rows = ExpandBoardText(d.BoardLines);
        if (d.Pasted) {
            // The indentation of pasted text is the page's, not the level's.
            std::size_t indent = std::string::npos;
            for (const std::string& row : level.Rows)
                if (!row.empty())
                    indent = std::min(indent, row.find_first_not_of(' '));
            for (std::string& row : level.Rows)
                row.erase(0, std::min(indent, row.size()));
        }
        // A saved game belongs to the last board above it.
        const int nextBoard = b + 1 < drafts.size() ? drafts[b + 1].Line : std::numeric_limits<int>::max();
        for (const SavedGameText& saved : savedGames)
            if (saved.Line > d.Line && saved.Line < nextBoard)
                level.SavedGames.push_back(saved);

        SkipReason reason{};
        int detail = 0;
        if (!CheckLevelRows(level.Rows, reason, detail)) {
            result.Skipped.push_back({level.Line, level.Number, level.Header[Title], reason, detail});
            continue;
        }
        for (const Item& solution : d.Solutions) {
            std::string letters;
            if (solution.Text.empty())
                continue;   // a heading with nothing under it
            if (!ExpandMoves(solution.Text, letters)) {
                result.Skipped.push_back({solution.Line, level.Number, level.Header[Title], SkipReason::BadMoves, 0});
                continue;
            }
            const ReplayResult replay = ReplayMoves(level.Rows, letters);
            if (replay.Solved)
                level.Solutions.push_back(replay.Letters);
            else if (replay.FailedMove > 0)
                result.Skipped.push_back(
                    {solution.Line, level.Number, level.Header[Title], SkipReason::SolutionFails, replay.FailedMove});
            else
                result.Skipped.push_back({solution.Line, level.Number, level.Header[Title], SkipReason::SolutionUnsolved, 0});
        }
        result.Levels.push_back(std::move(level));
    }
    if (progress != nullptr && !result.Cancelled)
        progress->Checked = static_cast<int>(drafts.size());
    std::stable_sort(result.Skipped.begin(), result.Skipped.end(),
                     [](const SkippedItem& a, const SkippedItem& b) { return a.Line < b.Line; });
    return result;
}

LevelCollection ReadCollectionFile(const std::string& path, std::uintmax_t maxBytes, CollectionProgress* progress)
{
    LevelCollection refused;
    if (!FileExists(path))
        return refused;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return refused;
    if (size > maxBytes) {
        refused.RefusedBytes = size;
        return refused;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refused;
    // Read to the end, whatever the size said: a file that grew since is refused too, never cut.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            refused.RefusedBytes = bytes.size();
            return refused;
        }
    }
    if (in.bad())
        return refused;
    return ReadCollection(bytes, progress);
}

std::string RefusedCollectionText(const std::string& path, std::uintmax_t bytes)
{
    return RefusedTextFileText(Warehaus4::Tr("The file %1 is %2, more than a collection may hold (%3): it was not read."), path,
                               bytes, MaxCollectionBytes);
}

std::string SkipReasonText(SkipReason reason, int detail)
{
    switch (reason) {
    case SkipReason::NoKeeper: return Warehaus4::Tr("the board has no keeper");
    case SkipReason::SeveralKeepers: return FillText(Warehaus4::Tr("the board has %1 keepers"), {std::to_string(detail)});
    case SkipReason::TooLarge: return Warehaus4::Tr("the board is larger than 50 × 50 cells");
    case SkipReason::BadMoves: return Warehaus4::Tr("the solution holds something other than moves");
    case SkipReason::SolutionFails: return FillText(Warehaus4::Tr("the solution fails at move %1"), {std::to_string(detail)});
    case SkipReason::SolutionUnsolved: return Warehaus4::Tr("the solution does not solve the level");
    }
    return {};
}

std::string SkippedItemText(const SkippedItem& item)
{
    const std::string number = std::to_string(item.LevelNumber);
    const std::string line = std::to_string(item.Line);
    const std::string reason = SkipReasonText(item.Reason, item.Detail);
    if (item.Title.empty())
        return FillText(Warehaus4::Tr("Level %1, line %2: %3"), {number, line, reason});
    return FillText(Warehaus4::Tr("Level %1 (%2), line %3: %4"), {number, DecodeHeaderValue(item.Title), line, reason});
}

} // namespace w4
