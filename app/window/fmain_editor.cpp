// The editor panel, File > New and the mouse on the board.
#include "app/help/boardhelp.h"
#include "app/window/boardview.h"
#include "app/window/fmain.h"

#include "core/completion.h"
#include "editor/boardmouse.h"
#include "editor/editorcommands.h"
#include "editor/editorinput.h"
#include "editor/fxsbinfos.h"
#include "render/builtintiles.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPolygonF>
#include <QPixmap>
#include <QPushButton>

#include <utility>

namespace {

// The palette always shows the program's own 16 x 16 tiles: a graphics set changes the board,
// not the tools, so an author still recognises them whatever set is loaded.
QImage ToolPicture(char tool)
{
    static const w4::TileSet tiles = w4::BuiltInTileSet(16);
    switch (tool) {
    case '#': return tiles.IMGWalls[0];
    case '@': return tiles.IMGSokoban1;
    case '+': return tiles.IMGSokoban2;
    case '$': return tiles.IMGBox1;
    case '*': return tiles.IMGBox2;
    case '.': return tiles.IMGTarget;
    default: return tiles.IMGEmpty;
    }
}

// A palette image: the tile inside a black frame, 21 x 21.
QPixmap PaletteImage(char tool)
{
    constexpr int Size = 21;
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QImage tile = ToolPicture(tool);
    painter.drawImage((Size - tile.width()) / 2, (Size - tile.height()) / 2, tile);
    painter.end();
    return QPixmap::fromImage(image);
}

// IMGChoice shows the chosen palette image as it stands in the palette.
void ShowTool(TFRMMain& window, char tool) { window.IMGChoice->setPixmap(PaletteImage(tool)); }

void ChooseTool(TFRMMain& window, int paletteIndex)
{
    ShowTool(window, w4::ChoosePaletteTool(window.State(), paletteIndex));
}

// The level commands' pictures, drawn here so they read the same under every style: fitting
// the frame is crop marks closing on the level, saving a disk, reloading a turning arrow, the
// level information a page of header lines.
enum class PanelGlyph { Fit, Save, Reload, Infos };

QIcon PanelIcon(PanelGlyph glyph, const QColor& ink, const QColor& paper)
{
    constexpr int Size = 16;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(ink, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    switch (glyph) {
    case PanelGlyph::Fit: {
        // Four corner marks around a block: the frame drawn tight round the level.
        const double a = 1.5, b = 14.5, l = 4;
        p.drawPolyline(QPolygonF({{a, a + l}, {a, a}, {a + l, a}}));
        p.drawPolyline(QPolygonF({{b - l, a}, {b, a}, {b, a + l}}));
        p.drawPolyline(QPolygonF({{b, b - l}, {b, b}, {b - l, b}}));
        p.drawPolyline(QPolygonF({{a + l, b}, {a, b}, {a, b - l}}));
        p.fillRect(QRectF(5, 5, 6, 6), ink);
        break;
    }
    case PanelGlyph::Save: {
        // A diskette: the body with its cut corner, the shutter and the label.
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({{1.5, 1.5}, {12, 1.5}, {14.5, 4}, {14.5, 14.5}, {1.5, 14.5}}));
        p.setPen(Qt::NoPen);
        p.setBrush(paper);
        p.drawRect(QRectF(4, 2.5, 7, 4));
        p.drawRect(QRectF(3.5, 9, 9, 5));
        p.setBrush(ink);
        p.drawRect(QRectF(8.5, 3, 1.5, 3));
        break;
    }
    case PanelGlyph::Reload: {
        // Three quarters of a circle ending in an arrowhead.
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({{8, 0}, {13, 3.5}, {8, 7}}));
        break;
    }
    case PanelGlyph::Infos: {
        // A page with a folded corner and the lines of its header.
        p.setBrush(paper);
        p.drawPolygon(QPolygonF({{2.5, 0.5}, {10, 0.5}, {13.5, 4}, {13.5, 15.5}, {2.5, 15.5}}));
        p.drawPolyline(QPolygonF({{10, 0.5}, {10, 4}, {13.5, 4}}));
        p.setPen(QPen(ink, 1.2));
        for (const double y : {6.5, 9.0, 11.5, 14.0})
            p.drawLine(QPointF(4.5, y), QPointF(y < 7 ? 8.5 : 11.5, y));
        break;
    }
    }
    p.end();
    return QIcon(pixmap);
}

// Playlist entries hold the file system's bytes.
std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Asks, writes a new level file from the template, adds it to the playlist and shows it.
void NewLevel(TFRMMain& w, const QString& saveFolder)
{
    if (!w.AskQuestion(w4::NewLevelQuestion(w.State())))
        return;
    const QString path =
        w.Dialog().SaveFile(saveFolder, QStringLiteral("Sokoban XSB Levels (*.xsb)"), QStringLiteral("xsb"));
    if (path.isEmpty())
        return;
    w4::CreateNewLevel(w.State(), w, PathBytes(path));
}

} // namespace

// Palette: the clicked image's character becomes EditorTool and IMGChoice shows it.
void TFRMMain::IMGChooseWallClick() { ChooseTool(*this, 0); }
void TFRMMain::IMGChooseSokoban1Click() { ChooseTool(*this, 1); }
void TFRMMain::IMGChooseSokoban2Click() { ChooseTool(*this, 2); }
void TFRMMain::IMGChooseBox1Click() { ChooseTool(*this, 3); }
void TFRMMain::IMGChooseBox2Click() { ChooseTool(*this, 4); }
void TFRMMain::IMGChooseTargetClick() { ChooseTool(*this, 5); }
void TFRMMain::IMGChooseBackClick() { ChooseTool(*this, 6); }

// Gives the palette images and IMGChoice their built-in tile pictures, and the level commands
// their glyphs.
void TFRMMain::BuildTools()
{
    QPushButton* images[] = {IMGChooseWall, IMGChooseSokoban1, IMGChooseSokoban2, IMGChooseBox1,
                             IMGChooseBox2, IMGChooseTarget, IMGChooseBack};
    static_assert(std::size(images) == w4::EditorPalette.size());
    for (std::size_t i = 0; i < w4::EditorPalette.size(); ++i) {
        const QPixmap picture = PaletteImage(w4::EditorPalette[i].Tool);
        images[i]->setIcon(QIcon(picture));
        images[i]->setIconSize(picture.size());
    }
    ShowTool(*this, Game.EditorTool);

    const QColor ink = palette().color(QPalette::ButtonText);
    const QColor paper = palette().color(QPalette::Base);
    const std::pair<QPushButton*, PanelGlyph> commands[] = {
        {BTNLevelCenter, PanelGlyph::Fit},
        {BTNLevelSave, PanelGlyph::Save},
        {BTNLevelReload, PanelGlyph::Reload},
        {BTNLevelEditXSBInfos, PanelGlyph::Infos},
    };
    for (const auto& [button, glyph] : commands)
        button->setIcon(PanelIcon(glyph, ink, paper));
}

// Fits the frame to the level and redraws.
void TFRMMain::BTNLevelCenterClick() { w4::CenterLevel(Game, *this); }
// Asks, then writes the edited level to its file through File > Save.
void TFRMMain::BTNLevelSaveClick() { w4::SaveLevelCommand(Game, *this); }
// Asks, then drops unsaved edits by reloading the level.
void TFRMMain::BTNLevelReloadClick() { w4::ReloadLevelCommand(Game, *this); }

// Opens the level-information dialog on the six header fields.
void TFRMMain::BTNLevelEditXSBInfosClick()
{
    if (const auto header = w4::TFRMXSBInfos::Execute(this, Game.LevelHeader))
        w4::ApplyLevelHeader(Game, *this, *header);
}

void TFRMMain::MNUFileNewClick() { NewLevel(*this, SaveFolderText()); }

// Mouse on the board: a step towards the click in Play mode, painting in Editor mode; the right
// button alone opens the context menu in every mode.
void TFRMMain::IMGSokobanMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                   bool doubleClick)
{
    // In reverse play a click places the keeper, and a Ctrl click walks without pulling.
    if (ReverseMouseDown(position, buttons, modifiers))
        return;
    // Ctrl + left button in Play mode walks or pushes by a path; any click ends a walk first.
    if (Help && Help->MouseDown(position, buttons, modifiers))
        return;
    const w4::BoardHit hit =
        w4::BoardHitTest(Game, IMGSokoban->width(), IMGSokoban->height(), position.x(), position.y(),
                         IMGSokoban->devicePixelRatioF());
    const auto editedCell = [&]() -> char {
        return Game.GameMode == w4::ModeEditor && hit.OnBoard && !Game.SnapshotHistory.empty()
                   ? Game.SnapshotHistory.front().Board[static_cast<std::size_t>(hit.Column)]
                                                       [static_cast<std::size_t>(hit.Row)]
                   : '\0';
    };
    const char before = editedCell();
    const bool menu = w4::BoardMouse(Game, *this, hit, w4::MouseStateOf(buttons, modifiers, doubleClick));
    // The status bar's box and target counts follow the author's painting, so an unbalanced
    // level shows while it is being drawn.
    if (editedCell() != before) {
        w4::CountBoxesAndTargets(Game);
        RefreshStatus();
    }
    if (menu)
        POPSokoban->popup(IMGSokoban->mapToGlobal(position));
}

// A move with a button held acts as a press at each reported position: drag painting.
void TFRMMain::IMGSokobanMouseMove(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (Help && Help->MouseMove(buttons, modifiers))
        return;
    IMGSokobanMouseDown(position, buttons, modifiers, false);
}
