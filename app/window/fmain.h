#pragma once
// The main window: it holds the one game model (core/gamemodel.h), draws what the model reports
// and forwards input to it; it owns the board picture, the timers and the dialogs. Its handlers
// stay short: each calls into the model, the core or a unit and nothing more. The handlers are
// spread over files by role (fmain_editor.cpp, fmain_replay.cpp, fmain_display.cpp,
// fmain_media.cpp, fmain_shell.cpp, keyboard.cpp, status.cpp, captions.cpp, menus.cpp). Help at
// the board (app/help) and collections (app/collections) are objects of their own that see the
// window through its seam (windowseam.h); the window forwards one line per command to them.

#include "app/window/dialogs.h"
#include "app/window/windowseam.h"
#include "core/frontend.h"
#include "core/gamemodel.h"
#include "core/settings.h"
#include "core/uglobal.h"
#include "media/ugamepad.h"
#include "media/usound.h"

#include <QImage>
#include <QMainWindow>
#include <QByteArrayList>
#include <QStringList>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;
class TBoardView;
class TFRMLevels;

namespace w4 {
class BoardHelp;
class CommandTable;
class Snapshots;
class BoardPicture;
class Collections;
}

// State of the single-instance server and hand-over; defined in fmain_shell.cpp.
struct ShellParts;
struct ShellPartsDeleter {
    void operator()(ShellParts* parts) const;
};

// One background layer of the board area (plain or gradient colour, tiled texture, picture).
struct BackgroundLayer {
    QImage Image;
    bool Visible = false;
};

// Full screen, and the window's bounds it saved to go back to.
struct FullScreenPlace {
    bool Active = false;
    bool WasMaximized = false;
    int Left = 0, Top = 0, Width = 640, Height = 480;
};

class TFRMMain : public QMainWindow, public w4::Frontend, public w4::WindowSeam, private w4::GameEvents {
    Q_OBJECT

public:
    TFRMMain(std::filesystem::path programFolder, w4::Dialogs& dialogs, QByteArrayList commandLineFiles = {},
             QWidget* parent = nullptr);
    // The same, with the folders of an installed or portable run (core/folders.h).
    TFRMMain(std::filesystem::path programFolder, w4::Folders folders, w4::Dialogs& dialogs,
             QByteArrayList commandLineFiles = {}, QWidget* parent = nullptr);
    ~TFRMMain() override;

    w4::GameState& State() override { return Game; }
    const std::string& OwnFilm() const override { return TheGame->FilmLetters(); }
    const w4::GameState& State() const { return Game; }
    w4::GameModel& Model() { return *TheGame; }
    const FullScreenPlace& FullScreen() const { return FullScreenState; }
    w4::Dialogs& Dialog() override { return dialogs; }

    // A menu item by its name ("MNUFileOpen", "POPFileOpen", also the submenus "MNUFile").
    QAction* MenuItem(const QString& name) const;
    // Every command of the window and its rooms, with its captions and keys (windowcommands.cpp).
    const w4::CommandTable& CommandList() const { return *Commands; }
    QString StatusText(int panel) const;
    const w4::BoardPicture& Picture() const { return *BoardPic; }
    // The sound output, for what it holds and plays; asking opens it when the first frame has not
    // yet done so.
    const w4::SoundSystem& SoundOutput();

    // --- Frontend: the core's way to the screen, the speakers and the user ---
    void DrawCell(int x, int y) override;
    void PaintBoard() override;
    void RefreshStatus() override;
    void PlaySample(w4::Sample sample) override;
    void SetHistoryBarRange(int maximum, int position) override;
    void SetHistoryBarPosition(int position) override;
    void EnableHistoryBar(bool enabled) override;
    void StopReplayTimer() override;
    // The attempt is about to be left: kept as an automatic snapshot if it would be lost; when it
    // cannot be, the error names the file and, when it may, the player chooses whether to stay.
    bool AttemptEnding(bool mayStay) override;
    bool AttemptEndingAtQuit() override;
    void LevelLoaded() override;
    bool AskQuestion(const std::string& text) override;
    void ShowNotice(const std::string& text) override;

    // --- Window life ---
    void FormCreate(const QByteArrayList& commandLineFiles);
    // Asks the quit question and, on Yes, saves; false keeps the window open.
    bool FormClose();
    bool SetGameMode(int mode) override;
    // The program ends without the quit question (SIGTERM, SIGINT, the desktop's log-out): the
    // attempt in progress is written to the recovery file first. The settings are not written.
    void KeepAttemptInProgress();
    void EndAtOnce();
    void ApplyLanguage();
    // The language buttons (and menu) show the language in force.
    void ShowLanguageChoice();
    // Shows an error message: the general error handler of the window's commands.
    void ReportError(const QString& text);
    // Runs a command under the general error handler: an exception ends the command and its
    // text is shown.
    void Guarded(const std::function<void()>& command) override;

    // --- File menu (Part of the playlist) ---
    void MNUFileNewClick();
    void MNUFileOpenClick();
    void MNUFileSaveClick();
    void MNUFileSaveAsClick();
    void MNUFileCloseClick();
    void MNUFileEmptyPlaylistClick();
    void MNUFileDefaultPlaylistClick();
    void MNUFileQuitClick();
    // Commands of the rooms beside the window, by the name the tests know them by.
    void MNUFileImportCollectionClick();
    void MNUFilePasteLevelClick();

    // --- Display menu ---
    void MNUDisplayForegroundStandardClick();
    void MNUDisplayForegroundProportionalClick();
    void MNUDisplayForegroundStretchedClick();
    void MNUDisplayForegroundTransparencyColorClick();
    void MNUDisplayForegroundGridColorClick();
    void MNUDisplayBackgroundNoneClick();
    void MNUDisplayBackgroundColor0Click();
    void MNUDisplayBackgroundColoredEffectClick();
    void MNUDisplayBackgroundColor1Click();
    void MNUDisplayBackgroundColor2Click();
    void MNUDisplayBackgroundSwapColorsClick();
    void MNUDisplayBackgroundTextureClick();
    void MNUDisplayBackgroundLoadTextureClick();
    void MNUDisplayBackgroundPictureClick();
    void MNUDisplayBackgroundLoadPictureClick();

    // --- Graphics, Music, Sounds, Tools, Help ---
    void MNUGraphicsLoadClick();
    void MNUMusicPlayClick();
    void MNUMusicStopClick();
    void MNUMusicLoadClick();
    void MNUSoundsEnabledClick();
    void MNUSoundsDisabledClick();
    void MNUToolsAssociateExtensionClick();
    void MNUHelpSendMailClick();
    void MNUHelpWebSiteClick();
    void MNUHelpAboutClick();

    // --- Top bar ---
    void BTNPlayClick();
    void BTNEditorClick();
    void BTNSolutionClick();
    void BTNEnglishClick();
    void BTNFrancaisClick();
    // Display > Language: every language by its own name.
    void MNUDisplayLanguageClick(int languageNumber);

    // --- Play panel (the navigation buttons of the solution panel share these) ---
    void BTNLevelFirstClick();
    void BTNLevelPriorClick();
    void BTNLevelNextClick();
    void BTNLevelLastClick();
    void BTNLevelRetryClick();
    void BTNFullscreenClick();
    void myScrollBarScroll(int position);
    void ToggleFullScreen();

    // --- Editor panel ---
    void IMGChooseWallClick();
    void IMGChooseSokoban1Click();
    void IMGChooseSokoban2Click();
    void IMGChooseBox1Click();
    void IMGChooseBox2Click();
    void IMGChooseTargetClick();
    void IMGChooseBackClick();
    void BTNLevelCenterClick();
    void BTNLevelSaveClick();
    void BTNLevelReloadClick();
    void BTNLevelEditXSBInfosClick();

    // --- Solution panel ---
    void BTNFilmRewindClick();
    void BTNFilmPlayClick();
    void BTNFilmStopClick();
    void SBSpeedChange();
    void TimerFilmTimer();

    // --- Timers, keys, mouse, resize ---
    void TimerStatusTimer();
    void TMRGamepadTimer();
    // Sees every key before the controls; never consumes it.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Position in the board area's coordinates; buttons and modifiers as held.
    void IMGSokobanMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                             bool doubleClick);
    void IMGSokobanMouseMove(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void FormResize();
    // Rebuilds the background layers for the board area's current size.
    void PaintBackground();
    // The skin kept in the settings at start; the Graphics check item's state.
    void LoadStoredSkin();
    // Says why the stored skin could not be loaded at start, once the window is up; then forgets it.
    void ReportStoredSkin();
    // Paints the background layers and the colour-keyed board picture into the board area.
    void IMGSokobanPaint(QPainter& painter);
    void BoardPainted();   // after each paint of the board: the first one lets sound open
    // Work that need not delay the window's appearance (the program's icon): run in the event
    // loop's turn after the first paint of the board.
    std::function<void()> AfterFirstPaint;

    // --- Files from outside: dropped, handed over by a later start, on the command line ---
    // Paths as the file system's bytes.
    void FormDropFiles(const QByteArrayList& paths);
    void ReceiveHandedOverArgument(const QByteArray& argument);
    void AddCommandLineFiles(const QByteArrayList& arguments);

    // --- Help at the board (app/help) and snapshots (app/snapshots) ---
    void MNUToolsSolveClick();
    void MNUToolsHintClick();
    void MNUToolsLastSolvableClick();
    void MNUToolsResumeAttemptClick();
    w4::Snapshots& SnapshotCommands() { return *SnapshotKeeper; }
    void MNUToolsOptimizeSolutionClick();
    // Reverse play (fmain_reverse.cpp): Tools > Reverse Play and R, the help line that asks for
    // the keeper's cell, the keeper's placing click and the Ctrl click that walks without pulling.
    void ToggleReversePlay();
    void RefreshReverseLine();
    bool ReverseMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void IMGSokobanMouseUp(const QPoint& position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // What the help shows, for the tests.
    std::vector<std::pair<int, int>> DeadlockMarks() const;
    std::optional<std::array<int, 4>> HintMark() const;   // box x, y, then the cell it goes to
    bool AssistBusy() const;
    std::uint64_t LiveChecksStarted() const;   // the editor's live check: boards handed over so far
    bool Walking() const;
    QWidget* AssistProgress() const;
    QRect HelpMessageRect() const;   // empty when no margin holds it

    // --- Widgets, named by kind and role ---
    QMenuBar* MNUSokoban = nullptr;
    QMenu* POPSokoban = nullptr;

    QWidget* PNLButtons = nullptr;
    QPushButton* BTNPlay = nullptr;
    QPushButton* BTNEditor = nullptr;
    QPushButton* BTNSolution = nullptr;
    QPushButton* BTNEnglish = nullptr;
    QPushButton* BTNFrancais = nullptr;
    QButtonGroup* ModeButtons = nullptr;
    QButtonGroup* LanguageButtons = nullptr;

    TBoardView* IMGSokoban = nullptr;
    BackgroundLayer IMGBackground, IMGTexture, IMGPicture;

    QWidget* PNLPlayGame = nullptr;
    QPushButton* BTNLevelFirst = nullptr;
    QPushButton* BTNLevelPrior = nullptr;
    QPushButton* BTNLevelRetry = nullptr;
    QPushButton* BTNLevelNext = nullptr;
    QPushButton* BTNLevelLast = nullptr;
    QPushButton* BTNFullscreen = nullptr;
    QLabel* LBLUndoRedo = nullptr;
    QScrollBar* myScrollBar = nullptr;

    QWidget* PNLEditLevel = nullptr;
    QWidget* PNLChoose = nullptr;
    QPushButton* IMGChooseWall = nullptr;
    QPushButton* IMGChooseSokoban1 = nullptr;
    QPushButton* IMGChooseSokoban2 = nullptr;
    QPushButton* IMGChooseBox1 = nullptr;
    QPushButton* IMGChooseBox2 = nullptr;
    QPushButton* IMGChooseTarget = nullptr;
    QPushButton* IMGChooseBack = nullptr;
    QLabel* PNLFleche = nullptr;
    QLabel* IMGChoice = nullptr;
    QPushButton* BTNLevelCenter = nullptr;
    QPushButton* BTNLevelSave = nullptr;
    QPushButton* BTNLevelReload = nullptr;
    QPushButton* BTNLevelEditXSBInfos = nullptr;

    QWidget* PNLViewFilm = nullptr;
    QPushButton* BTNLevelFirst3 = nullptr;
    QPushButton* BTNLevelPrior3 = nullptr;
    QPushButton* BTNLevelNext3 = nullptr;
    QPushButton* BTNLevelLast3 = nullptr;
    QPushButton* BTNFilmRewind = nullptr;
    QPushButton* BTNFilmPause = nullptr;
    QPushButton* BTNFilmPlay = nullptr;
    QPushButton* BTNFilmStop = nullptr;
    QLabel* LBLSpeed = nullptr;
    QScrollBar* SBSpeed = nullptr;

    QStatusBar* myStatusBar = nullptr;
    std::array<QLabel*, 8> StatusPanels{};

    QTimer* TimerStatus = nullptr;
    QTimer* TMRGamepad = nullptr;
    QTimer* TimerFilm = nullptr;

    // The colour the shared colour dialog opens on: the one last chosen in it.
    QColor LastChosenColour = Qt::black;

    // The Levels window, made on first use and kept, with what it has read, until the window closes.
    TFRMLevels* Levels = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildLayout();
    void BuildCommands();   // the command table, both menus and the keys (windowcommands.cpp)
    void BuildStatusBar();
    void BuildTimers();
    void StartMedia();   // sound output, effects, music module, volumes, auto-play; once
    void QueueFinishStart();   // Retry's picture and StartMedia, in the event loop's next turn
    void CloseMedia();   // stops and releases everything the sound system holds
    void StartShell();   // registered hand-over channel and drop target
    void BuildTools();   // the editor palette's pictures
    void LoadSettings();
    void SaveSettings();
    void ShowStatus();   // the seven counting panels of the status bar
    void ShowMode();     // the mode's button checked and its panel shown

    // --- What the game model reports ---
    void PositionChanged() override;
    void ModeChanged() override;

    // --- The seam's own: what help and collections ask of the window ---
    QString ProgramFolderText() const override;
    w4::Frontend& Screen() override { return *this; }
    QWidget* Window() override { return this; }
    QWidget* BoardArea() override;
    void ShowHelpMessage(const QString& text) override;
    QString SaveFolderText() const override;
    void PlayFilm() override { BTNFilmPlayClick(); }
    void ShowOwnFilm(const std::string& letters, std::size_t from, std::optional<w4::FilmStart> start) override;

    std::unique_ptr<w4::GameModel> TheGame;
    w4::GameState& Game;   // the model's, under the name every handler uses
    w4::Dialogs& dialogs;
    std::unique_ptr<w4::BoardPicture> BoardPic;
    // Sound output (the silent stand-in until StartMedia opens the real one) and the gamepad.
    std::unique_ptr<w4::SoundSystem> Sound;
    std::unique_ptr<w4::GamepadReader> Gamepad;
    w4::GamepadPollMemory GamepadMemory;
    std::unique_ptr<ShellParts, ShellPartsDeleter> Shell;
    std::unique_ptr<w4::BoardHelp> Help;
    FullScreenPlace FullScreenState;
    w4::LevelListPlace LevelListPlacement;
    std::unique_ptr<w4::Collections> Collections;
    std::unique_ptr<w4::Snapshots> SnapshotKeeper;
    std::unique_ptr<w4::CommandTable> Commands;
    bool ReverseKeeperAsked = false;   // the help line asks for the reverse keeper's cell
    bool Closing = false;     // the quit question was answered Yes and everything is saved
    bool Started = false;     // FormCreate has run to its end
    bool MediaStarted = false;   // StartMedia has run (or the quit has closed media for good)
    bool MediaQueued = false;    // the first paint (or the backstop) has asked for StartMedia
    // The stored skin that failed at start and why (empty: the file is not there), until reported.
    std::optional<std::pair<std::string, QString>> StoredSkinFailure;
    static constexpr int MediaBackstop = 300;   // ms after the first show
};
