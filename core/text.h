#pragma once
// Every text the player reads is named by its English words and looked up in the catalogue of
// the language in force (i18n/*.ts, built into the program). The core has no Qt, so it asks
// through a hook that the window installs at its start; without one the English is the text,
// which is what the core's own tests and the command-line tools read.
//
// Texts are UTF-8. One catalogue context holds them all (this namespace's name), so a text keeps
// its translation when the code that says it moves to another file or class.

#include <initializer_list>
#include <string>
#include <string_view>

namespace Warehaus4 {

// The text in the language in force. The disambiguation tells apart two texts with the same
// English and different meanings ("Stop" the music, "Stop" the replay); it is part of the id.
std::string Tr(const char* english, const char* disambiguation = nullptr);

} // namespace Warehaus4

namespace w4 {

// The translation of english, or an empty string to keep the English.
using TextLookup = std::string (*)(const char* english, const char* disambiguation);

// nullptr puts the English back. Safe to call while other threads look texts up.
void SetTextLookup(TextLookup lookup);

// The text with %1 .. %9 replaced by the arguments, in one pass, so an argument holding "%2"
// (a file name, say) is never taken for a placeholder, as QString::arg does with several
// arguments. A placeholder without its argument stays as written.
std::string FillText(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace w4
