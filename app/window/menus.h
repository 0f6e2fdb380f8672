#pragma once
// The one table both menus are built from: the main menu MNUSokoban and the board's context menu
// POPSokoban carry the same items, captions and handlers, so they can never drift apart.

#include <vector>

class TFRMMain;

namespace w4 {

using MenuHandler = void (TFRMMain::*)();

struct MenuRow {
    const char* Suffix;      // "FileOpen" names MNUFileOpen and POPFileOpen
    int Depth;               // 0 menu bar title, 1 item of a menu, 2 item of a submenu
    const char* English;
    const char* French;
    MenuHandler Handler;     // null for a submenu title
    MenuHandler PopHandler;  // the context menu's own handler where it has one, else null
};

const std::vector<MenuRow>& MenuTable();

} // namespace w4
