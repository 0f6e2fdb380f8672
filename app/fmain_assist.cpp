// Help at the board: walking and pushing by mouse, deadlock marks, hints, the solver and the way
// back to the last position that can still be won. The searches run on a worker thread with
// copies of the positions; everything they find is applied here, on the window's thread, and
// every move they lead to goes through the ordinary move commands.
#include "app/fmain.h"

#include "app/assistsearch.h"
#include "app/assistworker.h"
#include "app/boardview.h"
#include "app/captions.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/history.h"
#include "core/loading.h"
#include "core/pathing.h"
#include "core/replay.h"
#include "core/usokoban.h"
#include "editor/boardmouse.h"
#include "solver/solver.h"

#include <QAction>
#include <QLabel>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <memory>
#include <thread>

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
    w4::GameState file;
    file.ProgramFolder = g.ProgramFolder;
    file.Places = g.Places;
    file.Playlist = g.Playlist;
    file.LevelIndex = g.LevelIndex;
    file.GameMode = w4::ModePlay;
    file.Now = g.Now;
    w4::SilentFrontend silent;
    w4::LoadLevel(file, silent);
    return file;
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

struct AssistParts {
    explicit AssistParts(TFRMMain& window) : Worker(&window) {}

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

    // A film of a solution the solver found, from the position it was found for.
    struct Film {
        int LevelIndex = -1;
        int Width = 0, Height = 0;
        w4::BoardGrid Start{};
        std::string Letters;
    };
    std::optional<Film> SolvedFilm;

    QString Message;
};

void AssistPartsDeleter::operator()(AssistParts* parts) const { delete parts; }

namespace {

void UpdateProgress(TFRMMain& w, AssistParts& a)
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

void SetMessage(TFRMMain& w, AssistParts& a, const QString& text)
{
    a.Message = text;
    if (QLabel* panel = w.StatusPanels[7]) {
        panel->setText(text);
        panel->setToolTip(text);
    }
    // The eighth panel only shows on a wide window; the board area shows the message always.
    w.IMGSokoban->update();
}

} // namespace

void TFRMMain::StartAssist()
{
    Assist.reset(new AssistParts(*this));
    AssistParts& a = *Assist;
    a.WalkTimer = new QTimer(this);
    a.WalkTimer->setObjectName(QStringLiteral("TimerWalk"));
    a.WalkTimer->setInterval(WalkStepMs);
    connect(a.WalkTimer, &QTimer::timeout, this, [this] {
        Guarded([this] {
            AssistParts& parts = *Assist;
            const auto stillOurs = [this, &parts] {
                return Game.GameMode == w4::ModePlay && Game.LevelInPlay && Game.LevelIndex == parts.WalkLevel &&
                       Game.HistoryIndex == parts.WalkHistory;
            };
            if (parts.WalkNext >= parts.WalkLetters.size() || !stillOurs()) {
                parts.WalkTimer->stop();
                parts.WalkLetters.clear();
                return;
            }
            const char letter = parts.WalkLetters[parts.WalkNext++];
            parts.WalkHistory = Game.HistoryIndex + 1;
            w4::MoveByLetter(Game, *this, letter);
            if (parts.WalkNext >= parts.WalkLetters.size()) {
                parts.WalkTimer->stop();
                parts.WalkLetters.clear();
            }
        });
    });
    a.ProgressTimer = new QTimer(this);
    a.ProgressTimer->setInterval(200);
    connect(a.ProgressTimer, &QTimer::timeout, this, [this] { UpdateProgress(*this, *Assist); });
    for (const char* prefix : {"MNU", "POP"})
        if (QAction* item = MenuItem(QString::fromLatin1(prefix) + QStringLiteral("ToolsDeadlockWarnings")))
            item->setCheckable(true);
}

// --- Walks by mouse ------------------------------------------------------------------------

namespace {

void StartWalk(TFRMMain& w, AssistParts& a, const std::string& letters)
{
    a.WalkLetters = letters;
    a.WalkNext = 0;
    a.WalkLevel = w.State().LevelIndex;
    a.WalkHistory = w.State().HistoryIndex;
    if (!letters.empty())
        a.WalkTimer->start();
}

// The rest of a walk at once: a key or a click must act on where the walk was going.
void FinishWalk(TFRMMain& w, AssistParts& a)
{
    if (!a.WalkTimer->isActive())
        return;
    a.WalkTimer->stop();
    w4::GameState& g = w.State();
    while (a.WalkNext < a.WalkLetters.size() && g.GameMode == w4::ModePlay && g.LevelInPlay &&
           g.LevelIndex == a.WalkLevel && g.HistoryIndex == a.WalkHistory) {
        a.WalkHistory = g.HistoryIndex + 1;
        w4::MoveByLetter(g, w, a.WalkLetters[a.WalkNext++]);
    }
    a.WalkLetters.clear();
}

void Refuse(TFRMMain& w, AssistParts& a, const QString& text)
{
    w.PlaySample(w4::Sample::Kick);
    SetMessage(w, a, text);
}

void CancelHintSearch(AssistParts& a)
{
    if (a.Running == AssistParts::Job::Hint)
        a.Worker.Cancel();
}

} // namespace

bool TFRMMain::AssistKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!Assist)
        return false;
    AssistParts& a = *Assist;
    FinishWalk(*this, a);
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_H && mods == Qt::NoModifier && Game.GameMode == w4::ModePlay) {
        MNUToolsHintClick();
        return true;
    }
    // Modifier keys alone are part of a Ctrl click, not a wish to stop the hint.
    if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
        CancelHintSearch(a);
    return false;
}

bool TFRMMain::AssistMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (!Assist)
        return false;
    AssistParts& a = *Assist;
    FinishWalk(*this, a);
    CancelHintSearch(a);
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (Game.GameMode != w4::ModePlay || buttons != Qt::LeftButton || mods != Qt::ControlModifier)
        return false;
    a.Dragging = false;
    const w4::BoardHit hit = w4::BoardHitTest(Game, IMGSokoban->width(), IMGSokoban->height(), position.x(), position.y());
    if (!hit.OnBoard || !Game.LevelInPlay)
        return true;
    const char cell = w4::CellAt(Game, hit.Column, hit.Row);
    if (cell == '$' || cell == '*') {
        // A push: the box goes where the button is let go.
        a.Dragging = true;
        a.DragX = hit.Column;
        a.DragY = hit.Row;
        a.DragHistory = Game.HistoryIndex;
        return true;
    }
    const auto path = w4::WalkPath(w4::ShownBoard(Game), Game.KeeperX, Game.KeeperY, hit.Column, hit.Row);
    if (!path)
        Refuse(*this, a, w4::Choose(Game, "The keeper cannot get there.", "Le gardien ne peut pas aller là."));
    else
        StartWalk(*this, a, *path);
    return true;
}

bool TFRMMain::AssistMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    // A Ctrl drag is a push chosen by its end; it takes no steps on the way.
    return Assist && Game.GameMode == w4::ModePlay && buttons.testFlag(Qt::LeftButton) &&
           modifiers.testFlag(Qt::ControlModifier);
}

void TFRMMain::IMGSokobanMouseUp(const QPoint& position, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (!Assist || button != Qt::LeftButton || !Assist->Dragging)
        return;
    AssistParts& a = *Assist;
    a.Dragging = false;
    if (Game.GameMode != w4::ModePlay || !Game.LevelInPlay || Game.HistoryIndex != a.DragHistory)
        return;
    const w4::BoardHit hit = w4::BoardHitTest(Game, IMGSokoban->width(), IMGSokoban->height(), position.x(), position.y());
    if (!hit.OnBoard || (hit.Column == a.DragX && hit.Row == a.DragY))
        return;
    const auto path =
        w4::PushPath(w4::ShownBoard(Game), Game.KeeperX, Game.KeeperY, a.DragX, a.DragY, hit.Column, hit.Row);
    if (!path)
        Refuse(*this, a, w4::Choose(Game, "That box cannot be pushed there.", "Cette caisse ne peut pas aller là."));
    else
        StartWalk(*this, a, *path);
}

bool TFRMMain::Walking() const { return Assist && Assist->WalkTimer->isActive(); }

// --- Marks over the board ------------------------------------------------------------------

void TFRMMain::AssistRefresh()
{
    if (!Assist)
        return;
    AssistParts& a = *Assist;
    for (const char* prefix : {"MNU", "POP"})
        if (QAction* item = MenuItem(QString::fromLatin1(prefix) + QStringLiteral("ToolsDeadlockWarnings")))
            if (item->isChecked() != Game.DeadlockWarnings)
                item->setChecked(Game.DeadlockWarnings);

    const Position now = PositionOf(Game);
    if (a.Seen && now == a.Shown)
        return;
    const bool sameLevel = a.Seen && now.Mode == a.Shown.Mode && now.LevelIndex == a.Shown.LevelIndex;
    a.Seen = true;
    a.Shown = now;
    if (a.HasHint && !(a.HintPosition == now))
        a.HasHint = false;
    const std::size_t before = a.Deadlocked.size();
    a.Deadlocked.clear();
    if (Game.GameMode == w4::ModePlay && Game.DeadlockWarnings && Game.LevelWidth > 0 && Game.LevelHeight > 0)
        a.Deadlocked = w4::solver::DeadlockedBoxes(w4::BoardRows(now.Board, now.Width, now.Height));
    if (!a.Deadlocked.empty()) {
        if (!sameLevel || a.Deadlocked.size() != before || a.Message.isEmpty())
            SetMessage(*this, a,
                       a.Deadlocked.size() == 1
                           ? w4::Choose(Game, "Deadlock: a box can no longer reach a target.",
                                        "Blocage : une caisse ne peut plus atteindre de cible.")
                           : w4::Choose(Game, "Deadlock: %1 boxes can no longer reach a target.",
                                        "Blocage : %1 caisses ne peuvent plus atteindre de cible.")
                                 .arg(a.Deadlocked.size()));
    } else if (!a.Message.isEmpty()) {
        SetMessage(*this, a, QString());
    }
    IMGSokoban->update();
}

void TFRMMain::PaintAssistOverlay(QPainter& painter)
{
    if (!Assist || Game.GameMode != w4::ModePlay)
        return;
    const AssistParts& a = *Assist;
    if (!a.Message.isEmpty()) {
        // A line at the foot of the board area, readable over any background.
        painter.save();
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QRect area = IMGSokoban->rect();
        const int width = std::min(area.width() - 8, metrics.horizontalAdvance(a.Message) + 16);
        const QRect box(area.center().x() - width / 2, area.bottom() - metrics.height() - 12, width, metrics.height() + 8);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 180));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, metrics.elidedText(a.Message, Qt::ElideRight, box.width() - 8));
        painter.restore();
    }
    if (a.Deadlocked.empty() && !a.HasHint)
        return;
    const w4::BoardHit board = w4::BoardHitTest(Game, IMGSokoban->width(), IMGSokoban->height(), 0, 0);
    if (!board.HasRect || Game.LevelWidth <= 0 || Game.LevelHeight <= 0)
        return;
    const double cw = double(board.Width) / Game.LevelWidth, ch = double(board.Height) / Game.LevelHeight;
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

std::vector<std::pair<int, int>> TFRMMain::DeadlockMarks() const
{
    return Assist ? Assist->Deadlocked : std::vector<std::pair<int, int>>{};
}

std::optional<std::array<int, 4>> TFRMMain::HintMark() const
{
    if (!Assist || !Assist->HasHint)
        return std::nullopt;
    const w4::PushMark& m = Assist->Hint;
    return std::array<int, 4>{m.BoxX, m.BoxY, m.ToX, m.ToY};
}

void TFRMMain::MNUToolsDeadlockWarningsClick()
{
    Game.DeadlockWarnings = !Game.DeadlockWarnings;
    if (Assist)
        Assist->Seen = false;   // work the marks out again, or drop them
    RefreshStatus();
}

// --- Jobs on the worker thread -------------------------------------------------------------

bool TFRMMain::AssistBusy() const { return Assist && Assist->Worker.Busy(); }
QWidget* TFRMMain::AssistProgress() const { return Assist ? Assist->Progress.data() : nullptr; }

namespace {

void OpenProgress(TFRMMain& w, AssistParts& a, const QString& title)
{
    a.ProgressTitle = title;
    auto* dialog = new QProgressDialog(title, w4::Choose(w.State(), "Cancel", "Annuler"), 0, 0, &w);
    dialog->setObjectName(QStringLiteral("DLGAssistProgress"));
    dialog->setWindowTitle(QStringLiteral("Warehaus4"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumWidth(360);
    QObject::connect(dialog, &QProgressDialog::canceled, &w, [&a] { a.Worker.Cancel(); });
    a.Progress = dialog;
    dialog->show();
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

// Shows the solver's film in Solution mode: its start position, its letters from the first.
void ShowSolvedFilm(TFRMMain& w, AssistParts& a)
{
    w4::GameState& g = w.State();
    const AssistParts::Film& f = *a.SolvedFilm;
    g.SnapshotHistory.assign(1, w4::BoardSnapshot{});
    g.SnapshotHistory.front().Board = f.Start;
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    g.LevelWidth = f.Width;
    g.LevelHeight = f.Height;
    g.StoredSolution = f.Letters;
    g.FilmPosition = 0;
    w4::RedrawBoard(g, w);
}

w4::solver::Options SolverOptions(w4::AssistWorker& worker, double seconds, std::uint64_t base)
{
    w4::solver::Options options;
    options.timeLimitSeconds = seconds;
    options.memoryBudgetBytes = SolveMemory;
    // A second core lets the feature searches run beside the others instead of taking turns
    // with them: stronger hints and checks on hard levels, in the same time and memory.
    options.threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;
    options.cancel = &worker.CancelFlag();
    options.progress = [&worker, base](const w4::solver::Progress& p) { worker.Positions = base + p.positions; };
    return options;
}

} // namespace

void TFRMMain::MNUToolsSolveClick()
{
    if (!Assist || Assist->Worker.Busy())
        return;
    AssistParts& a = *Assist;
    FinishWalk(*this, a);
    const w4::BoardGrid* board = WorkedBoard(Game);
    if (board == nullptr || Game.LevelWidth <= 0 || Game.LevelHeight <= 0 || Game.Playlist.empty())
        return;
    const Position start = PositionOf(Game);
    const w4::BoardGrid attemptStart = Game.SnapshotHistory.front().Board;
    const std::vector<std::string> rows = w4::BoardRows(*board, Game.LevelWidth, Game.LevelHeight);
    // A solution from a position in the middle of an attempt is kept as the attempt's moves so far
    // followed by the solver's: a solution from the level's start, as every solution file holds.
    const std::string before =
        Game.GameMode == w4::ModePlay ? w4::SolutionLetters(Game).substr(0, static_cast<std::size_t>(Game.HistoryIndex))
                                      : std::string();
    auto result = std::make_shared<w4::solver::Result>();
    a.Running = AssistParts::Job::Solve;
    a.Worker.Start(
        [rows, result](w4::AssistWorker& worker) {
            *result = w4::solver::Solve(rows, SolverOptions(worker, SolveSeconds, 0));
        },
        [this, start, attemptStart, before, result] {
            AssistParts& parts = *Assist;
            parts.Running = AssistParts::Job::None;
            CloseProgress(parts);
            // The window may have moved on meanwhile (the dialog does not stop every command).
            if (!(PositionOf(Game) == start))
                return;
            Guarded([this, &start, &attemptStart, &before, &result] {
                const w4::solver::Result& r = *result;
                const bool editing = start.Mode == w4::ModeEditor;
                const bool midAttempt = start.Mode == w4::ModePlay && !before.empty();
                switch (r.outcome) {
                case w4::solver::Outcome::Cancelled:
                    return;
                case w4::solver::Outcome::Unsolvable:
                    dialogs.Notice(editing ? w4::Choose(Game, "The level as drawn cannot be solved.",
                                                        "Le niveau tel qu'il est dessiné n'a pas de solution.")
                                   : midAttempt ? w4::Choose(Game, "This position cannot be solved any more.",
                                                             "Cette position n'a plus de solution.")
                                                : w4::Choose(Game, "This level cannot be solved.",
                                                             "Ce niveau n'a pas de solution."));
                    return;
                case w4::solver::Outcome::OutOfTime:
                    dialogs.Notice(w4::Choose(Game, "No solution found within the time limit of %1 seconds.",
                                              "Aucune solution trouvée dans la limite de %1 secondes.")
                                       .arg(static_cast<int>(SolveSeconds)));
                    return;
                case w4::solver::Outcome::OutOfMemory:
                    dialogs.Notice(w4::Choose(Game, "No solution found within the memory limit of %1 MiB.",
                                              "Aucune solution trouvée dans la limite de mémoire de %1 Mio.")
                                       .arg(static_cast<qulonglong>(SolveMemory >> 20)));
                    return;
                case w4::solver::Outcome::Invalid:
                    dialogs.Notice(w4::Choose(Game, "This level cannot be solved as it is: %1.",
                                              "Ce niveau ne peut pas être résolu tel quel : %1.")
                                       .arg(InvalidText(Game, r.invalid)));
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
                const w4::GameState file = LevelFromFile(Game);
                const std::string& path = start.File;
                const bool fromFileStart =
                    file.LevelWidth == start.Width && file.LevelHeight == start.Height && !file.SnapshotHistory.empty() &&
                    file.SnapshotHistory.front().Board == attemptStart;
                QString offer = w4::Choose(Game, "Solution found: %1 moves, %2 pushes.\r\n\r\nDo you want to watch it ?",
                                           "Solution trouvée : %1 mouvements, %2 poussées.\r\n\r\nVoulez-vous la regarder ?")
                                    .arg(r.moves.size())
                                    .arg(pushes);
                // Solution mode shows the level from its file: the author must know what the switch costs.
                if (editing && !fromFileStart)
                    offer += w4::Choose(Game, "\r\n(The level's unsaved changes will be lost.)",
                                        "\r\n(Les modifications non enregistrées du niveau seront perdues.)");
                const bool watch = dialogs.Question(offer);
                if (fromFileStart && w4::FileExists(path) && w4::IsBestScore(full, file.StoredSolution)) {
                    const std::string solutionPath = w4::SolutionFilePathFor(Game, path);
                    if (dialogs.Question(w4::WithPath(
                            w4::Choose(Game, "BEST SCORE !!!\r\n\r\nDo you want to save the solution ?",
                                       "MEILLEUR SCORE !!!\r\n\r\nVoulez-vous enregistrer la solution ?"),
                            QString::fromStdString(solutionPath)))) {
                        w4::MakeFolderFor(Game, solutionPath);
                        w4::WriteSolutionFile(solutionPath, full);
                    }
                }
                if (!watch)
                    return;
                AssistParts::Film film;
                film.LevelIndex = start.LevelIndex;
                film.Width = start.Width;
                film.Height = start.Height;
                film.Start = start.Board;
                film.Letters = r.moves;
                Assist->SolvedFilm = film;
                SetGameMode(w4::ModeSolution);
                ShowSolvedFilm(*this, *Assist);
                BTNFilmPlayClick();
            });
        });
    OpenProgress(*this, a, w4::Choose(Game, "Solving the level...", "Résolution du niveau..."));
}

// The film of a solver's solution goes back to its own start, not to the level file's.
bool TFRMMain::AssistFilmRewind()
{
    if (!Assist || !Assist->SolvedFilm || Game.GameMode != w4::ModeSolution ||
        Game.LevelIndex != Assist->SolvedFilm->LevelIndex || Game.StoredSolution != Assist->SolvedFilm->Letters)
        return false;
    w4::FilmRewind(Game, *this);
    ShowSolvedFilm(*this, *Assist);
    return true;
}

// A level with no stored solution has nothing to play: offer to solve it instead.
bool TFRMMain::AssistOfferSolve()
{
    if (!Assist || Game.GameMode != w4::ModeSolution || !Game.StoredSolution.empty() || Game.LevelWidth <= 0 ||
        Game.LevelHeight <= 0 || Game.Playlist.empty() || Assist->Worker.Busy())
        return false;
    // On No the film runs as ever: it has nothing to play and stops at its first tick.
    if (!dialogs.Question(w4::Choose(Game, "This level has no solution yet.\r\n\r\nDo you want to solve it now ?",
                                     "Ce niveau n'a pas encore de solution.\r\n\r\nVoulez-vous le résoudre maintenant ?")))
        return false;
    MNUToolsSolveClick();
    return true;
}

void TFRMMain::MNUToolsHintClick()
{
    if (!Assist || Game.GameMode != w4::ModePlay || !Game.LevelInPlay)
        return;
    AssistParts& a = *Assist;
    FinishWalk(*this, a);
    const Position now = PositionOf(Game);
    if (a.HasHint && a.HintPosition == now) {
        // Second press: the keeper walks to the box by a shortest way and pushes it.
        const w4::PushMark m = a.Hint;
        const int dx = m.ToX - m.BoxX, dy = m.ToY - m.BoxY;
        const auto walk = w4::WalkPath(w4::ShownBoard(Game), Game.KeeperX, Game.KeeperY, m.BoxX - dx, m.BoxY - dy);
        const char push = dx < 0 ? 'L' : dx > 0 ? 'R' : dy < 0 ? 'U' : 'D';
        a.HasHint = false;
        StartWalk(*this, a, walk ? *walk + push : m.Letters);
        return;
    }
    if (a.Worker.Busy())
        return;
    if (w4::IsSolved(Game))
        return;
    const std::vector<std::string> rows = w4::BoardRows(now.Board, now.Width, now.Height);
    auto result = std::make_shared<w4::solver::Result>();
    a.Running = AssistParts::Job::Hint;
    SetMessage(*this, a, w4::Choose(Game, "Looking for a hint...", "Recherche d'un indice..."));
    a.Worker.Start(
        [rows, result](w4::AssistWorker& worker) {
            *result = w4::solver::Solve(rows, SolverOptions(worker, HintSeconds, 0));
        },
        [this, now, rows, result] {
            AssistParts& parts = *Assist;
            parts.Running = AssistParts::Job::None;
            if (parts.Message == w4::Choose(Game, "Looking for a hint...", "Recherche d'un indice..."))
                SetMessage(*this, parts, QString());
            if (!(PositionOf(Game) == now) || result->outcome == w4::solver::Outcome::Cancelled)
                return;
            Guarded([this, &parts, &now, &rows, &result] {
                const w4::solver::Result& r = *result;
                if (r.outcome == w4::solver::Outcome::Solved) {
                    if (const auto mark = w4::FirstPush(rows, r.moves)) {
                        parts.Hint = *mark;
                        parts.HintPosition = now;
                        parts.HasHint = true;
                        SetMessage(*this, parts,
                                   w4::Choose(Game, "Hint: push the marked box (H does it).",
                                              "Indice : poussez la caisse marquée (H le fait)."));
                        IMGSokoban->update();
                    }
                } else if (r.outcome == w4::solver::Outcome::Unsolvable) {
                    if (dialogs.Question(w4::Choose(
                            Game,
                            "This position cannot be solved any more.\r\n\r\nDo you want to go back to the last "
                            "position from which it can ?",
                            "Cette position n'a plus de solution.\r\n\r\nVoulez-vous revenir à la dernière position "
                            "qui en a une ?")))
                        MNUToolsLastSolvableClick();
                } else if (r.outcome == w4::solver::Outcome::Invalid) {
                    SetMessage(*this, parts, w4::Choose(Game, "No hint: %1.", "Pas d'indice : %1.").arg(InvalidText(Game, r.invalid)));
                } else {
                    SetMessage(*this, parts,
                               w4::Choose(Game, "No hint found within %1 seconds.", "Aucun indice trouvé en %1 secondes.")
                                   .arg(static_cast<int>(HintSeconds)));
                }
            });
        });
}

void TFRMMain::MNUToolsLastSolvableClick()
{
    if (!Assist || Assist->Worker.Busy() || Game.GameMode != w4::ModePlay || Game.HistoryLength <= 0 ||
        Game.LevelWidth <= 0 || Game.LevelHeight <= 0)
        return;
    AssistParts& a = *Assist;
    FinishWalk(*this, a);
    const std::vector<std::string> startRows =
        w4::BoardRows(Game.SnapshotHistory.front().Board, Game.LevelWidth, Game.LevelHeight);
    const std::string letters = w4::SolutionLetters(Game);
    const int shown = Game.HistoryIndex;
    const Position now = PositionOf(Game);
    const int length = Game.HistoryLength;
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
            AssistParts& parts = *Assist;
            parts.Running = AssistParts::Job::None;
            CloseProgress(parts);
            if (!(PositionOf(Game) == now) || Game.HistoryLength != length || result->Cancelled)
                return;
            Guarded([this, &parts, &result] {
                const w4::LastSolvableResult& r = *result;
                if (r.StartUnsolvable) {
                    dialogs.Notice(w4::Choose(Game, "This level cannot be solved, not even from its start.",
                                              "Ce niveau n'a pas de solution, même depuis le début."));
                    return;
                }
                if (r.ShownSolvable) {
                    dialogs.Notice(w4::Choose(Game, "The level can still be solved from the shown position.",
                                              "Le niveau a encore une solution depuis la position affichée."));
                    return;
                }
                // Shown as undo shows it: the later positions stay there for redo.
                w4::ScrollHistoryTo(Game, *this, r.Index + 1);
                SetHistoryBarPosition(Game.HistoryIndex + 1);
                SetMessage(*this, parts,
                           r.Uncertain
                               ? w4::Choose(Game, "Back to move %1 (later ones not proven lost).",
                                            "Retour au mouvement %1 (les suivants non prouvés perdus).")
                                     .arg(r.Index)
                               : w4::Choose(Game, "Back to move %1: the last winnable position.",
                                            "Retour au mouvement %1 : la dernière position gagnable.")
                                     .arg(r.Index));
                if (r.Uncertain && r.Proven)
                    dialogs.Notice(w4::Choose(Game,
                                              "The level can be solved from move %1. Some later positions could not "
                                              "be checked in time, so one of them may also be winnable.",
                                              "Le niveau a une solution depuis le mouvement %1. Certaines positions "
                                              "suivantes n'ont pas pu être vérifiées à temps ; l'une d'elles peut "
                                              "aussi être gagnable.")
                                       .arg(r.Index));
                else if (r.Uncertain)
                    dialogs.Notice(w4::Choose(Game,
                                              "The positions could not be checked in time. Shown: move %1, the last "
                                              "one before the first push in doubt; it is not proven winnable.",
                                              "Les positions n'ont pas pu être vérifiées à temps. Affiché : le "
                                              "mouvement %1, le dernier avant la première poussée douteuse ; il "
                                              "n'est pas prouvé gagnable.")
                                       .arg(r.Index));
            });
        });
    OpenProgress(*this, a,
                 w4::Choose(Game, "Looking for the last position that can be solved...",
                            "Recherche de la dernière position soluble..."));
}
