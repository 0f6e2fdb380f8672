// Switching language rewrites both menus, the buttons, the labels and the status bar at once.
#include "app/window/captions.h"
#include "app/window/commands.h"
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
    int items = 0;
    for (const w4::Command& command : window->CommandList().All()) {
        for (const char* prefix : {"MNU", "POP"}) {
            QAction* action = window->MenuItem(QString::fromLatin1(prefix) + QString::fromStdString(command.Id));
            if (action == nullptr)
                continue;   // a command of the keys alone
            ++items;
            EXPECT_EQ(action->text(), QString::fromUtf8(command.Text.Text[w4::LanguageFrench])) << prefix << command.Id;
        }
    }
    EXPECT_GT(items, 100) << "both menus are built from the table";
}

TEST_F(WindowTest, FrenchSettingStartsInFrenchAndAsksToQuitInFrench)
{
    CopyLevels({"0101"});
    WriteSettings("[LANGUAGE]\r\nNumber=5\r\n");
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
        EXPECT_EQ(shown, QString::fromUtf8(row.English)) << row.Name;
    }
    // Tooltips name real widgets too, and follow the language.
    window->BTNFrancais->click();
    for (const w4::WidgetCaption& row : w4::WidgetToolTips()) {
        QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(row.Name));
        ASSERT_NE(widget, nullptr) << row.Name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(row.French)) << row.Name;
    }
}
