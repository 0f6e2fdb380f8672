#pragma once
// The languages of the game: their numbers (kept in the settings), their own names, their
// catalogues, and which one the desktop asks for.

#include <QString>

#include <vector>

namespace w4 {

struct Language {
    int Number;         // the settings' LANGUAGE/Number: English 0 and French 1 as ever, then in order
    const char* Code;   // the catalogue's suffix: i18n/warehaus4_CODE.ts
    const char* Name;   // in the language itself, UTF-8
};

// In number order; the numbers run from 0 without gaps.
const std::vector<Language>& Languages();

// The number a settings value stands for: one we have, else English.
int KnownLanguage(int number);

// The language a locale name asks for ("de_DE.UTF-8", "pt_BR", "zh_CN"), -1 when we lack it.
int LanguageOfLocale(const QString& locale);

// The desktop's language: the first of LC_ALL, LC_MESSAGES and LANG that is set decides, as for
// every other program; English when it names none we have.
int DesktopLanguage();

// Makes the language's catalogue the one every text is looked up in, the core's too.
void UseLanguage(int number);

} // namespace w4
