#pragma once
// What the help draws over the board display (never into the board picture): the deadlock
// marks, the hint's arrow and one line of message in a margin. A plain model says what to draw;
// the painter only draws it. The message itself, made anew in each language, is kept here too.

#include "editor/boardmouse.h"

#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QFont;
class QPainter;

namespace w4 {

class WindowSeam;

struct OverlayModel {
    QString Message;                                    // the line in a margin; empty for none
    std::vector<std::pair<int, int>> Deadlocked;        // boxes that can no longer be finished
    std::optional<std::array<int, 4>> Hint;             // box x, y, then the cell it goes to
    int Columns = 0, Rows = 0;                          // the level's cells the marks stand on
};

// What shows in a mode: in Play mode the help's message and its marks; in the editor the live
// check's line and no marks; nothing in Solution mode.
OverlayModel OverlayFor(int mode, const QString& helpMessage, const QString& checkText,
                        const std::vector<std::pair<int, int>>& deadlocked,
                        const std::optional<std::array<int, 4>>& hint, int columns, int rows);

// Where a message of width x height goes in the area: centred in the margin below the board,
// else in the one above it; empty when neither holds it (a stretched board), as no cell may be
// hidden for as long as it lasts.
QRect MessagePlace(const QRect& area, const BoardHit& board, int width, int height);
// The same for the model's message written in the overlay's (bold) font; empty for no message.
QRect MessageRect(const OverlayModel& model, const QFont& areaFont, const QRect& area, const BoardHit& board);

void PaintOverlay(QPainter& painter, const OverlayModel& model, const QRect& messageRect, const BoardHit& board);

// The help's message, made in the current language whenever it is shown, so that it follows a
// change of language. Shown in the status bar's help panel and in the board area's margin.
class HelpMessage {
public:
    explicit HelpMessage(WindowSeam& window) : window_(window) {}
    void Set(std::function<QString()> words);
    void Clear() { Set(nullptr); }
    const QString& Text() const { return text_; }   // the text last shown
    void FollowLanguage();                           // made again when the language changed

private:
    void Show();

    WindowSeam& window_;
    std::function<QString()> words_;
    QString text_;
    int language_ = -1;
};

} // namespace w4
