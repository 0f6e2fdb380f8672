#pragma once
// The window's captions as data. The menu items' captions live in the command table (commands.h);
// this table holds the captions of the buttons and labels, applied after both menus. Each caption is the
// English text, looked up in the catalogue of the language in force (core/text.h).

#include <QString>

#include <vector>

namespace Warehaus4 {

// Warehaus4::Tr for the window: the text in the language in force, as a QString.
QString QTr(const char* english, const char* disambiguation = nullptr);

} // namespace Warehaus4

namespace w4 {

// A text of a table, marked for the catalogues where the table is written: the English and,
// where the same English means two things, what tells them apart.
struct TextId {
    const char* English;
    const char* Disambiguation = nullptr;
    QString Text() const { return Warehaus4::QTr(English, Disambiguation); }
};

struct WidgetCaption {
    const char* Name;  // the widget's object name
    TextId Caption;
};

const std::vector<WidgetCaption>& WidgetCaptions();
// Tooltips of the buttons that show only a picture (or a terse sign), so a newcomer can tell
// what each does; they follow the language like the captions.
const std::vector<WidgetCaption>& WidgetToolTips();

} // namespace w4
