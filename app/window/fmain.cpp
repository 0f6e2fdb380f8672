#include "app/window/fmain.h"

#include "app/collections/collections.h"
#include "app/desktop/about.h"
#include "app/desktop/application.h"
#include "app/help/boardhelp.h"
#include "app/levels/flevels.h"
#include "app/snapshots/snapshots.h"
#include "app/window/boardview.h"
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/startuptrace.h"
#include "app/window/troughstep.h"
#include "app/window/uconfig.h"
#include "core/fileio.h"
#include "core/loading.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "render/boardpicture.h"
#include "render/ugraphics.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

constexpr int PanelHeight = 27;

// The style's pictures are looked up in the desktop's icon theme, a slow search at start; a button on
// a panel hidden at start takes its picture when it is first shown.
class PictureButton : public QPushButton {
public:
    PictureButton(QWidget* parent, QStyle::StandardPixmap picture)
        : QPushButton(parent)
        , picture_(picture)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!pictured_) {
            pictured_ = true;
            setIcon(style()->standardIcon(picture_));
        }
        QPushButton::showEvent(event);
    }

private:
    QStyle::StandardPixmap picture_;
    bool pictured_ = false;
};

QPushButton* SetUpButton(QPushButton* button, const char* name, int width)
{
    button->setObjectName(QString::fromLatin1(name));
    // Keys belong to the game: no button may take the focus and swallow an arrow or Space.
    button->setFocusPolicy(Qt::NoFocus);
    if (width > 0)
        button->setFixedWidth(width);
    button->setFixedHeight(PanelHeight - 2);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int width)
{
    return SetUpButton(new QPushButton(caption, parent), name, width);
}

QPushButton* MakePictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap picture)
{
    return SetUpButton(new PictureButton(parent, picture), name, 25);
}

QWidget* MakePanel(QWidget* parent, const char* name, QHBoxLayout*& layout)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedHeight(PanelHeight);
    panel->setAutoFillBackground(true);
    panel->setPalette(QApplication::palette());
    layout = new QHBoxLayout(panel);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    return panel;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, int pageStep)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setRange(1, 1);
    bar->setValue(1);
    bar->setSingleStep(1);
    bar->setPageStep(pageStep);
    return bar;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TFRMMain::TFRMMain(std::filesystem::path programFolder, w4::Dialogs& dialogs, QByteArrayList commandLineFiles,
                   QWidget* parent)
    : TFRMMain(programFolder, w4::PortableFolders(programFolder), dialogs, std::move(commandLineFiles), parent)
{
}

TFRMMain::TFRMMain(std::filesystem::path programFolder, w4::Folders folders, w4::Dialogs& dialogs,
                   QByteArrayList commandLineFiles, QWidget* parent)
    : QMainWindow(parent)
    , TheGame(std::make_unique<w4::GameModel>(*this, std::move(programFolder), std::move(folders)))
    , Game(TheGame->State())
    , dialogs(dialogs)
    , BoardPic(std::make_unique<w4::BoardPicture>())
    , Sound(std::make_unique<w4::SilentSoundSystem>())
    , Gamepad(std::make_unique<w4::NoGamepadReader>())
{
    TheGame->Listen(*this);
    setObjectName(QStringLiteral("FRMMain"));
    setWindowTitle(QStringLiteral("Warehaus4"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(640, 480);
    setMinimumSize(640, 480);

    w4::StartupMark("window: base");
    BuildLayout();
    w4::StartupMark("window: layout");
    BuildStatusBar();
    BuildTimers();
    Help = std::make_unique<w4::BoardHelp>(*this);
    Collections = std::make_unique<w4::Collections>(*this);
    SnapshotKeeper = std::make_unique<w4::Snapshots>(*this);
    w4::StartupMark("window: status bar, timers, help");
    BuildCommands();
    w4::StartupMark("window: commands, menus");
    FormCreate(commandLineFiles);
}

TFRMMain::~TFRMMain()
{
    qApp->removeEventFilter(this);
}

void TFRMMain::BuildLayout()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);

    // Top bar: the three modes at the left, the two languages at the right.
    QHBoxLayout* row = nullptr;
    PNLButtons = MakePanel(client, "PNLButtons", row);
    BTNPlay = MakeButton(PNLButtons, "BTNPlay", QStringLiteral("Play"), 100);
    BTNEditor = MakeButton(PNLButtons, "BTNEditor", QStringLiteral("Editor"), 100);
    BTNSolution = MakeButton(PNLButtons, "BTNSolution", QStringLiteral("Solution"), 100);
    BTNEnglish = MakeButton(PNLButtons, "BTNEnglish", QStringLiteral("English"), 0);
    BTNFrancais = MakeButton(PNLButtons, "BTNFrancais", QString::fromUtf8("Français"), 0);
    ModeButtons = new QButtonGroup(this);
    LanguageButtons = new QButtonGroup(this);
    for (QPushButton* button : {BTNPlay, BTNEditor, BTNSolution}) {
        button->setCheckable(true);
        ModeButtons->addButton(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    for (QPushButton* button : {BTNEnglish, BTNFrancais}) {
        button->setCheckable(true);
        button->setMinimumWidth(75);
        LanguageButtons->addButton(button);
        row->addWidget(button);
    }
    BTNPlay->setChecked(true);
    column->addWidget(PNLButtons);

    IMGSokoban = new TBoardView(*this, client);
    IMGSokoban->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    column->addWidget(IMGSokoban, 1);

    // Play panel.
    PNLPlayGame = MakePanel(client, "PNLPlayGame", row);
    BTNLevelFirst = MakeButton(PNLPlayGame, "BTNLevelFirst", QStringLiteral("<<"), 32);
    BTNLevelPrior = MakeButton(PNLPlayGame, "BTNLevelPrior", QStringLiteral("<"), 32);
    BTNLevelRetry = MakeButton(PNLPlayGame, "BTNLevelRetry", QString(), 32);
    BTNLevelNext = MakeButton(PNLPlayGame, "BTNLevelNext", QStringLiteral(">"), 32);
    BTNLevelLast = MakeButton(PNLPlayGame, "BTNLevelLast", QStringLiteral(">>"), 32);
    BTNFullscreen = MakeButton(PNLPlayGame, "BTNFullscreen", QStringLiteral("Fullscreen"), 120);
    LBLUndoRedo = MakeLabel(PNLPlayGame, "LBLUndoRedo", QStringLiteral("Undo / Redo : "));
    myScrollBar = MakeScrollBar(PNLPlayGame, "myScrollBar", 10);
    w4::SetTroughStep(myScrollBar, 10);   // a thumb of one position, ten per trough click
    for (QWidget* w : {BTNLevelFirst, BTNLevelPrior, BTNLevelRetry, BTNLevelNext, BTNLevelLast})
        row->addWidget(w);
    row->addSpacing(32);
    row->addWidget(BTNFullscreen);
    row->addSpacing(32);
    row->addWidget(LBLUndoRedo);
    row->addWidget(myScrollBar, 1);
    column->addWidget(PNLPlayGame);

    // Editor panel: the palette, the current tool, then the level commands.
    PNLEditLevel = MakePanel(client, "PNLEditLevel", row);
    PNLChoose = new QWidget(PNLEditLevel);
    PNLChoose->setObjectName(QStringLiteral("PNLChoose"));
    auto* palette = new QHBoxLayout(PNLChoose);
    palette->setContentsMargins(0, 0, 0, 0);
    palette->setSpacing(1);
    QPushButton** tools[] = {&IMGChooseWall, &IMGChooseSokoban1, &IMGChooseSokoban2, &IMGChooseBox1,
                             &IMGChooseBox2, &IMGChooseTarget, &IMGChooseBack};
    const char* toolNames[] = {"IMGChooseWall", "IMGChooseSokoban1", "IMGChooseSokoban2", "IMGChooseBox1",
                               "IMGChooseBox2", "IMGChooseTarget", "IMGChooseBack"};
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        *tools[i] = MakeButton(PNLChoose, toolNames[i], QString(), 23);
        (*tools[i])->setFlat(true);
        palette->addWidget(*tools[i]);
    }
    PNLFleche = MakeLabel(PNLEditLevel, "PNLFleche", QStringLiteral("-->"));
    PNLFleche->setAlignment(Qt::AlignCenter);
    PNLFleche->setFixedWidth(30);
    IMGChoice = MakeLabel(PNLEditLevel, "IMGChoice", QString());
    IMGChoice->setFixedSize(23, 23);
    IMGChoice->setAlignment(Qt::AlignCenter);
    BTNLevelCenter = MakePictureButton(PNLEditLevel, "BTNLevelCenter", QStyle::SP_ArrowUp);
    BTNLevelSave = MakePictureButton(PNLEditLevel, "BTNLevelSave", QStyle::SP_DialogSaveButton);
    BTNLevelReload = MakePictureButton(PNLEditLevel, "BTNLevelReload", QStyle::SP_BrowserReload);
    BTNLevelEditXSBInfos = MakePictureButton(PNLEditLevel, "BTNLevelEditXSBInfos", QStyle::SP_FileDialogInfoView);
    row->addWidget(PNLChoose);
    row->addWidget(PNLFleche);
    row->addWidget(IMGChoice);
    row->addSpacing(50);
    row->addWidget(BTNLevelCenter);
    row->addSpacing(50);
    row->addWidget(BTNLevelSave);
    row->addWidget(BTNLevelReload);
    row->addSpacing(50);
    row->addWidget(BTNLevelEditXSBInfos);
    row->addStretch(1);
    column->addWidget(PNLEditLevel);

    // Solution panel.
    PNLViewFilm = MakePanel(client, "PNLViewFilm", row);
    BTNLevelFirst3 = MakeButton(PNLViewFilm, "BTNLevelFirst3", QStringLiteral("<<"), 32);
    BTNLevelPrior3 = MakeButton(PNLViewFilm, "BTNLevelPrior3", QStringLiteral("<"), 32);
    BTNLevelNext3 = MakeButton(PNLViewFilm, "BTNLevelNext3", QStringLiteral(">"), 32);
    BTNLevelLast3 = MakeButton(PNLViewFilm, "BTNLevelLast3", QStringLiteral(">>"), 32);
    BTNFilmRewind = MakePictureButton(PNLViewFilm, "BTNFilmRewind", QStyle::SP_MediaSkipBackward);
    BTNFilmPause = MakePictureButton(PNLViewFilm, "BTNFilmPause", QStyle::SP_MediaPause);
    BTNFilmPause->setEnabled(false);
    BTNFilmPlay = MakePictureButton(PNLViewFilm, "BTNFilmPlay", QStyle::SP_MediaPlay);
    BTNFilmStop = MakePictureButton(PNLViewFilm, "BTNFilmStop", QStyle::SP_MediaStop);
    LBLSpeed = MakeLabel(PNLViewFilm, "LBLSpeed", QStringLiteral("Speed : "));
    SBSpeed = MakeScrollBar(PNLViewFilm, "SBSpeed", 1);
    SBSpeed->setRange(1, 10);
    for (QWidget* w : {BTNLevelFirst3, BTNLevelPrior3, BTNLevelNext3, BTNLevelLast3})
        row->addWidget(w);
    row->addSpacing(32);
    for (QWidget* w : {BTNFilmRewind, BTNFilmPause, BTNFilmPlay, BTNFilmStop})
        row->addWidget(w);
    row->addSpacing(32);
    row->addWidget(LBLSpeed);
    row->addWidget(SBSpeed, 1);
    column->addWidget(PNLViewFilm);
    PNLEditLevel->hide();
    PNLViewFilm->hide();

    // Wiring: every click runs under the general error handler.
    const auto wire = [this](QPushButton* button, void (TFRMMain::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    wire(BTNPlay, &TFRMMain::BTNPlayClick);
    wire(BTNEditor, &TFRMMain::BTNEditorClick);
    wire(BTNSolution, &TFRMMain::BTNSolutionClick);
    wire(BTNEnglish, &TFRMMain::BTNEnglishClick);
    wire(BTNFrancais, &TFRMMain::BTNFrancaisClick);
    wire(BTNLevelFirst, &TFRMMain::BTNLevelFirstClick);
    wire(BTNLevelPrior, &TFRMMain::BTNLevelPriorClick);
    wire(BTNLevelRetry, &TFRMMain::BTNLevelRetryClick);
    wire(BTNLevelNext, &TFRMMain::BTNLevelNextClick);
    wire(BTNLevelLast, &TFRMMain::BTNLevelLastClick);
    wire(BTNFullscreen, &TFRMMain::BTNFullscreenClick);
    wire(IMGChooseWall, &TFRMMain::IMGChooseWallClick);
    wire(IMGChooseSokoban1, &TFRMMain::IMGChooseSokoban1Click);
    wire(IMGChooseSokoban2, &TFRMMain::IMGChooseSokoban2Click);
    wire(IMGChooseBox1, &TFRMMain::IMGChooseBox1Click);
    wire(IMGChooseBox2, &TFRMMain::IMGChooseBox2Click);
    wire(IMGChooseTarget, &TFRMMain::IMGChooseTargetClick);
    wire(IMGChooseBack, &TFRMMain::IMGChooseBackClick);
    wire(BTNLevelCenter, &TFRMMain::BTNLevelCenterClick);
    wire(BTNLevelSave, &TFRMMain::BTNLevelSaveClick);
    wire(BTNLevelReload, &TFRMMain::BTNLevelReloadClick);
    wire(BTNLevelEditXSBInfos, &TFRMMain::BTNLevelEditXSBInfosClick);
    wire(BTNLevelFirst3, &TFRMMain::BTNLevelFirstClick);
    wire(BTNLevelPrior3, &TFRMMain::BTNLevelPriorClick);
    wire(BTNLevelNext3, &TFRMMain::BTNLevelNextClick);
    wire(BTNLevelLast3, &TFRMMain::BTNLevelLastClick);
    wire(BTNFilmRewind, &TFRMMain::BTNFilmRewindClick);
    wire(BTNFilmPlay, &TFRMMain::BTNFilmPlayClick);
    wire(BTNFilmStop, &TFRMMain::BTNFilmStopClick);
    // Programmatic moves of the bars block their signals, so these see the user's scrolling only.
    connect(myScrollBar, &QScrollBar::valueChanged, this,
            [this](int position) { Guarded([this, position] { myScrollBarScroll(position); }); });
    connect(SBSpeed, &QScrollBar::valueChanged, this, [this] { Guarded([this] { SBSpeedChange(); }); });
}

void TFRMMain::BuildTimers()
{
    const auto make = [this](const char* name, int interval, void (TFRMMain::*handler)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
        return timer;
    };
    TimerStatus = make("TimerStatus", 1000, &TFRMMain::TimerStatusTimer);
    TMRGamepad = make("TMRGamepad", 50, &TFRMMain::TMRGamepadTimer);
    TimerFilm = make("TimerFilm", 250, &TFRMMain::TimerFilmTimer);
    TMRGamepad->start();
}

void TFRMMain::FormCreate(const QByteArrayList& commandLineFiles)
{
    w4::GameState& g = Game;

    // The hand-over channel and the drop target come first, so nothing sent meanwhile is lost.
    StartShell();
    qApp->installEventFilter(this);
    w4::StartupMark("create: shell");

    TheGame->ResetRun();
    IMGBackground.Visible = IMGTexture.Visible = IMGPicture.Visible = false;
    FullScreenState.Active = false;
    BuildTools();
    w4::StartupMark("create: editor palette");

    LoadSettings();
    w4::StartupMark("create: settings");
    w4::BuildNoneTile(g, BoardPic->Tiles());
    LoadStoredSkin();
    PaintBackground();
    w4::StartupMark("create: background");
    // Sound and the gamepad open once the window shows (showEvent), or at their first use.

    w4::ReadPlaylistFile(g);
    if (const std::string refused = w4::RefusedPlaylistText(g); !refused.empty())
        dialogs.Notice(QString::fromStdString(refused) +
                       Warehaus4::QTr(" It stays as it is: the playlist of this session is not saved in it."));
    w4::StartupMark("create: playlist");

    ApplyLanguage();
    RefreshStatus();
    w4::StartupMark("create: language, status");

    AddCommandLineFiles(commandLineFiles);
    TheGame->CompletePlaylist();
    w4::StartupMark("create: command line, default playlist");
    SnapshotKeeper->RecoverLeftAttempt();
    SetGameMode(g.GameMode);
    w4::StartupMark("create: first level and its picture");

    TimerStatus->start();
    Started = true;
}

void TFRMMain::LoadSettings()
{
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                          : QRect(0, 0, 1024, 768);
    w4::WindowPlacement defaults;
    defaults.Width = width();
    defaults.Height = height();
    defaults.Left = screen.width() / 2 - defaults.Width / 2;
    defaults.Top = screen.height() / 2 - defaults.Height / 2;

    const w4::WindowPlacement placement = w4::LoadSettings(Game, defaults);
    LevelListPlacement = placement.LevelList;
    // Applied as stored, even off screen; only the minimum size limits it.
    move(placement.Left, placement.Top);
    resize(std::max(placement.Width, minimumWidth()), std::max(placement.Height, minimumHeight()));
    if (placement.Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);

    const QSignalBlocker block(SBSpeed);
    SBSpeed->setValue(Game.FilmSpeed);
    TimerFilm->setInterval((11 - Game.FilmSpeed) * 25);
}

void TFRMMain::SaveSettings()
{
    w4::WindowPlacement placement;
    placement.Maximized = isMaximized();
    placement.Left = pos().x();
    placement.Top = pos().y();
    placement.Width = width();
    placement.Height = height();
    placement.LevelList = LevelListPlacement;
    w4::SaveSettings(Game, placement);
}

bool TFRMMain::FormClose()
{
    if (!TheGame->ConfirmQuit())
        return false;
    // Each file on its own, so that one that cannot be written keeps no other from being written.
    // Both are written before the sound system closes: a failed write leaves a window that still
    // works as before.
    std::vector<std::string> failed;
    const auto write = [&](const std::string& path, const std::function<void()>& save) {
        try {
            w4::MakeFolderFor(Game, path);
            save();
        } catch (const std::exception& e) {
            ReportError(QString::fromUtf8(e.what()));
            failed.push_back(QFile::decodeName(path.c_str()).toStdString());
        }
    };
    write(w4::SettingsFilePath(Game), [this] { SaveSettings(); });
    write(w4::PlaylistFilePath(Game), [this] { w4::WritePlaylistFile(Game); });
    if (!TheGame->QuitWithoutSaving(failed))
        return false;
    CloseMedia();
    TimerStatus->stop();
    Closing = true;
    return true;
}

void TFRMMain::closeEvent(QCloseEvent* event)
{
    bool accept = Closing;
    if (!accept)
        Guarded([this, &accept] { accept = FormClose(); });
    if (accept)
        event->accept();
    else
        event->ignore();
}

bool TFRMMain::SetGameMode(int mode)
{
    if (TheGame->SetMode(mode))
        return true;
    // The button clicked has checked itself: the mode shown stays, and says so.
    QPushButton* buttons[] = {BTNPlay, BTNEditor, BTNSolution};
    buttons[std::clamp(Game.GameMode, 1, 3) - 1]->setChecked(true);
    return false;
}

void TFRMMain::ModeChanged() { ShowMode(); }

void TFRMMain::ShowMode()
{
    QPushButton* buttons[] = {BTNPlay, BTNEditor, BTNSolution};
    QWidget* panels[] = {PNLPlayGame, PNLEditLevel, PNLViewFilm};
    const int shown = std::clamp(Game.GameMode, 1, 3) - 1;
    buttons[shown]->setChecked(true);
    for (int i = 0; i < 3; ++i)
        panels[i]->setVisible(i == shown);
}

void TFRMMain::KeepAttemptInProgress()
{
    // After a confirmed quit the attempt is kept as a snapshot, or the player let it go.
    if (!Closing && SnapshotKeeper)
        SnapshotKeeper->KeepInProgress(true);
}

void TFRMMain::EndAtOnce()
{
    KeepAttemptInProgress();
    Closing = true;
    TimerStatus->stop();
    // Every event loop ends, a modal dialog's too.
    QCoreApplication::exit(0);
}

void TFRMMain::BTNPlayClick() { SetGameMode(w4::ModePlay); }
void TFRMMain::BTNEditorClick() { SetGameMode(w4::ModeEditor); }
void TFRMMain::BTNSolutionClick() { SetGameMode(w4::ModeSolution); }

void TFRMMain::MNUFileQuitClick() { close(); }

void TFRMMain::MNUHelpAboutClick() { dialogs.Notice(w4::AboutText(Game)); }

// --- Frontend ---

void TFRMMain::DrawCell(int x, int y)
{
    BoardPic->DrawCell(Game, x, y);
    IMGSokoban->update();
}

void TFRMMain::PaintBoard()
{
    BoardPic->PaintAll(Game);
    IMGSokoban->update();
}

void TFRMMain::SetHistoryBarRange(int maximum, int position)
{
    const QSignalBlocker block(myScrollBar);
    myScrollBar->setRange(1, std::max(1, maximum));
    myScrollBar->setValue(position);
}

void TFRMMain::SetHistoryBarPosition(int position)
{
    const QSignalBlocker block(myScrollBar);
    myScrollBar->setValue(position);
}

void TFRMMain::EnableHistoryBar(bool enabled) { myScrollBar->setEnabled(enabled); }

void TFRMMain::StopReplayTimer() { TimerFilm->stop(); }

// The game model ends a film of its own with the load.
void TFRMMain::LevelLoaded() { TheGame->LevelReported(); }

bool TFRMMain::AskQuestion(const std::string& text) { return dialogs.Question(QString::fromStdString(text)); }

void TFRMMain::ShowNotice(const std::string& text) { dialogs.Notice(QString::fromStdString(text)); }

// --- Errors ---

void TFRMMain::ReportError(const QString& text) { dialogs.Error(text); }

void TFRMMain::Guarded(const std::function<void()>& command)
{
    w4::RunGuarded(command, [this](const QString& text) { ReportError(text); });
}

// The folder the file choosers open in: where the levels, graphics and music are.
QString TFRMMain::ProgramFolderText() const { return QFile::decodeName(w4::DataFolder(Game).string().c_str()); }
QString TFRMMain::SaveFolderText() const { return QFile::decodeName(w4::SaveDialogFolder(Game).string().c_str()); }

// The slow steps of the start wait until the board's first paint, so the window is on the screen
// first: opening sound and the gamepad (loading SDL, starting its audio), the Retry button's
// picture (the style looks it up in the desktop's icon theme) and what the caller asked for. A
// window shown but never painted (covered, on another desktop) finishes its start a little later
// all the same.
void TFRMMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!MediaStarted && !MediaQueued)
        QTimer::singleShot(MediaBackstop, this, [this] { QueueFinishStart(); });
}

void TFRMMain::BoardPainted() { QueueFinishStart(); }

void TFRMMain::QueueFinishStart()
{
    if (MediaStarted || MediaQueued)
        return;
    MediaQueued = true;
    QTimer::singleShot(0, this, [this] {
        Guarded([this] {
            BTNLevelRetry->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
            StartMedia();
            if (AfterFirstPaint)
                std::exchange(AfterFirstPaint, nullptr)();
            ReportStoredSkin();
        });
    });
}

void TFRMMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Guarded([this] { FormResize(); });
}

// --- The rooms beside the window: one line per command ---

void TFRMMain::MNUFileImportCollectionClick() { Commands->Run("FileImportCollection"); }
void TFRMMain::MNUFilePasteLevelClick() { Commands->Run("FilePasteLevel"); }
void TFRMMain::MNUToolsSolveClick() { Commands->Run("ToolsSolve"); }
void TFRMMain::MNUToolsHintClick() { Commands->Run("ToolsHint"); }
void TFRMMain::MNUToolsLastSolvableClick() { Commands->Run("ToolsLastSolvable"); }
void TFRMMain::MNUToolsOptimizeSolutionClick() { Commands->Run("ToolsOptimizeSolution"); }
void TFRMMain::MNUToolsResumeAttemptClick() { Commands->Run("ToolsResumeAttempt"); }
void TFRMMain::IMGSokobanMouseUp(const QPoint& position, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (Help)
        Help->MouseUp(position, button);
}
std::vector<std::pair<int, int>> TFRMMain::DeadlockMarks() const { return Help ? Help->DeadlockMarks() : std::vector<std::pair<int, int>>{}; }
std::optional<std::array<int, 4>> TFRMMain::HintMark() const { return Help ? Help->HintMark() : std::nullopt; }
bool TFRMMain::AssistBusy() const { return Help && Help->Busy(); }
std::uint64_t TFRMMain::LiveChecksStarted() const { return Help ? Help->LiveChecksStarted() : 0; }
bool TFRMMain::Walking() const { return Help && Help->Walking(); }
QWidget* TFRMMain::AssistProgress() const { return Help ? Help->Progress() : nullptr; }
QRect TFRMMain::HelpMessageRect() const { return Help ? Help->MessageRect() : QRect(); }

QWidget* TFRMMain::BoardArea() { return IMGSokoban; }

// A load offers the attempt it replaces to the snapshots.
bool TFRMMain::AttemptEnding(bool mayStay)
{
    if (!SnapshotKeeper)
        return true;
    return SnapshotKeeper->KeepAttempt(
        mayStay ? Warehaus4::QTr("Go on and lose the attempt ?") : QString());
}
bool TFRMMain::AttemptEndingAtQuit()
{
    return !SnapshotKeeper ||
           SnapshotKeeper->KeepAttempt(Warehaus4::QTr("Quit and lose the attempt ?"));
}
