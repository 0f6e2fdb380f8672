// The editor panel, File > New and the mouse on the board.
#include "app/boardview.h"
#include "app/fmain.h"

#include <QMenu>

// Palette: the clicked image's character becomes EditorTool and IMGChoice shows it.
void TFRMMain::IMGChooseWallClick() {}
void TFRMMain::IMGChooseSokoban1Click() {}
void TFRMMain::IMGChooseSokoban2Click() {}
void TFRMMain::IMGChooseBox1Click() {}
void TFRMMain::IMGChooseBox2Click() {}
void TFRMMain::IMGChooseTargetClick() {}
void TFRMMain::IMGChooseBackClick() {}

// Gives the palette images and IMGChoice their built-in tile pictures.
void TFRMMain::BuildTools() {}

// Fits the frame to the level and redraws.
void TFRMMain::BTNLevelCenterClick() {}
// Asks, then writes the edited level to its file through File > Save.
void TFRMMain::BTNLevelSaveClick() {}
// Asks, then drops unsaved edits by reloading the level.
void TFRMMain::BTNLevelReloadClick() {}
// Opens the level-information dialog on the six header fields.
void TFRMMain::BTNLevelEditXSBInfosClick() {}
// Shifts the level one cell inside its frame for an arrow key, then redraws.
void TFRMMain::EditorShiftKey(int) {}
// Asks, writes a new level file from the template, adds it to the playlist and shows it.
void TFRMMain::MNUFileNewClick() {}

// Mouse on the board: a step towards the click in Play mode, painting in Editor mode; the right
// button alone opens the context menu in every mode.
void TFRMMain::IMGSokobanMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                   bool doubleClick)
{
    if (buttons == Qt::RightButton && modifiers == Qt::NoModifier && !doubleClick)
        POPSokoban->popup(IMGSokoban->mapToGlobal(position));
}

void TFRMMain::IMGSokobanMouseMove(const QPoint&, Qt::MouseButtons, Qt::KeyboardModifiers) {}
