// Switching language rewrites both menus, the buttons, the labels and the status bar at once.
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/language.h"
#include "support/catalogue.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace w4test;

TEST_F(WindowTest, FrancaisChangesEveryCaptionAtOnce)
{
    CopyLevels({"0101"});
    Start();
    EXPECT_EQ(window->MenuItem("MNUFileEmptyPlaylist")->text(), "Empty Playlist");
    EXPECT_EQ(window->BTNPlay->text(), "PLAY");
    EXPECT_TRUE(window->BTNEnglish->isChecked());

    window->BTNFrancais->click();
    EXPECT_TRUE(window->BTNFrancais->isChecked());
    EXPECT_FALSE(window->BTNEnglish->isChecked());
    EXPECT_EQ(window->MenuItem("MNUFileEmptyPlaylist")->text(), "Vider la Playlist");
    EXPECT_EQ(window->MenuItem("POPFileEmptyPlaylist")->text(), "Vider la Playlist");
    EXPECT_EQ(window->MenuItem("MNUFileDefaultPlaylist")->text(), QString::fromUtf8("Playlist par Défaut"));
    EXPECT_EQ(window->MenuItem("POPDisplayBackground")->text(), QString::fromUtf8("Arrière Plan"));
    EXPECT_EQ(window->MenuItem("MNUDisplayForegroundStretched")->text(), QString::fromUtf8("Etiré"));
    EXPECT_EQ(window->MenuItem("MNUSoundsDisabled")->text(), QString::fromUtf8("Désactivés"));
    EXPECT_EQ(window->MenuItem("MNUHelpAbout")->text(), "A propos");
    EXPECT_EQ(window->BTNPlay->text(), "JOUER");
    EXPECT_EQ(window->BTNEditor->text(), "EDITER");
    EXPECT_EQ(window->BTNSolution->text(), "SOLUTION");
    EXPECT_EQ(window->BTNFullscreen->text(), QString::fromUtf8("Plein écran"));
    EXPECT_EQ(window->LBLUndoRedo->text(), QString::fromUtf8("Défaire / Refaire : "));
    EXPECT_EQ(window->LBLSpeed->text(), "Vitesse : ");
    EXPECT_EQ(Status(0), "Niveau=1/1");
    EXPECT_EQ(Status(6).left(8), "A faire=");
    // Captions outside the table never change.
    EXPECT_EQ(window->BTNFrancais->text(), QString::fromUtf8("Français"));
    EXPECT_EQ(window->BTNLevelFirst->text(), "<<");
    EXPECT_EQ(window->PNLFleche->text(), "-->");
    EXPECT_EQ(window->windowTitle(), "Warehaus4");

    window->BTNEnglish->click();
    EXPECT_EQ(window->MenuItem("POPFileEmptyPlaylist")->text(), "Empty Playlist");
    EXPECT_EQ(Status(0), "Level=1/1");
}

TEST_F(WindowTest, EveryMenuRowIsTranslatedInBothMenus)
{
    CopyLevels({"0101"});
    Start();
    window->BTNFrancais->click();
    const auto french = w4::testing::ReadCatalogue("fr");
    int items = 0;
    for (const w4::Command& command : window->CommandList().All()) {
        for (const char* prefix : {"MNU", "POP"}) {
            QAction* action = window->MenuItem(QString::fromLatin1(prefix) + QString::fromStdString(command.Id));
            if (action == nullptr)
                continue;   // a command of the keys alone
            ++items;
            if (command.Id.rfind("DisplayLanguage", 0) == 0 && command.Id != "DisplayLanguage")
                continue;   // a language's own name, the same in every language
            const auto found = french.find({command.Text.English, command.Text.Disambiguation ? command.Text.Disambiguation : ""});
            ASSERT_NE(found, french.end()) << command.Id;
            EXPECT_EQ(action->text().toStdString(), found->second) << prefix << command.Id;
        }
    }
    EXPECT_GT(items, 100) << "both menus are built from the table";
}

TEST_F(WindowTest, FrenchSettingStartsInFrenchAndAsksToQuitInFrench)
{
    CopyLevels({"0101"});
    WriteSettings("[LANGUAGE]\r\nNumber=1\r\n");
    Start();
    EXPECT_TRUE(window->BTNFrancais->isChecked());
    EXPECT_EQ(window->MenuItem("MNUFileQuit")->text(), "Quitter");
    Key(Qt::Key_Escape);
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(dialogs.Questions[0], QString::fromUtf8("Voulez-vous réellement quitter la Warehaus4 ?"));
}

TEST_F(WindowTest, FrenchPlaylistQuestionsHaveNoQuestionMark)
{
    CopyLevels({"0101"});
    Start();
    window->BTNFrancais->click();
    window->MenuItem("MNUFileEmptyPlaylist")->trigger();
    window->MenuItem("MNUFileDefaultPlaylist")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(dialogs.Questions[0], QString::fromUtf8("Voulez-vous réellement vider la playlist"));
    EXPECT_EQ(dialogs.Questions[1], QString::fromUtf8("Voulez-vous réellement recharger les niveaux par défaut"));
}

TEST_F(WindowTest, EveryCaptionRowNamesAWidgetOfTheWindow)
{
    CopyLevels({"0101"});
    Start();
    for (const w4::WidgetCaption& row : w4::WidgetCaptions()) {
        QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(row.Name));
        ASSERT_NE(widget, nullptr) << row.Name;
        const QString shown = qobject_cast<QPushButton*>(widget) ? qobject_cast<QPushButton*>(widget)->text()
                                                                  : qobject_cast<QLabel*>(widget)->text();
        EXPECT_EQ(shown, QString::fromUtf8(row.Caption.English)) << row.Name;
    }
    // Tooltips name real widgets too, and follow the language.
    window->BTNFrancais->click();
    const auto french = w4::testing::ReadCatalogue("fr");
    for (const w4::WidgetCaption& row : w4::WidgetToolTips()) {
        QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(row.Name));
        ASSERT_NE(widget, nullptr) << row.Name;
        const std::string disambiguation = row.Caption.Disambiguation ? row.Caption.Disambiguation : "";
        EXPECT_EQ(widget->toolTip().toStdString(), french.at({row.Caption.English, disambiguation})) << row.Name;
    }
}

TEST_F(WindowTest, TheLanguageMenuNamesEveryLanguageInItsOwnWordsAndSwitchesToIt)
{
    CopyLevels({"0101"});
    Start();
    EXPECT_EQ(window->MenuItem("MNUDisplayLanguage")->text(), "Language");
    for (const w4::Language& language : w4::Languages())
        for (const char* prefix : {"MNU", "POP"}) {
            QAction* item = window->MenuItem(QString::fromLatin1(prefix) + "DisplayLanguage" + language.Code);
            ASSERT_NE(item, nullptr) << prefix << language.Code;
            EXPECT_EQ(item->text(), QString::fromUtf8(language.Name));
            EXPECT_EQ(item->isChecked(), language.Number == w4::LanguageEnglish);
        }

    window->MenuItem("POPDisplayLanguageja")->trigger();
    EXPECT_EQ(G().LanguageNumber, 10);
    EXPECT_EQ(window->MenuItem("MNUFile")->text(), QString::fromUtf8("ファイル"));
    EXPECT_EQ(window->MenuItem("MNUDisplayLanguage")->text(), QString::fromUtf8("言語"));
    EXPECT_EQ(window->MenuItem("MNUDisplayLanguageja")->text(), QString::fromUtf8("日本語")) << "names never change";
    EXPECT_TRUE(window->MenuItem("MNUDisplayLanguageja")->isChecked());
    EXPECT_FALSE(window->MenuItem("MNUDisplayLanguageen")->isChecked());
    EXPECT_FALSE(window->BTNEnglish->isChecked());
    EXPECT_FALSE(window->BTNFrancais->isChecked());
    EXPECT_TRUE(Status(0).startsWith(QString::fromUtf8("面=")));

    // The buttons keep doing what they do, and the menu follows them.
    window->BTNFrancais->click();
    EXPECT_EQ(G().LanguageNumber, w4::LanguageFrench);
    EXPECT_TRUE(window->BTNFrancais->isChecked());
    EXPECT_TRUE(window->MenuItem("POPDisplayLanguagefr")->isChecked());
    EXPECT_EQ(window->MenuItem("MNUDisplayLanguage")->text(), "Langue");
    EXPECT_EQ(window->MenuItem("MNUFile")->text(), "Fichier");
}
