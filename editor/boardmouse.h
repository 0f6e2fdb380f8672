#pragma once
// The board picture as a mouse surface: which cell a pointer position hits, a play-mode step
// towards a click, and painting the editor's tool. No Qt here; editorinput.h converts Qt's
// events into these types.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <array>

namespace w4 {

// Where the board lies on the picture component, and the cell under the pointer.
struct BoardHit {
    bool HasRect = false;   // false: an empty level, or neither foreground switch set
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool OnBoard = false;   // Left <= x < Left + Width and Top <= y < Top + Height
    int Column = -1, Row = -1;
};

// (x, y) in the client coordinates of a picture component of clientWidth x clientHeight, for
// the foreground mode in g (ForegroundStretched, ForegroundProportional). The rectangle is the
// board's cells as drawn: the board picture (cells plus a one-pixel frame) placed and scaled by
// BoardDisplayRect, each screen pixel taken from the picture pixel under its centre.
// 'pixelRatio' is the screen's device pixels to a logical one, as given to DrawBoardPicture: the
// cells are found where that draws them; the rectangle is in logical pixels.
BoardHit BoardHitTest(const GameState& g, int clientWidth, int clientHeight, int x, int y, double pixelRatio = 1.0);

// The buttons and modifier keys of one mouse event. Extra buttons and the Meta key are not part
// of the state, as the program's own mouse rules never look at them.
struct MouseState {
    bool Left = false, Right = false, Middle = false;
    bool Shift = false, Alt = false, Ctrl = false;
    bool Double = false;  // the second press of a double click
};

// Exactly that button: no other button, no modifier key, no double-click mark.
bool IsLeftAlone(const MouseState& s);
bool IsRightAlone(const MouseState& s);

// The one step a play-mode click at (column, row) asks for: 'l', 'u', 'r' or 'd' when the cell
// lies in the keeper's row or column, 0 for the keeper's own cell or any other cell.
char MouseStepLetter(const GameState& g, int column, int row);

// Writes EditorTool into record 0 at (column, row) when the cell lies inside the frame; painting
// a keeper makes that cell the keeper position. Returns whether the cell's character changed.
bool PaintEditorTool(GameState& g, int column, int row);

// One mouse press or move on the board: in Play mode (level in play, left alone) one step
// towards the cell; in Editor mode (left alone) paints the tool and draws the cell. Returns
// whether the context menu should open at the pointer (right alone, on the board or not).
bool BoardMouse(GameState& g, Frontend& ui, const BoardHit& hit, const MouseState& s);

// The palette, left to right, and the character each image paints.
struct PaletteEntry {
    const char* Name;
    char Tool;
};
constexpr std::array<PaletteEntry, 7> EditorPalette = {{
    {"IMGChooseWall", '#'},
    {"IMGChooseSokoban1", '@'},
    {"IMGChooseSokoban2", '+'},
    {"IMGChooseBox1", '$'},
    {"IMGChooseBox2", '*'},
    {"IMGChooseTarget", '.'},
    {"IMGChooseBack", ' '},
}};

// A palette image was clicked: its character becomes the tool. Returns the tool character; an
// index outside the palette changes nothing and returns the current tool.
char ChoosePaletteTool(GameState& g, int paletteIndex);

} // namespace w4
