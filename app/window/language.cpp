#include "app/window/language.h"

#include "app/window/captions.h"
#include "core/text.h"
#include "core/uglobal.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace w4 {

namespace {

constexpr const char* Context = "Warehaus4";

std::unique_ptr<QTranslator>& Installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::string CoreLookup(const char* english, const char* disambiguation)
{
    return QCoreApplication::translate(Context, english, disambiguation).toStdString();
}

} // namespace

const std::vector<Language>& Languages()
{
    static const std::vector<Language> table = {
        {LanguageEnglish, "en", "English"},
        {LanguageFrench, "fr", "Français"},
        {2, "de", "Deutsch"},
        {3, "es", "Español"},
        {4, "it", "Italiano"},
        {5, "pt_BR", "Português (Brasil)"},
        {6, "nl", "Nederlands"},
        {7, "pl", "Polski"},
        {8, "ru", "Русский"},
        {9, "zh_CN", "简体中文"},
        {10, "ja", "日本語"},
    };
    return table;
}

int KnownLanguage(int number)
{
    return number >= 0 && number < static_cast<int>(Languages().size()) ? number : LanguageEnglish;
}

int LanguageOfLocale(const QString& locale)
{
    // "ll_CC.charset@modifier": the language and the country are what matter.
    QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString country = name.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language.isEmpty() || language == QLatin1String("c") || language == QLatin1String("posix"))
        return -1;
    // Traditional Chinese readers are not served by the simplified catalogue.
    if (language == QLatin1String("zh") && (country == QLatin1String("TW") || country == QLatin1String("HK") || country == QLatin1String("MO")))
        return -1;
    for (const Language& l : Languages()) {
        const QString code = QString::fromLatin1(l.Code).section(QLatin1Char('_'), 0, 0);
        if (code == language)
            return l.Number;
    }
    return -1;
}

int DesktopLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            const int number = LanguageOfLocale(QString::fromLocal8Bit(value));
            return number < 0 ? LanguageEnglish : number;
        }
    }
    return LanguageEnglish;
}

void UseLanguage(int number)
{
    number = KnownLanguage(number);
    auto& installed = Installed();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (number != LanguageEnglish) {
        auto translator = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/i18n/warehaus4_%1.qm").arg(QString::fromLatin1(Languages()[static_cast<std::size_t>(number)].Code));
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator.get());
            installed = std::move(translator);
        }
    }
    SetTextLookup(&CoreLookup);
}

} // namespace w4

QString Warehaus4::QTr(const char* english, const char* disambiguation)
{
    return QCoreApplication::translate(w4::Context, english, disambiguation);
}
