// The Display and Graphics menus, full screen, and painting the board area.
#include "app/help/boardhelp.h"
#include "app/window/boardview.h"
#include "app/window/captions.h"
#include "app/window/fmain.h"

#include "core/fileio.h"
#include "core/loading.h"
#include "render/backgrounds.h"
#include "render/boardpicture.h"
#include "render/colours.h"
#include "render/displaymodes.h"
#include "render/skin.h"
#include "render/ugraphics.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include <exception>
#include <optional>
#include <utility>

namespace {

// The shared colour dialog opens on the colour last chosen in it; Cancel leaves that alone.
std::optional<w4::Colour> ChooseColour(w4::Dialogs& dialogs, QColor& lastChosen)
{
    const std::optional<QColor> chosen = dialogs.Colour(lastChosen);
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    lastChosen = *chosen;
    return w4::FromQColor(*chosen);
}

} // namespace

namespace {

using Kind = w4::BackgroundLayer::Kind;

// The three ways to fit only change how the kept picture is scaled: no rebuild, just a repaint.
void FitBoard(TFRMMain& w, bool stretched, bool proportional)
{
    w.State().ForegroundStretched = stretched;
    w.State().ForegroundProportional = proportional;
    w.IMGSokoban->update();
}

// A colour of the board picture chosen; Cancel changes nothing. The see-through tile is painted
// in the key colour, so it follows it.
void ChooseBoardColour(TFRMMain& w, w4::Colour w4::GameState::*field, w4::TileSet& tiles)
{
    const std::optional<w4::Colour> colour = ChooseColour(w.Dialog(), w.LastChosenColour);
    if (!colour)
        return;
    w.State().*field = *colour;
    if (field == &w4::GameState::TransparencyColor)
        w4::BuildNoneTile(w.State(), tiles);
    w4::RedrawBoard(w.State(), w);
}

void ShowBackground(TFRMMain& w, Kind kind)
{
    w.State().BackgroundMode = w4::BackgroundModeOf(kind);
    w.PaintBackground();
}

void SwapGradientColours(TFRMMain& w)
{
    std::swap(w.State().GradientColor1, w.State().GradientColor2);
    ShowBackground(w, Kind::Gradient);
}

// The background of `kind` in a colour chosen for `field`; Cancel changes nothing.
void ShowBackgroundInColour(TFRMMain& w, Kind kind, w4::Colour w4::GameState::*field)
{
    const std::optional<w4::Colour> colour = ChooseColour(w.Dialog(), w.LastChosenColour);
    if (!colour)
        return;
    w.State().*field = *colour;
    ShowBackground(w, kind);
}

// The picture chooser starts on the current file (selected, so its preview shows), else in its
// folder, else in the program's folder. Metafiles are not offered: no reader for them exists
// here, and a choice that silently does nothing would only puzzle the player.
QString ChoosePicture(w4::Dialogs& dialogs, const std::string& current,
                      const QString& programFolder)
{
    QString folder = programFolder;
    if (!current.empty()) {
        const QFileInfo info(QFile::decodeName(current.c_str()));
        if (info.isFile())
            folder = info.absoluteFilePath();
        else if (info.absoluteDir().exists())
            folder = info.absolutePath();
    }
    const QString filter = Warehaus4::QTr("All pictures") +
                           QStringLiteral(" (*.jpg *.jpeg *.bmp *.ico *.png);;") +
                           QStringLiteral("JPEG (*.jpg *.jpeg);;") + Warehaus4::QTr("Bitmaps") +
                           QStringLiteral(" (*.bmp);;") + Warehaus4::QTr("Icons") +
                           QStringLiteral(" (*.ico);;PNG (*.png)");
    return dialogs.Picture(folder, filter);
}

// The background of `kind` from a picture file chosen for `file`; Cancel changes nothing.
void ShowBackgroundFile(TFRMMain& w, Kind kind, std::string w4::GameState::*file, const QString& programFolder)
{
    const QString path = ChoosePicture(w.Dialog(), w.State().*file, programFolder);
    if (path.isEmpty())
        return;
    w.State().*file = QFile::encodeName(path).toStdString();
    ShowBackground(w, kind);
}

// Graphics > Load: a set of tile pictures replaces the built-in one until the program ends; a skin
// picture does too, and the settings keep it. A name typed for a file that is not there loads
// nothing and redraws nothing.
void LoadChosenTiles(TFRMMain& w, w4::TileSet& tiles, const QString& folder)
{
    const QString path = w.Dialog().OpenFile(
        folder, QStringLiteral("Sokoban Graphics and Skins (*.ini *.png *.bmp);;Sokoban Graphics (*.ini);;Skins (*.png *.bmp)"),
        QStringLiteral("ini"));
    const std::string file = QFile::encodeName(path).toStdString();
    if (path.isEmpty() || !w4::FileExists(file))
        return;
    w4::LoadTilesFile(w.State(), tiles, file);
    w4::RedrawBoard(w.State(), w);
}

} // namespace

// --- Foreground: how the board picture fits the area, and its two colours ---

void TFRMMain::MNUDisplayForegroundStandardClick() { FitBoard(*this, false, true); }
void TFRMMain::MNUDisplayForegroundProportionalClick() { FitBoard(*this, true, true); }
void TFRMMain::MNUDisplayForegroundStretchedClick() { FitBoard(*this, true, false); }
void TFRMMain::MNUDisplayForegroundTransparencyColorClick() { ChooseBoardColour(*this, &w4::GameState::TransparencyColor, BoardPic->Tiles()); }
void TFRMMain::MNUDisplayForegroundGridColorClick() { ChooseBoardColour(*this, &w4::GameState::GridColor, BoardPic->Tiles()); }

// --- Background ---

void TFRMMain::MNUDisplayBackgroundNoneClick() { ShowBackground(*this, Kind::Plain); }
void TFRMMain::MNUDisplayBackgroundColor0Click() { ShowBackgroundInColour(*this, Kind::Plain, &w4::GameState::BackgroundColor); }
void TFRMMain::MNUDisplayBackgroundColoredEffectClick() { ShowBackground(*this, Kind::Gradient); }
void TFRMMain::MNUDisplayBackgroundColor1Click() { ShowBackgroundInColour(*this, Kind::Gradient, &w4::GameState::GradientColor1); }
void TFRMMain::MNUDisplayBackgroundColor2Click() { ShowBackgroundInColour(*this, Kind::Gradient, &w4::GameState::GradientColor2); }
void TFRMMain::MNUDisplayBackgroundSwapColorsClick() { SwapGradientColours(*this); }
void TFRMMain::MNUDisplayBackgroundTextureClick() { ShowBackground(*this, Kind::Texture); }
void TFRMMain::MNUDisplayBackgroundLoadTextureClick() { ShowBackgroundFile(*this, Kind::Texture, &w4::GameState::TextureFile, ProgramFolderText()); }
void TFRMMain::MNUDisplayBackgroundPictureClick() { ShowBackground(*this, Kind::Picture); }
void TFRMMain::MNUDisplayBackgroundLoadPictureClick() { ShowBackgroundFile(*this, Kind::Picture, &w4::GameState::PictureFile, ProgramFolderText()); }

// --- Full screen ---

void TFRMMain::BTNFullscreenClick() { ToggleFullScreen(); }

void TFRMMain::ToggleFullScreen()
{
    FullScreenPlace& f = FullScreenState;
    QWidget* const modePanels[] = {PNLPlayGame, PNLEditLevel, PNLViewFilm};

    if (!f.Active) {
        f.WasMaximized = isMaximized();
        // For a maximized window this is the size it had before it was maximized.
        const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
        f.Left = normal.x();
        f.Top = normal.y();
        f.Width = normal.width();
        f.Height = normal.height();

        // Changing the flags hides the window; it is shown again once everything is in place.
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        const QScreen* display = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        const QRect whole = display != nullptr ? display->geometry() : QRect(0, 0, 1024, 768);
        for (QAction* item : MNUSokoban->actions())
            item->setVisible(false);
        MNUSokoban->hide();
        PNLButtons->hide();
        for (QWidget* panel : modePanels)
            panel->hide();
        myStatusBar->hide();
        setGeometry(whole);
        // The full-screen state as well as the screen's bounds: desktops keep their own panels
        // above a window that merely has the screen's size.
        setWindowState(Qt::WindowFullScreen);
        show();
        f.Active = true;
    } else {
        setWindowFlags(windowFlags() & ~(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        setWindowState(Qt::WindowNoState);
        setGeometry(f.Left, f.Top, f.Width, f.Height);
        for (QAction* item : MNUSokoban->actions())
            item->setVisible(true);
        MNUSokoban->show();
        PNLButtons->show();
        // The panel of the mode the window is in: full screen is entered from play mode only, but
        // a panel of another mode must never appear beside the one in use.
        for (int i = 0; i < 3; ++i)
            modePanels[i]->setVisible(i == Game.GameMode - 1);
        myStatusBar->show();
        if (f.WasMaximized)
            showMaximized();
        else
            showNormal();
        f.Active = false;
    }
    activateWindow();
}

// --- Board area ---

// Every size change rebuilds the background for the new board area. The board area reports its
// own resize before the window does, so the window's report finds the work done; building it
// twice would read a texture or picture file twice.
void TFRMMain::FormResize()
{
    if (IMGSokoban->size() != IMGSokoban->BackgroundArea())
        PaintBackground();
}

// Builds the background layers of the board area from the background settings.
void TFRMMain::PaintBackground()
{
    IMGSokoban->SetBackgroundArea(IMGSokoban->size());
    try {
        const std::optional<w4::BackgroundLayer> layer = w4::PaintBackground(Game, IMGSokoban->size());
        // A missing or unreadable texture or picture leaves the screen as it was.
        if (!layer)
            return;
        IMGBackground.Visible = IMGTexture.Visible = IMGPicture.Visible = false;
        switch (layer->kind) {
        case w4::BackgroundLayer::Kind::Plain:
            IMGSokoban->SetFormColor(layer->colour);
            break;
        case w4::BackgroundLayer::Kind::Gradient:
            IMGBackground = {layer->image, true};
            break;
        case w4::BackgroundLayer::Kind::Texture:
            IMGTexture = {layer->image, true};
            break;
        case w4::BackgroundLayer::Kind::Picture:
            IMGPicture = {layer->image, true};
            break;
        }
    } catch (const std::exception&) {
        // The background never interrupts the player, whatever goes wrong while building it.
    }
    IMGSokoban->update();
}

void TFRMMain::IMGSokobanPaint(QPainter& painter)
{
    const QRect area = IMGSokoban->rect();
    // The window's own colour shows wherever no layer covers the area.
    painter.fillRect(area, IMGSokoban->FormColor());
    try {
        if (IMGBackground.Visible)
            w4::DrawBackground(painter, area, {w4::BackgroundLayer::Kind::Gradient, Qt::black, IMGBackground.Image});
        if (IMGTexture.Visible)
            w4::DrawBackground(painter, area, {w4::BackgroundLayer::Kind::Texture, Qt::black, IMGTexture.Image});
        if (IMGPicture.Visible)
            w4::DrawBackground(painter, area, {w4::BackgroundLayer::Kind::Picture, Qt::black, IMGPicture.Image});
    } catch (const std::exception&) {
        // As when building it: a background that cannot be drawn is left out, the board is not.
    }
    w4::DrawBoardPicture(painter, area, BoardPic->DisplayImage(), Game.ForegroundStretched,
                         Game.ForegroundProportional, IMGSokoban->devicePixelRatioF());
    if (Help)
        Help->Paint(painter);
}

void TFRMMain::MNUGraphicsLoadClick() { LoadChosenTiles(*this, BoardPic->Tiles(), ProgramFolderText()); }

// At start, the skin of the last run; one that cannot be read now leaves the built-in set, as a
// background that cannot be drawn is left out, and stays in the settings for a later start (a
// skin on a drive that is not mounted yet is not forgotten). Why is said once the window shows.
void TFRMMain::LoadStoredSkin()
{
    if (!Game.SkinFile.empty()) {
        const std::string file = Game.SkinFile;
        if (!w4::FileExists(file)) {
            StoredSkinFailure.emplace(file, QString());
        } else {
            try {
                w4::LoadSkin(Game, BoardPic->Tiles(), file);
            } catch (const std::exception& e) {
                // Refused before anything changed: the built-in set stays.
                StoredSkinFailure.emplace(file, QString::fromUtf8(e.what()));
            }
        }
    }
}

// Once per start: the player sees the built-in tiles and learns why, and that the skin is tried
// again next time unless another skin or set is loaded.
void TFRMMain::ReportStoredSkin()
{
    if (!StoredSkinFailure)
        return;
    const auto [file, why] = *std::exchange(StoredSkinFailure, std::nullopt);
    const QString name = QFile::decodeName(file.c_str());
    const QString what =
        why.isEmpty()
            ? Warehaus4::QTr("The skin \"%1\" chosen last time is not there (is its drive or folder missing?).")
                  .arg(name)
            : Warehaus4::QTr("The skin chosen last time cannot be used:") +
                  QStringLiteral("\r\n") + why;
    ReportError(what + QStringLiteral("\r\n\r\n") +
                Warehaus4::QTr("The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the "
                           "next start; Graphics > Load chooses another."));
}
