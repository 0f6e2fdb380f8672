#pragma once
// The main window: owner of the one GameState, the board picture, the timers and the dialogs.
// Its handlers stay short: each calls into the core or a unit and nothing more. The handlers are
// spread over files by role (fmain_editor.cpp, fmain_replay.cpp, fmain_display.cpp,
// fmain_media.cpp, fmain_shell.cpp, keyboard.cpp, status.cpp, captions.cpp, menus.cpp).

#include "app/dialogs.h"
#include "core/frontend.h"
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
class BoardPicture;
}

// State of the single-instance server and hand-over; defined in fmain_shell.cpp.
struct ShellParts;
struct ShellPartsDeleter {
    void operator()(ShellParts* parts) const;
};

// The help at the board (walks, hints, deadlock marks, the solver's jobs); defined in
// fmain_assist.cpp.
struct AssistParts;
struct AssistPartsDeleter {
    void operator()(AssistParts* parts) const;
};

// One background layer of the board area (plain or gradient colour, tiled texture, picture).
struct BackgroundLayer {
    QImage Image;
    bool Visible = false;
};

class TFRMMain : public QMainWindow, public w4::Frontend {
    Q_OBJECT

public:
    TFRMMain(std::filesystem::path programFolder, w4::Dialogs& dialogs, QByteArrayList commandLineFiles = {},
             QWidget* parent = nullptr);
    // The same, with the folders of an installed or portable run (core/folders.h).
    TFRMMain(std::filesystem::path programFolder, w4::Folders folders, w4::Dialogs& dialogs,
             QByteArrayList commandLineFiles = {}, QWidget* parent = nullptr);
    ~TFRMMain() override;

    w4::GameState& State() { return Game; }
    const w4::GameState& State() const { return Game; }
    w4::Dialogs& Dialog() { return dialogs; }

    // A menu item by its name ("MNUFileOpen", "POPFileOpen", also the submenus "MNUFile").
    QAction* MenuItem(const QString& name) const;
    QString StatusText(int panel) const;
    const w4::BoardPicture& Picture() const { return *BoardPic; }
    // The sound output, for what it holds and plays (the silent system until start-up opens it).
    const w4::SoundSystem& SoundOutput() const { return *Sound; }

    // --- Frontend: the core's way to the screen, the speakers and the user ---
    void DrawCell(int x, int y) override;
    void PaintBoard() override;
    void RefreshStatus() override;
    void PlaySample(w4::Sample sample) override;
    void SetHistoryBarRange(int maximum, int position) override;
    void SetHistoryBarPosition(int position) override;
    void EnableHistoryBar(bool enabled) override;
    void StopReplayTimer() override;
    bool AskQuestion(const std::string& text) override;
    void ShowNotice(const std::string& text) override;

    // --- Window life ---
    void FormCreate(const QByteArrayList& commandLineFiles);
    // Asks the quit question and, on Yes, saves; false keeps the window open.
    bool FormClose();
    void SetGameMode(int mode);
    void ApplyLanguage();
    // Shows an error message: the general error handler of the window's commands.
    void ReportError(const QString& text);
    // Runs a command under the general error handler: an exception ends the command and its
    // text is shown.
    void Guarded(const std::function<void()>& command);

    // --- File menu (Part of the playlist) ---
    void MNUFileNewClick();
    void MNUFileOpenClick();
    void MNUFileSaveClick();
    void MNUFileSaveAsClick();
    void MNUFileCloseClick();
    void MNUFileEmptyPlaylistClick();
    void MNUFileDefaultPlaylistClick();
    void MNUFileQuitClick();
    // Collections and the clipboard (fmain_collections.cpp).
    void MNUFileImportCollectionClick();
    void MNUFileExportPlaylistClick();
    void MNUFileCopyLevelClick();
    void MNUFilePasteLevelClick();
    void MNUFileCopySolutionClick();
    void MNUFilePasteSolutionClick();
    void MNUFileLevelsClick();   // the Levels window (flevels.cpp)

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
    void POPGraphicsLoadClick();
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
    // Paints the background layers and the colour-keyed board picture into the board area.
    void IMGSokobanPaint(QPainter& painter);

    // --- Files from outside: dropped, handed over by a later start, on the command line ---
    // Paths as the file system's bytes.
    void FormDropFiles(const QByteArrayList& paths);
    void ReceiveHandedOverArgument(const QByteArray& argument);
    void AddCommandLineFiles(const QByteArrayList& arguments);

    // --- Help at the board (fmain_assist.cpp) ---
    void MNUToolsSolveClick();
    void MNUToolsHintClick();
    void MNUToolsLastSolvableClick();
    void MNUToolsDeadlockWarningsClick();
    void IMGSokobanMouseUp(const QPoint& position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Hooks into the handlers above: true when the event was the help's own and must go no further.
    bool AssistKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool AssistMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool AssistMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    bool AssistFilmRewind();   // the film of a solver's solution rewinds to its own start
    bool AssistOfferSolve();   // Play on a level without a solution offers to solve it; true on Yes
    // After every status refresh: the deadlock marks and the hint follow the shown position.
    void AssistRefresh();
    // The marks drawn over the board display (never into the board picture).
    void PaintAssistOverlay(QPainter& painter);
    // What the help shows, for the tests.
    std::vector<std::pair<int, int>> DeadlockMarks() const;
    std::optional<std::array<int, 4>> HintMark() const;   // box x, y, then the cell it goes to
    bool AssistBusy() const;
    bool Walking() const;
    QWidget* AssistProgress() const;

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildLayout();
    void BuildMenus();
    void BuildStatusBar();
    void BuildTimers();
    void StartMedia();   // sound output, effects, music module, volumes, auto-play
    void CloseMedia();   // stops and releases everything the sound system holds
    void StartShell();   // registered hand-over channel and drop target
    void BuildTools();   // the editor palette's pictures
    void LoadSettings();
    void SaveSettings();
    void LoadAndRedraw();
    QString ProgramFolderText() const;

    w4::GameState Game;
    w4::Dialogs& dialogs;
    std::unique_ptr<w4::BoardPicture> BoardPic;
    // Sound output (the silent stand-in until StartMedia opens the real one) and the gamepad.
    std::unique_ptr<w4::SoundSystem> Sound;
    std::unique_ptr<w4::GamepadReader> Gamepad;
    w4::GamepadPollMemory GamepadMemory;
    std::unique_ptr<ShellParts, ShellPartsDeleter> Shell;
    std::unique_ptr<AssistParts, AssistPartsDeleter> Assist;
    void StartAssist();
    std::map<QString, QAction*> MenuItems;
    bool Closing = false;     // the quit question was answered Yes and everything is saved
    bool Started = false;     // FormCreate has run to its end
};
