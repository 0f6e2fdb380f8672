// Help at the board: walking and pushing by mouse, deadlock marks, hints, the solver and the way
// back to the last position that can still be won. The searches run on a worker thread with
// copies of the positions; everything they find is applied here, on the window's thread, and
// every move they lead to goes through the ordinary move commands.
#include "app/help/boardhelp.h"

#include "app/help/assistsearch.h"
#include "app/help/assistworker.h"
#include "app/help/editorcheck.h"
#include "app/help/progressbox.h"
#include "app/help/solutionoptimizer.h"
#include "app/window/captions.h"
#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/bestscore.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/frontend.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/pathing.h"
#include "core/replay.h"
#include "core/reverse.h"
#include "core/usokoban.h"
#include "editor/boardmouse.h"
#include "solver/solver.h"

#include <QAction>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>

namespace {

constexpr double SolveSeconds = 60;      // Solve: a level a player may wait a minute for
constexpr double HintSeconds = 8;        // a hint is wanted at once
constexpr double CheckSeconds = 10;      // each position the last-solvable search checks
constexpr std::size_t SolveMemory = std::size_t(1) << 30;
constexpr int WalkStepMs = 35;           // a brisk walk, still visible step by step

// A position the help worked on: the result applies only while the same position is shown.
struct Position {
    int Mode = 0;
    int LevelIndex = -1;
    std::string File;
    int Width = 0, Height = 0;
    w4::BoardGrid Board{};

    bool operator==(const Position&) const = default;
};

// The board the help works on in each mode: the shown position in Play mode, the edited board
// in Editor mode, the level's start in Solution mode.
const w4::BoardGrid* WorkedBoard(const w4::GameState& g)
{
    if (g.HistoryLength <= 0 || g.SnapshotHistory.empty())
        return nullptr;
    if (g.GameMode == w4::ModePlay)
        return &g.Current().Board;
    return &g.SnapshotHistory.front().Board;
}

Position PositionOf(const w4::GameState& g)
{
    Position p;
    p.Mode = g.GameMode;
    p.LevelIndex = g.LevelIndex;
    if (g.LevelIndex >= 0 && static_cast<std::size_t>(g.LevelIndex) < g.Playlist.size())
        p.File = g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
    p.Width = g.LevelWidth;
    p.Height = g.LevelHeight;
    if (const w4::BoardGrid* board = WorkedBoard(g))
        p.Board = *board;
    return p;
}

// The level as its file holds it now (start position and stored solution).
w4::GameState LevelFromFile(const w4::GameState& g)
{
    return w4::LevelAsSaved(g);
}

QString InvalidText(const w4::GameState& g, w4::solver::InvalidReason reason)
{
    using R = w4::solver::InvalidReason;
    switch (reason) {
    case R::NoKeeper: return w4::Choose(g, "it needs exactly one keeper", "il faut exactement un gardien");
    case R::BoxTargetMismatch:
        return w4::Choose(g, "it needs as many boxes as targets, at least one",
                          "il faut autant de caisses que de cibles, au moins une");
    case R::Unreachable:
        return w4::Choose(g, "a box or a target lies where the keeper can never go",
                          "une caisse ou une cible est hors de portée du gardien");
    case R::TooLarge: return w4::Choose(g, "it is larger than the solver takes", "il est trop grand pour le solveur");
    case R::None: break;
    }
    return {};
}

} // namespace

namespace w4 {

struct AssistParts {
    explicit AssistParts(QObject* window) : Worker(window) {}

    w4::AssistWorker Worker;
    enum class Job { None, Solve, Hint, LastSolvable };
    Job Running = Job::None;
    QPointer<QProgressDialog> Progress;
    QTimer* ProgressTimer = nullptr;
    QString ProgressTitle;

    // A walk or push by mouse, or a hint being carried out: letters played one per tick.
    QTimer* WalkTimer = nullptr;
    std::string WalkLetters;
    std::size_t WalkNext = 0;
    int WalkLevel = -1;
    int WalkHistory = -1;   // the history index the next step starts from

    // Ctrl pressed on a box: where, and on which position.
    bool Dragging = false;
    int DragX = 0, DragY = 0, DragHistory = -1;

    // The position the marks were last worked out for.
    bool Seen = false;
    Position Shown;
    std::vector<std::pair<int, int>> Deadlocked;

    // The hint found for a position.
    bool HasHint = false;
    Position HintPosition;
    w4::PushMark Hint;

    // A command that needs the solver, put off while the hint search it cancelled comes to an end.
    std::function<void()> AfterHint;

    // The message of the help, made in the current language whenever it is shown, so it follows a
    // change of language; Message is the text last shown.
    std::function<QString()> Words;
    QString Message;
    int MessageLanguage = -1;
};

} // namespace w4

using w4::AssistParts;

namespace {

void UpdateProgress(w4::WindowSeam& w, AssistParts& a)
{
    if (!a.Progress)
        return;
    const w4::GameState& g = w.State();
    QString text = a.ProgressTitle + QStringLiteral("\n\n")
        + w4::Choose(g, "Time: %1 s    Positions explored: %2", "Temps : %1 s    Positions explorées : %2")
              .arg(static_cast<int>(a.Worker.Seconds()))
              .arg(QLocale().toString(static_cast<qulonglong>(a.Worker.Positions.load())));
    if (a.Running == AssistParts::Job::LastSolvable && a.Worker.Step > 0)
        text += QStringLiteral("\n")
            + w4::Choose(g, "Positions checked: %1", "Positions vérifiées : %1").arg(a.Worker.Step.load());
    a.Progress->setLabelText(text);
}

// Where a point of the board area falls on the board.
w4::BoardHit BoardHitOf(w4::WindowSeam& w, int x, int y)
{
    const QWidget* area = w.BoardArea();
    return w4::BoardHitTest(w.State(), area->width(), area->height(), x, y, area->devicePixelRatioF());
}

void ShowMessage(w4::WindowSeam& w, AssistParts& a)
{
    a.Message = a.Words ? a.Words() : QString();
    a.MessageLanguage = w.State().LanguageNumber;
    w.ShowHelpMessage(a.Message);
    // The eighth panel only shows on a wide window; the board area shows the message in a margin.
    w.BoardArea()->update();
}

void SetMessage(w4::WindowSeam& w, AssistParts& a, std::function<QString()> words)
{
    a.Words = std::move(words);
    ShowMessage(w, a);
}

void ClearMessage(w4::WindowSeam& w, AssistParts& a) { SetMessage(w, a, nullptr); }

// The line shown in the board area's margin: in the editor the live check's, in Play mode the
// help's own.
QString ShownMessage(const w4::GameState& g, const AssistParts& a, const w4::EditorCheck& check)
{
    return g.GameMode == w4::ModePlay ? a.Message : g.GameMode == w4::ModeEditor ? check.Text() : QString();
}

} // namespace

w4::BoardHelp::BoardHelp(WindowSeam& window)
    : window_(window)
    , game_(window.State())
    , parts_(std::make_unique<AssistParts>(window.Window()))
{
    // The timers and the worker answer on the window's thread, through the window as before.
    QWidget* const owner = window_.Window();
    AssistParts& a = *parts_;
    a.WalkTimer = new QTimer(owner);
    a.WalkTimer->setObjectName(QStringLiteral("TimerWalk"));
    a.WalkTimer->setInterval(WalkStepMs);
    QObject::connect(a.WalkTimer, &QTimer::timeout, owner, [this] {
        window_.Guarded([this] {
            AssistParts& parts = *parts_;
            const auto stillOurs = [this, &parts] {
                return game_.GameMode == w4::ModePlay && game_.LevelInPlay && game_.LevelIndex == parts.WalkLevel &&
                       game_.HistoryIndex == parts.WalkHistory;
            };
            if (parts.WalkNext >= parts.WalkLetters.size() || !stillOurs()) {
                parts.WalkTimer->stop();
                parts.WalkLetters.clear();
                return;
            }
            const char letter = parts.WalkLetters[parts.WalkNext++];
            parts.WalkHistory = game_.HistoryIndex + 1;
            w4::MoveByLetter(game_, window_.Screen(), letter);
            if (parts.WalkNext >= parts.WalkLetters.size()) {
                parts.WalkTimer->stop();
                parts.WalkLetters.clear();
            }
        });
    });
    a.ProgressTimer = new QTimer(owner);
    a.ProgressTimer->setInterval(200);
    QObject::connect(a.ProgressTimer, &QTimer::timeout, owner, [this] { UpdateProgress(window_, *parts_); });
    SetUpMenuChecks();
    // An optimized solution's film plays from the level's start as its file holds it, like a
    // solution the solver found.
    optimizer_ = std::make_unique<SolutionOptimizer>(window_, [this](const std::string& letters) {
        if (!w4::MayDropUnsavedDrawing(window_, w4::Choose(game_, "Showing the solution in Solution mode drops the changes.",
                                                           "La montrer en mode Solution abandonne les modifications.")))
            return;
        const w4::GameState file = LevelFromFile(game_);
        if (file.SnapshotHistory.empty())
            return;
        const w4::FilmStart start{file.LevelWidth, file.LevelHeight, file.SnapshotHistory.front().Board};
        if (!window_.SetGameMode(w4::ModeSolution))
            return;
        window_.ShowOwnFilm(letters, 0, start);
        window_.PlayFilm();
    });
    check_ = std::make_unique<EditorCheck>(window_);
}

w4::BoardHelp::~BoardHelp() = default;

// --- Walks by mouse ------------------------------------------------------------------------

namespace {

void StartWalk(w4::WindowSeam& w, AssistParts& a, const std::string& letters)
{
    a.WalkLetters = letters;
    a.WalkNext = 0;
    a.WalkLevel = w.State().LevelIndex;
    a.WalkHistory = w.State().HistoryIndex;
    if (!letters.empty())
        a.WalkTimer->start();
}

// The rest of a walk at once: a key or a click must act on where the walk was going.
void FinishWalk(w4::WindowSeam& w, AssistParts& a)
{
    if (!a.WalkTimer->isActive())
        return;
    a.WalkTimer->stop();
    w4::GameState& g = w.State();
    while (a.WalkNext < a.WalkLetters.size() && g.GameMode == w4::ModePlay && g.LevelInPlay &&
           g.LevelIndex == a.WalkLevel && g.HistoryIndex == a.WalkHistory) {
        a.WalkHistory = g.HistoryIndex + 1;
        w4::MoveByLetter(g, w.Screen(), a.WalkLetters[a.WalkNext++]);
    }
    a.WalkLetters.clear();
}

void Refuse(w4::WindowSeam& w, AssistParts& a, const char* english, const char* french)
{
    w.Screen().PlaySample(w4::Sample::Kick);
    SetMessage(w, a, [&g = w.State(), english, french] { return w4::Choose(g, english, french); });
}

void CancelHintSearch(AssistParts& a)
{
    if (a.Running == AssistParts::Job::Hint)
        a.Worker.Cancel();
}

// A command that needs the solver never waits on a hint: the hint search is cancelled and the
// command runs once its thread has ended (a cancel is answered within 100 ms), the window
// answering meanwhile. Another job running says so. True when the command must not run now.
bool SolverTaken(w4::WindowSeam& w, AssistParts& a, std::function<void()> command)
{
    if (!a.Worker.Busy())
        return false;
    if (a.Running == AssistParts::Job::Hint) {
        a.Worker.Cancel();
        a.AfterHint = std::move(command);
    } else {
        SetMessage(w, a, [&g = w.State()] {
            return w4::Choose(g, "The solver is busy: cancel its search first.", "Le solveur est occupé : annulez d'abord sa recherche.");
        });
    }
    return true;
}

} // namespace

bool w4::BoardHelp::MouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    AssistParts& a = *parts_;
    FinishWalk();
    CancelHintSearch();
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (game_.GameMode != w4::ModePlay || buttons != Qt::LeftButton || mods != Qt::ControlModifier)
        return false;
    a.Dragging = false;
    const w4::BoardHit hit = BoardHitOf(window_, position.x(), position.y());
    if (!hit.OnBoard || !game_.LevelInPlay)
        return true;
    const char cell = w4::CellAt(game_, hit.Column, hit.Row);
    if (cell == '$' || cell == '*') {
        // A push: the box goes where the button is let go.
        a.Dragging = true;
        a.DragX = hit.Column;
        a.DragY = hit.Row;
        a.DragHistory = game_.HistoryIndex;
        return true;
    }
    const auto path = w4::WalkPath(w4::ShownBoard(game_), game_.KeeperX, game_.KeeperY, hit.Column, hit.Row);
    if (!path)
        Refuse(window_, a, "The keeper cannot get there.", "Le gardien ne peut pas aller là.");
    else
        StartWalk(window_, a, *path);
    return true;
}

bool w4::BoardHelp::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) const
{
    // A Ctrl drag is a push chosen by its end; it takes no steps on the way.
    return game_.GameMode == w4::ModePlay && buttons.testFlag(Qt::LeftButton) &&
           modifiers.testFlag(Qt::ControlModifier);
}

void w4::BoardHelp::MouseUp(const QPoint& position, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !parts_->Dragging)
        return;
    AssistParts& a = *parts_;
    a.Dragging = false;
    if (game_.GameMode != w4::ModePlay || !game_.LevelInPlay || game_.HistoryIndex != a.DragHistory)
        return;
    const w4::BoardHit hit = BoardHitOf(window_, position.x(), position.y());
    if (!hit.OnBoard || (hit.Column == a.DragX && hit.Row == a.DragY))
        return;
    const auto path =
        w4::PushPath(w4::ShownBoard(game_), game_.KeeperX, game_.KeeperY, a.DragX, a.DragY, hit.Column, hit.Row);
    if (!path)
        Refuse(window_, a, "That box cannot be pushed there.", "Cette caisse ne peut pas aller là.");
    else
        StartWalk(window_, a, *path);
}

void w4::BoardHelp::FinishWalk() { ::FinishWalk(window_, *parts_); }
void w4::BoardHelp::CancelHintSearch() { ::CancelHintSearch(*parts_); }

bool w4::BoardHelp::Walking() const { return parts_->WalkTimer->isActive(); }

// --- Marks over the board ------------------------------------------------------------------

void w4::BoardHelp::Refresh()
{
    AssistParts& a = *parts_;
    UpdateMenuChecks();
    check_->Refresh();

    if (a.Words && a.MessageLanguage != game_.LanguageNumber)
        ShowMessage(window_, a);
    const Position now = PositionOf(game_);
    if (a.Seen && now == a.Shown)
        return;
    const bool sameLevel = a.Seen && now.Mode == a.Shown.Mode && now.LevelIndex == a.Shown.LevelIndex;
    // A hint is for the level and mode it was asked in: another one ends its search.
    if (!sameLevel)
        CancelHintSearch();
    a.Seen = true;
    a.Shown = now;
    if (a.HasHint && !(a.HintPosition == now))
        a.HasHint = false;
    const std::size_t before = a.Deadlocked.size();
    a.Deadlocked.clear();
    // In reverse play a box is lost when no pulls can take it back to a cell where a box starts.
    const bool reverse = game_.Reverse && game_.OtherAttempt.Present;
    if (game_.GameMode == w4::ModePlay && game_.DeadlockWarnings && game_.LevelWidth > 0 && game_.LevelHeight > 0)
        a.Deadlocked = reverse ? w4::ReverseDeadlockedBoxes(game_.OtherAttempt.History[0].Board, now.Board, now.Width, now.Height)
                               : w4::solver::DeadlockedBoxes(w4::BoardRows(now.Board, now.Width, now.Height));
    if (!a.Deadlocked.empty()) {
        if (!sameLevel || a.Deadlocked.size() != before || a.Message.isEmpty())
            SetMessage(window_, a, [this, reverse, count = a.Deadlocked.size()] {
                if (reverse)
                    return count == 1 ? w4::Choose(game_, "Deadlock: a box can no longer be pulled back to a start cell.",
                                                   "Blocage : une caisse ne peut plus être ramenée sur une case de départ.")
                                      : w4::Choose(game_, "Deadlock: %1 boxes can no longer be pulled back to a start cell.",
                                                   "Blocage : %1 caisses ne peuvent plus être ramenées sur une case de départ.")
                                            .arg(count);
                return count == 1 ? w4::Choose(game_, "Deadlock: a box can no longer reach a target.",
                                               "Blocage : une caisse ne peut plus atteindre de cible.")
                                  : w4::Choose(game_, "Deadlock: %1 boxes can no longer reach a target.",
                                               "Blocage : %1 caisses ne peuvent plus atteindre de cible.")
                                        .arg(count);
            });
    } else if (!a.Message.isEmpty()) {
        ClearMessage(window_, a);
    }
    window_.BoardArea()->update();
}

void w4::BoardHelp::Paint(QPainter& painter) const
{
    const AssistParts& a = *parts_;
    if (const QRect box = MessageRect(); !box.isEmpty()) {
        // A line in the margin under (or over) the board, readable over any background.
        const QString message = ShownMessage(game_, a, *check_);
        painter.save();
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 180));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, metrics.elidedText(message, Qt::ElideRight, box.width() - 8));
        painter.restore();
    }
    if (game_.GameMode != w4::ModePlay || (a.Deadlocked.empty() && !a.HasHint))
        return;
    const w4::BoardHit board = BoardHitOf(window_, 0, 0);
    if (!board.HasRect || game_.LevelWidth <= 0 || game_.LevelHeight <= 0)
        return;
    const double cw = double(board.Width) / game_.LevelWidth, ch = double(board.Height) / game_.LevelHeight;
    const auto cell = [&](int x, int y) { return QRectF(board.Left + x * cw, board.Top + y * ch, cw, ch); };
    const double thick = std::max(2.0, std::min(cw, ch) / 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Deadlocked boxes: an amber frame and cross edged in black, seen over any tile set.
    for (const auto& [x, y] : a.Deadlocked) {
        const QRectF r = cell(x, y).adjusted(thick, thick, -thick, -thick);
        for (const QPen& pen : {QPen(QColor(0, 0, 0, 200), thick + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
                                QPen(QColor(255, 190, 0), thick, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)}) {
            painter.setPen(pen);
            painter.drawRect(r);
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomLeft());
        }
    }
    if (a.HasHint) {
        // The hint: a green frame round the box, an arrow to the cell it goes to, a ring there.
        const QRectF from = cell(a.Hint.BoxX, a.Hint.BoxY), to = cell(a.Hint.ToX, a.Hint.ToY);
        const QColor green(40, 220, 60, 230);
        painter.setPen(QPen(green, thick, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawRect(from.adjusted(thick / 2, thick / 2, -thick / 2, -thick / 2));
        painter.drawEllipse(to.adjusted(to.width() / 4, to.height() / 4, -to.width() / 4, -to.height() / 4));
        const QPointF tip = to.center(), tail = from.center();
        painter.drawLine(tail, tip);
        const QPointF along = (tip - tail) / 3;
        const QPointF across(-along.y(), along.x());
        painter.drawLine(tip, tip - along + across / 2);
        painter.drawLine(tip, tip - along - across / 2);
    }
    painter.restore();
}

QRect w4::BoardHelp::MessageRect() const
{
    const QString message = ShownMessage(game_, *parts_, *check_);
    if (message.isEmpty())
        return {};
    QFont font = window_.BoardArea()->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QRect area = window_.BoardArea()->rect();
    const int width = std::min(area.width() - 8, metrics.horizontalAdvance(message) + 16);
    const int height = metrics.height() + 8;
    // The margin below the board, else the one above it; with neither (a stretched board) the
    // status bar alone carries the message, as no cell may be hidden for as long as it lasts.
    const w4::BoardHit board = BoardHitOf(window_, 0, 0);
    const int top = board.HasRect ? board.Top : area.bottom() + 1;
    const int bottom = board.HasRect ? board.Top + board.Height : area.top();
    if (area.bottom() + 1 - bottom >= height + 4)
        return {area.center().x() - width / 2, area.bottom() - height - 3, width, height};
    if (top - area.top() >= height + 4)
        return {area.center().x() - width / 2, area.top() + 3, width, height};
    return {};
}

std::vector<std::pair<int, int>> w4::BoardHelp::DeadlockMarks() const
{
    return parts_->Deadlocked;
}

std::optional<std::array<int, 4>> w4::BoardHelp::HintMark() const
{
    if (!parts_->HasHint)
        return std::nullopt;
    const w4::PushMark& m = parts_->Hint;
    return std::array<int, 4>{m.BoxX, m.BoxY, m.ToX, m.ToY};
}

void w4::BoardHelp::ToggleDeadlockWarnings()
{
    game_.DeadlockWarnings = !game_.DeadlockWarnings;
    parts_->Seen = false;   // work the marks out again, or drop them
    window_.Screen().RefreshStatus();
}

// --- Jobs on the worker thread -------------------------------------------------------------

bool w4::BoardHelp::Busy() const { return parts_->Worker.Busy() || optimizer_->Busy(); }
QWidget* w4::BoardHelp::Progress() const { return parts_->Progress ? parts_->Progress.data() : optimizer_->Progress(); }

namespace {

void OpenProgress(w4::WindowSeam& w, AssistParts& a, const QString& title)
{
    a.ProgressTitle = title;
    a.Progress = w4::OpenSearchProgress(w.Window(), "DLGAssistProgress", title, w4::Choose(w.State(), "Cancel", "Annuler"),
                                        360, [&a] { a.Worker.Cancel(); });
    a.ProgressTimer->start();
    UpdateProgress(w, a);
}

void CloseProgress(AssistParts& a)
{
    a.ProgressTimer->stop();
    if (a.Progress) {
        a.Progress->hide();
        a.Progress->deleteLater();
    }
    a.Progress = nullptr;
}

w4::solver::Options SolverOptions(w4::AssistWorker& worker, double seconds, std::uint64_t base)
{
    w4::solver::Options options;
    options.timeLimitSeconds = seconds;
    options.memoryBudgetBytes = SolveMemory;
    // A second core lets the feature searches run beside the others instead of taking turns
    // with them: stronger hints and checks on hard levels, in the same time and memory.
    options.threads = w4::solver::DefaultThreads();
    options.cancel = &worker.CancelFlag();
    options.progress = [&worker, base](const w4::solver::Progress& p) { worker.Positions = base + p.positions; };
    return options;
}

} // namespace

void w4::BoardHelp::Solve()
{
    if (SolverTaken(window_, *parts_, [this] { Solve(); }))
        return;
    AssistParts& a = *parts_;
    FinishWalk();
    const w4::BoardGrid* board = WorkedBoard(game_);
    if (board == nullptr || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 || game_.Playlist.empty())
        return;
    // Nothing to find on a board that is solved already.
    if (w4::IsSolved(game_) && (game_.GameMode == w4::ModePlay || game_.HistoryIndex == 0)) {
        window_.Dialog().Notice(game_.GameMode == w4::ModePlay && game_.HistoryIndex > 0
                                    ? w4::Choose(game_, "This position is solved already.", "Cette position est déjà résolue.")
                                    : w4::Choose(game_, "This level is solved already.", "Ce niveau est déjà résolu."));
        return;
    }
    const Position start = PositionOf(game_);
    const w4::BoardGrid attemptStart = game_.SnapshotHistory.front().Board;
    const std::vector<std::string> rows = w4::BoardRows(*board, game_.LevelWidth, game_.LevelHeight);
    // A solution from a position in the middle of an attempt is kept as the attempt's moves so far
    // followed by the solver's: a solution from the level's start, as every solution file holds.
    const std::string before =
        game_.GameMode == w4::ModePlay ? w4::SolutionLetters(game_).substr(0, static_cast<std::size_t>(game_.HistoryIndex))
                                      : std::string();
    auto result = std::make_shared<w4::solver::Result>();
    a.Running = AssistParts::Job::Solve;
    a.Worker.Start(
        [rows, result](w4::AssistWorker& worker) {
            *result = w4::solver::Solve(rows, SolverOptions(worker, SolveSeconds, 0));
        },
        [this, start, attemptStart, before, result] {
            AssistParts& parts = *parts_;
            parts.Running = AssistParts::Job::None;
            CloseProgress(parts);
            // The window may have moved on meanwhile (the dialog does not stop every command).
            if (!(PositionOf(game_) == start))
                return;
            window_.Guarded([this, &start, &attemptStart, &before, &result] {
                const w4::solver::Result& r = *result;
                const bool editing = start.Mode == w4::ModeEditor;
                const bool midAttempt = start.Mode == w4::ModePlay && !before.empty();
                switch (r.outcome) {
                case w4::solver::Outcome::Cancelled:
                    return;
                case w4::solver::Outcome::Unsolvable:
                    window_.Dialog().Notice(editing ? w4::Choose(game_, "The level as drawn cannot be solved.",
                                                        "Le niveau tel qu'il est dessiné n'a pas de solution.")
                                   : midAttempt ? w4::Choose(game_, "This position cannot be solved any more.",
                                                             "Cette position n'a plus de solution.")
                                                : w4::Choose(game_, "This level cannot be solved.",
                                                             "Ce niveau n'a pas de solution."));
                    return;
                case w4::solver::Outcome::OutOfTime:
                    window_.Dialog().Notice(w4::Choose(game_, "No solution found within the time limit of %1 seconds.",
                                              "Aucune solution trouvée dans la limite de %1 secondes.")
                                       .arg(static_cast<int>(SolveSeconds)));
                    return;
                case w4::solver::Outcome::OutOfMemory:
                    window_.Dialog().Notice(w4::Choose(game_, "No solution found within the memory limit of %1 MiB.",
                                              "Aucune solution trouvée dans la limite de mémoire de %1 Mio.")
                                       .arg(static_cast<qulonglong>(SolveMemory >> 20)));
                    return;
                case w4::solver::Outcome::Invalid:
                    window_.Dialog().Notice(w4::Choose(game_, "This level cannot be solved as it is: %1.",
                                              "Ce niveau ne peut pas être résolu tel quel : %1.")
                                       .arg(InvalidText(game_, r.invalid)));
                    return;
                case w4::solver::Outcome::Solved:
                    break;
                }
                int pushes = 0;
                for (const char c : r.moves)
                    pushes += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
                // Keeping it: only a solution from the level's start as its file holds it, and only
                // by the best-score rule.
                const std::string full = before + r.moves;
                const w4::GameState file = LevelFromFile(game_);
                const bool fromFileStart =
                    file.LevelWidth == start.Width && file.LevelHeight == start.Height && !file.SnapshotHistory.empty() &&
                    file.SnapshotHistory.front().Board == attemptStart;
                QString offer = w4::Choose(game_, "Solution found: %1 moves, %2 pushes.\r\n\r\nDo you want to watch it ?",
                                           "Solution trouvée : %1 mouvements, %2 poussées.\r\n\r\nVoulez-vous la regarder ?")
                                    .arg(r.moves.size())
                                    .arg(pushes);
                // Solution mode shows the level from its file: the author must know what the switch costs.
                if (editing && !fromFileStart)
                    offer += w4::Choose(game_, "\r\n(The level's unsaved changes will be lost.)",
                                        "\r\n(Les modifications non enregistrées du niveau seront perdues.)");
                const bool watch = window_.Dialog().Question(offer);
                if (fromFileStart)
                    w4::OfferToKeepSolution(file, window_.Screen(), full);
                if (!watch || !window_.SetGameMode(w4::ModeSolution))
                    return;
                // A film of its own, never the level's start or stored solution: from the file's
                // start through the attempt so far when it began there, else on the drawn board.
                if (fromFileStart && game_.SnapshotHistory.front().Board == attemptStart)
                    window_.ShowOwnFilm(full, before.size());
                else
                    window_.ShowOwnFilm(r.moves, 0, w4::FilmStart{start.Width, start.Height, start.Board});
                window_.PlayFilm();
            });
        });
    OpenProgress(window_, a, w4::Choose(game_, "Solving the level...", "Résolution du niveau..."));
}

// A level with no stored solution has nothing to play: offer to solve it instead. A stored
// solution that does not solve the level (left from an older version of it, say) is not played.
bool w4::BoardHelp::OfferSolve()
{
    if (game_.GameMode != w4::ModeSolution || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 ||
        game_.Playlist.empty())
        return false;
    const bool none = game_.StoredSolution.empty();
    if (!none && w4::StoredSolutionSolves(game_))
        return false;
    if (SolverTaken(window_, *parts_, [this] { OfferSolve(); }))
        return true;
    const QString problem = none ? w4::Choose(game_, "This level has no solution yet.", "Ce niveau n'a pas encore de solution.")
                                 : w4::Choose(game_, "The stored solution does not solve this level.",
                                              "La solution enregistrée ne résout pas ce niveau.");
    // On No the film runs as ever when there is nothing to play: it stops at its first tick.
    if (!window_.Dialog().Question(problem + w4::Choose(game_, "\r\n\r\nDo you want to solve it now ?",
                                                        "\r\n\r\nVoulez-vous le résoudre maintenant ?")))
        return !none;
    Solve();
    return true;
}

void w4::BoardHelp::Hint()
{
    if (game_.GameMode != w4::ModePlay || !game_.LevelInPlay)
        return;
    AssistParts& a = *parts_;
    FinishWalk();
    const Position now = PositionOf(game_);
    if (a.HasHint && a.HintPosition == now) {
        // Second press: the keeper walks to the box by a shortest way and pushes it.
        const w4::PushMark m = a.Hint;
        const int dx = m.ToX - m.BoxX, dy = m.ToY - m.BoxY;
        const auto walk = w4::WalkPath(w4::ShownBoard(game_), game_.KeeperX, game_.KeeperY, m.BoxX - dx, m.BoxY - dy);
        const char push = dx < 0 ? 'L' : dx > 0 ? 'R' : dy < 0 ? 'U' : 'D';
        a.HasHint = false;
        StartWalk(window_, a, walk ? *walk + push : m.Letters);
        return;
    }
    if (a.Worker.Busy())
        return;
    if (w4::IsSolved(game_))
        return;
    const std::vector<std::string> rows = w4::BoardRows(now.Board, now.Width, now.Height);
    auto result = std::make_shared<w4::solver::Result>();
    a.Running = AssistParts::Job::Hint;
    SetMessage(window_, a, [this] { return w4::Choose(game_, "Looking for a hint...", "Recherche d'un indice..."); });
    a.Worker.Start(
        [rows, result](w4::AssistWorker& worker) {
            *result = w4::solver::Solve(rows, SolverOptions(worker, HintSeconds, 0));
        },
        [this, now, rows, result] {
            AssistParts& parts = *parts_;
            parts.Running = AssistParts::Job::None;
            if (parts.Message == w4::Choose(game_, "Looking for a hint...", "Recherche d'un indice..."))
                ClearMessage(window_, parts);
            if (parts.AfterHint) {
                const std::function<void()> next = std::move(parts.AfterHint);
                parts.AfterHint = nullptr;
                window_.Guarded(next);
                return;
            }
            if (!(PositionOf(game_) == now) || result->outcome == w4::solver::Outcome::Cancelled)
                return;
            window_.Guarded([this, &parts, &now, &rows, &result] {
                const w4::solver::Result& r = *result;
                if (r.outcome == w4::solver::Outcome::Solved) {
                    if (const auto mark = w4::FirstPush(rows, r.moves)) {
                        parts.Hint = *mark;
                        parts.HintPosition = now;
                        parts.HasHint = true;
                        SetMessage(window_, parts, [this] {
                            return w4::Choose(game_, "Hint: push the marked box (H does it).",
                                              "Indice : poussez la caisse marquée (H le fait).");
                        });
                        window_.BoardArea()->update();
                    }
                } else if (r.outcome == w4::solver::Outcome::Unsolvable) {
                    if (window_.Dialog().Question(w4::Choose(
                            game_,
                            "This position cannot be solved any more.\r\n\r\nDo you want to go back to the last "
                            "position from which it can ?",
                            "Cette position n'a plus de solution.\r\n\r\nVoulez-vous revenir à la dernière position "
                            "qui en a une ?")))
                        LastSolvable();
                } else if (r.outcome == w4::solver::Outcome::Invalid) {
                    SetMessage(window_, parts, [this, why = r.invalid] {
                        return w4::Choose(game_, "No hint: %1.", "Pas d'indice : %1.").arg(InvalidText(game_, why));
                    });
                } else {
                    SetMessage(window_, parts, [this] {
                        return w4::Choose(game_, "No hint found within %1 seconds.", "Aucun indice trouvé en %1 secondes.")
                            .arg(static_cast<int>(HintSeconds));
                    });
                }
            });
        });
}

void w4::BoardHelp::LastSolvable()
{
    if (game_.GameMode != w4::ModePlay || game_.HistoryLength <= 0 || game_.LevelWidth <= 0 || game_.LevelHeight <= 0 ||
        SolverTaken(window_, *parts_, [this] { LastSolvable(); }))
        return;
    AssistParts& a = *parts_;
    FinishWalk();
    const std::vector<std::string> startRows =
        w4::BoardRows(game_.SnapshotHistory.front().Board, game_.LevelWidth, game_.LevelHeight);
    const std::string letters = w4::SolutionLetters(game_);
    const int shown = game_.HistoryIndex;
    const Position now = PositionOf(game_);
    const int length = game_.HistoryLength;
    auto result = std::make_shared<w4::LastSolvableResult>();
    a.Running = AssistParts::Job::LastSolvable;
    a.Worker.Start(
        [startRows, letters, shown, result](w4::AssistWorker& worker) {
            std::uint64_t explored = 0;
            *result = w4::FindLastSolvable(startRows, letters, shown, [&](const std::vector<std::string>& rows) {
                ++worker.Step;
                w4::Solvability verdict = w4::Solvability::Unknown;
                if (!w4::solver::DeadlockedBoxes(rows).empty()) {
                    verdict = w4::Solvability::Unsolvable;
                } else {
                    const w4::solver::Result r = w4::solver::Solve(rows, SolverOptions(worker, CheckSeconds, explored));
                    explored += r.positions;
                    worker.Positions = explored;
                    switch (r.outcome) {
                    case w4::solver::Outcome::Solved: verdict = w4::Solvability::Solvable; break;
                    case w4::solver::Outcome::Unsolvable: verdict = w4::Solvability::Unsolvable; break;
                    case w4::solver::Outcome::Cancelled: verdict = w4::Solvability::Cancelled; break;
                    default: break;
                    }
                }
                return verdict;
            });
        },
        [this, now, length, result] {
            AssistParts& parts = *parts_;
            parts.Running = AssistParts::Job::None;
            CloseProgress(parts);
            if (!(PositionOf(game_) == now) || game_.HistoryLength != length || result->Cancelled)
                return;
            window_.Guarded([this, &parts, &result] {
                const w4::LastSolvableResult& r = *result;
                if (r.StartUnsolvable) {
                    window_.Dialog().Notice(w4::Choose(game_, "This level cannot be solved, not even from its start.",
                                              "Ce niveau n'a pas de solution, même depuis le début."));
                    return;
                }
                if (r.ShownSolvable) {
                    window_.Dialog().Notice(w4::Choose(game_, "The level can still be solved from the shown position.",
                                              "Le niveau a encore une solution depuis la position affichée."));
                    return;
                }
                // Shown as undo shows it: the later positions stay there for redo.
                w4::ScrollHistoryTo(game_, window_.Screen(), r.Index + 1);
                window_.Screen().SetHistoryBarPosition(game_.HistoryIndex + 1);
                SetMessage(window_, parts, [this, uncertain = r.Uncertain, index = r.Index] {
                    return uncertain ? w4::Choose(game_, "Back to move %1 (later ones not proven lost).",
                                                  "Retour au mouvement %1 (les suivants non prouvés perdus).")
                                           .arg(index)
                                     : w4::Choose(game_, "Back to move %1: the last winnable position.",
                                                  "Retour au mouvement %1 : la dernière position gagnable.")
                                           .arg(index);
                });
                if (r.Uncertain && r.Proven)
                    window_.Dialog().Notice(w4::Choose(game_,
                                              "The level can be solved from move %1. Some later positions could not "
                                              "be checked in time, so one of them may also be winnable.",
                                              "Le niveau a une solution depuis le mouvement %1. Certaines positions "
                                              "suivantes n'ont pas pu être vérifiées à temps ; l'une d'elles peut "
                                              "aussi être gagnable.")
                                       .arg(r.Index));
                else if (r.Uncertain)
                    window_.Dialog().Notice(w4::Choose(game_,
                                              "The positions could not be checked in time. Shown: move %1, the last "
                                              "one before the first push in doubt; it is not proven winnable.",
                                              "Les positions n'ont pas pu être vérifiées à temps. Affiché : le "
                                              "mouvement %1, le dernier avant la première poussée douteuse ; il "
                                              "n'est pas prouvé gagnable.")
                                       .arg(r.Index));
            });
        });
    OpenProgress(window_, a,
                 w4::Choose(game_, "Looking for the last position that can be solved...",
                            "Recherche de la dernière position soluble..."));
}

// --- Optimizing, and the editor's live check ----------------------------------------------

void w4::BoardHelp::OptimizeSolution()
{
    if (Busy())
        return;
    FinishWalk();
    optimizer_->Start();
}

void w4::BoardHelp::ToggleLiveCheck() { check_->Toggle(); }

QString w4::BoardHelp::LiveCheckText() const { return check_->Text(); }

std::uint64_t w4::BoardHelp::LiveChecksStarted() const { return check_->Submitted(); }
