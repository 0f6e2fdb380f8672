#pragma once
// The window's translated vocabulary as data. The menu items' captions live in the command table
// (commands.h); this table holds the captions of the buttons and labels, applied after both menus.

#include "core/uglobal.h"

#include <QString>

#include <vector>

namespace w4 {

struct WidgetCaption {
    const char* Name;     // the widget's object name
    const char* English;
    const char* French;
};

const std::vector<WidgetCaption>& WidgetCaptions();
// Tooltips of the buttons that show only a picture (or a terse sign), so a newcomer can tell
// what each does; they follow the language like the captions.
const std::vector<WidgetCaption>& WidgetToolTips();

// ChooseText for the window: the pair's text in the current language, UTF-8 decoded.
QString Choose(const GameState& g, const char* english, const char* french);

} // namespace w4
