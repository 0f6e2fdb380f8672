// The catalogues: complete in every language, placeholders kept, nothing left in English, every
// text of the code in them, and built into the program so that a language switch finds them.
#include "app/desktop/association.h"
#include "app/window/captions.h"
#include "app/window/language.h"
#include "core/text.h"
#include "support/catalogue.h"
#include "window_fixture.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>

using w4::testing::ReadCatalogue;

namespace {

using Catalogue = std::map<std::pair<std::string, std::string>, std::string>;

std::vector<std::string> Placeholders(const std::string& text)
{
    std::vector<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
        if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
            found.push_back(text.substr(at, 2));
    return found;
}

// Whether a text may read as in English: nothing but names, numbers, placeholders and signs
// once the words every language keeps are taken out, or a word the language has borrowed.
bool MayReadAsEnglish(const std::string& code, const std::string& english)
{
    static const std::map<std::string, std::set<std::string>> borrowed = {
        {"fr", {"Date", "SOLUTION", "Version : %1", "E-Mail : %1", "Bitmaps", "Standard", "Texture"}},
        {"de", {"Name", "EDITOR", "Version : %1", "E-Mail : %1", "Bitmaps", "Standard", "Proportional", "Level=%1/%2"}},
        {"es", {"EDITOR", "&No", "Color", "Color 1", "Color 2"}},
        {"it", {"File", "EDITOR", "&No", "Standard", "Texture"}},
        {"pt_BR", {"EDITOR", "Bitmaps"}},
        {"nl", {"Levels", "Snapshots", "EDITOR", "Bitmaps", "Graphics", "Hint", "Help", "Level=%1/%2", "Snapshot %1"}},
        {"pl", {"Program : %1"}},
    };
    const auto found = borrowed.find(code);
    if (found != borrowed.end() && found->second.count(english))
        return true;
    QString rest = QString::fromStdString(english);
    rest.remove(QRegularExpression(QStringLiteral("%[1-9]|\\b(Warehaus4|Sokoban|XSB|MiB)\\b")));
    return !rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

class CatalogueTest : public ::testing::TestWithParam<w4::Language> {};

} // namespace

TEST_P(CatalogueTest, EveryTextIsTranslatedWithItsPlaceholdersAndLineBreaks)
{
    const std::string code = GetParam().Code;
    const Catalogue texts = ReadCatalogue(code);
    const Catalogue french = ReadCatalogue("fr");
    ASSERT_GT(french.size(), 250u);
    std::set<std::pair<std::string, std::string>> ids, frenchIds;
    for (const auto& [id, text] : texts)
        ids.insert(id);
    for (const auto& [id, text] : french)
        frenchIds.insert(id);
    EXPECT_EQ(ids, frenchIds) << code << " does not name the same texts as the French catalogue";
    for (const auto& [id, text] : texts) {
        const std::string& english = id.first;
        SCOPED_TRACE(code + ": " + english);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(Placeholders(text), Placeholders(english));
        // Texts that start a new line or follow a sentence are joined to what comes before.
        EXPECT_EQ(text.rfind("\r\n", 0) == 0, english.rfind("\r\n", 0) == 0);
        if (text == english) {
            EXPECT_TRUE(MayReadAsEnglish(code, english)) << "left in English";
        }
    }
}

TEST_P(CatalogueTest, IsBuiltIntoTheProgramForTheWindowAndTheCore)
{
    w4test::EnsureApplication();
    const w4::Language language = GetParam();
    const Catalogue texts = ReadCatalogue(language.Code);
    w4::UseLanguage(language.Number);
    EXPECT_EQ(Warehaus4::QTr("Cancel").toStdString(), texts.at({"Cancel", ""}));
    EXPECT_EQ(Warehaus4::QTr("Stop", "replay").toStdString(), texts.at({"Stop", "replay"}));
    EXPECT_EQ(Warehaus4::Tr("Do you really want to create a new level ?"),
              texts.at({"Do you really want to create a new level ?", ""}));
    w4::UseLanguage(w4::LanguageEnglish);
    EXPECT_EQ(Warehaus4::QTr("Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(Warehaus4::Tr("Stop", "replay"), "Stop");
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest,
                         ::testing::ValuesIn(std::vector<w4::Language>(w4::Languages().begin() + 1, w4::Languages().end())),
                         [](const ::testing::TestParamInfo<w4::Language>& info) { return std::string(info.param.Code); });

TEST(Catalogues, HoldEveryTextOfTheCodeInOneContext)
{
    // lupdate reads the code as the translators' tools do; a text it finds that a catalogue
    // lacks, or one it files under another context, would show in English.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString found = dir.filePath(QStringLiteral("found_fr.ts"));
    const QString source = QStringLiteral(W4_SOURCE_DIR);
    QProcess lupdate;
    lupdate.start(QStringLiteral(W4_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-tr-function-alias"), QStringLiteral("tr+=Tr,tr+=QTr"),
                   QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                   source + QStringLiteral("/app"), source + QStringLiteral("/core"), source + QStringLiteral("/editor"),
                   source + QStringLiteral("/solver"), QStringLiteral("-ts"), found});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QFile file(found);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    EXPECT_EQ(xml.count(QStringLiteral("<context>")), 1);
    EXPECT_TRUE(xml.contains(QStringLiteral("<name>Warehaus4</name>")));

    std::set<std::pair<std::string, std::string>> inCode;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("<message>(.*?)</message>"),
                                                                QRegularExpression::DotMatchesEverythingOption)
                                                .globalMatch(xml)) {
        const QString body = m.captured(1);
        const auto element = [&body](const QString& tag) {
            const QRegularExpressionMatch e =
                QRegularExpression(QStringLiteral("<%1>(.*?)</%1>").arg(tag), QRegularExpression::DotMatchesEverythingOption).match(body);
            return e.hasMatch() ? w4::testing::CatalogueText(e.captured(1).toStdString()) : std::string();
        };
        inCode.insert({element(QStringLiteral("source")), element(QStringLiteral("comment"))});
    }
    ASSERT_GT(inCode.size(), 250u);
    for (const w4::Language& language : std::vector<w4::Language>(w4::Languages().begin() + 1, w4::Languages().end())) {
        const Catalogue texts = ReadCatalogue(language.Code);
        for (const auto& id : inCode)
            EXPECT_TRUE(texts.count(id)) << language.Code << " lacks \"" << id.first << "\"";
    }
}

TEST(Languages, AreNamedInTheirOwnWordsAndNumberedWithoutGaps)
{
    const auto& languages = w4::Languages();
    ASSERT_EQ(languages.size(), 11u);
    for (std::size_t i = 0; i < languages.size(); ++i)
        EXPECT_EQ(languages[i].Number, static_cast<int>(i));
    // Earlier versions wrote 0 and 1: they keep their meaning.
    EXPECT_STREQ(languages[w4::LanguageEnglish].Name, "English");
    EXPECT_STREQ(languages[w4::LanguageFrench].Name, "Français");
    std::set<std::string> names;
    for (const w4::Language& l : languages)
        names.insert(l.Name);
    EXPECT_EQ(names.size(), languages.size());
    EXPECT_TRUE(names.count("日本語") && names.count("简体中文") && names.count("Русский"));
}

TEST(Languages, LocaleNamesFindTheirLanguage)
{
    const auto number = [](const char* code) {
        for (const w4::Language& l : w4::Languages())
            if (std::string(l.Code) == code)
                return l.Number;
        return -2;
    };
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("de_DE.UTF-8")), number("de"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("de_AT")), number("de"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("fr_CA.utf8@euro")), w4::LanguageFrench);
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("pt_BR.UTF-8")), number("pt_BR"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("pt_PT")), number("pt_BR"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("zh_CN.GB18030")), number("zh_CN"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("zh_SG")), number("zh_CN"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("zh_TW.UTF-8")), -1) << "traditional script";
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("ja_JP.eucJP")), number("ja"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("nl-BE")), number("nl"));
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("en_GB.UTF-8")), w4::LanguageEnglish);
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("C.UTF-8")), -1);
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("POSIX")), -1);
    EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("sv_SE")), -1);
    EXPECT_EQ(w4::LanguageOfLocale(QString()), -1);
}

namespace {

// Sets the three locale variables for a test and puts back what was there.
class LocaleVariables {
public:
    LocaleVariables(const char* all, const char* messages, const char* lang)
    {
        for (const char* name : Names) {
            saved_.emplace_back(qgetenv(name), qEnvironmentVariableIsSet(name));
        }
        const char* values[] = {all, messages, lang};
        for (int i = 0; i < 3; ++i) {
            if (values[i])
                qputenv(Names[i], values[i]);
            else
                qunsetenv(Names[i]);
        }
    }
    ~LocaleVariables()
    {
        for (int i = 0; i < 3; ++i) {
            if (saved_[static_cast<std::size_t>(i)].second)
                qputenv(Names[i], saved_[static_cast<std::size_t>(i)].first);
            else
                qunsetenv(Names[i]);
        }
    }

private:
    static constexpr const char* Names[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<QByteArray, bool>> saved_;
};

} // namespace

TEST(Languages, TheDesktopLanguageIsTheFirstLocaleVariableSet)
{
    {
        const LocaleVariables env(nullptr, nullptr, "es_ES.UTF-8");
        EXPECT_EQ(w4::LanguageOfLocale(QStringLiteral("es")), w4::DesktopLanguage());
    }
    {
        const LocaleVariables env("ru_RU.UTF-8", "de_DE", "es_ES.UTF-8");
        EXPECT_EQ(w4::DesktopLanguage(), w4::LanguageOfLocale(QStringLiteral("ru")));
    }
    {
        const LocaleVariables env("", "it_IT", "es_ES.UTF-8");   // an empty variable counts as unset
        EXPECT_EQ(w4::DesktopLanguage(), w4::LanguageOfLocale(QStringLiteral("it")));
    }
    {
        // The first one set decides, even for a language we lack: no falling through to LANG.
        const LocaleVariables env("sv_SE.UTF-8", nullptr, "fr_FR.UTF-8");
        EXPECT_EQ(w4::DesktopLanguage(), w4::LanguageEnglish);
    }
    {
        const LocaleVariables env(nullptr, nullptr, nullptr);
        EXPECT_EQ(w4::DesktopLanguage(), w4::LanguageEnglish);
    }
}

class FirstStartTest : public w4test::WindowTest {};

TEST_F(FirstStartTest, WithoutSettingsTheWindowSpeaksTheDesktopLanguage)
{
    CopyLevels({"0101"});
    {
        const LocaleVariables env(nullptr, nullptr, "de_DE.UTF-8");
        Start();
    }
    EXPECT_EQ(G().LanguageNumber, w4::LanguageOfLocale(QStringLiteral("de")));
    EXPECT_EQ(Status(0).left(6), QStringLiteral("Level="));
    EXPECT_TRUE(Status(1).startsWith(QString::fromUtf8("Größe=")));
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("BTNEnglish"))->isChecked());
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("BTNFrancais"))->isChecked());
}

TEST_F(FirstStartTest, SettingsOfTheVersionBeforeKeepTheirLanguage)
{
    CopyLevels({"0101"});
    const LocaleVariables env(nullptr, nullptr, "ja_JP.UTF-8");
    WriteSettings("[LANGUAGE]\r\nNumber=1\r\n");
    Start();
    EXPECT_EQ(G().LanguageNumber, w4::LanguageFrench);
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("BTNFrancais"))->isChecked());
    EXPECT_TRUE(Status(0).startsWith(QStringLiteral("Niveau=")));
    window.reset();
    WriteSettings("[LANGUAGE]\r\nNumber=0\r\n");
    Start();
    EXPECT_EQ(G().LanguageNumber, w4::LanguageEnglish);
    EXPECT_TRUE(Status(0).startsWith(QStringLiteral("Level=")));
}

TEST(Catalogues, TheDesktopEntryAndTheAppStreamDataSpeakEveryLanguage)
{
    const QString entry = QString::fromUtf8(w4::DesktopEntryTextWithExec(QStringLiteral("warehaus4 %F")));
    QFile file(QStringLiteral(W4_SOURCE_DIR "/packaging/org.example.warehaus4.metainfo.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString metainfo = QString::fromUtf8(file.readAll());
    for (const w4::Language& language : std::vector<w4::Language>(w4::Languages().begin() + 1, w4::Languages().end())) {
        const QString code = QString::fromLatin1(language.Code);
        SCOPED_TRACE(code.toStdString());
        for (const char* key : {"Name", "GenericName", "Comment", "Keywords"})
            EXPECT_TRUE(entry.contains(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), code))) << key;
        for (const char* element : {"summary", "p", "li", "keyword"})
            EXPECT_TRUE(metainfo.contains(QStringLiteral("<%1 xml:lang=\"%2\">").arg(QLatin1String(element), code))) << element;
        // As many list items as the English description has, none forgotten.
        EXPECT_EQ(metainfo.count(QStringLiteral("<li xml:lang=\"%1\">").arg(code)), metainfo.count(QStringLiteral("<li>")));
    }
}
