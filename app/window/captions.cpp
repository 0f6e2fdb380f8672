#include "app/window/captions.h"

#include "app/window/fmain.h"
#include "app/window/commands.h"
#include "app/window/language.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

#include <algorithm>

namespace w4 {

const std::vector<WidgetCaption>& WidgetCaptions()
{
    static const std::vector<WidgetCaption> table = {
        {"BTNPlay", QT_TRANSLATE_NOOP("Warehaus4", "PLAY")},
        {"BTNEditor", QT_TRANSLATE_NOOP("Warehaus4", "EDITOR")},
        {"BTNSolution", QT_TRANSLATE_NOOP("Warehaus4", "SOLUTION")},
        {"BTNFullscreen", QT_TRANSLATE_NOOP("Warehaus4", "Fullscreen")},
        {"LBLUndoRedo", QT_TRANSLATE_NOOP("Warehaus4", "Undo / Redo : ")},
        {"LBLSpeed", QT_TRANSLATE_NOOP("Warehaus4", "Speed : ")},
    };
    return table;
}

const std::vector<WidgetCaption>& WidgetToolTips()
{
    static const std::vector<WidgetCaption> table = {
        {"BTNLevelFirst", QT_TRANSLATE_NOOP("Warehaus4", "First level")},
        {"BTNLevelPrior", QT_TRANSLATE_NOOP("Warehaus4", "Previous level")},
        {"BTNLevelRetry", QT_TRANSLATE_NOOP("Warehaus4", "Start the level again")},
        {"BTNLevelNext", QT_TRANSLATE_NOOP("Warehaus4", "Next level")},
        {"BTNLevelLast", QT_TRANSLATE_NOOP("Warehaus4", "Last level")},
        {"BTNLevelFirst3", QT_TRANSLATE_NOOP("Warehaus4", "First level")},
        {"BTNLevelPrior3", QT_TRANSLATE_NOOP("Warehaus4", "Previous level")},
        {"BTNLevelNext3", QT_TRANSLATE_NOOP("Warehaus4", "Next level")},
        {"BTNLevelLast3", QT_TRANSLATE_NOOP("Warehaus4", "Last level")},
        {"IMGChooseWall", QT_TRANSLATE_NOOP("Warehaus4", "Wall")},
        {"IMGChooseSokoban1", QT_TRANSLATE_NOOP("Warehaus4", "Keeper")},
        {"IMGChooseSokoban2", QT_TRANSLATE_NOOP("Warehaus4", "Keeper on a target")},
        {"IMGChooseBox1", QT_TRANSLATE_NOOP("Warehaus4", "Box")},
        {"IMGChooseBox2", QT_TRANSLATE_NOOP("Warehaus4", "Box on a target")},
        {"IMGChooseTarget", QT_TRANSLATE_NOOP("Warehaus4", "Target")},
        {"IMGChooseBack", QT_TRANSLATE_NOOP("Warehaus4", "Floor")},
        {"BTNLevelCenter", QT_TRANSLATE_NOOP("Warehaus4", "Fit the frame to the level")},
        {"BTNLevelSave", QT_TRANSLATE_NOOP("Warehaus4", "Save the level")},
        {"BTNLevelReload", QT_TRANSLATE_NOOP("Warehaus4", "Reload the level")},
        {"BTNLevelEditXSBInfos", QT_TRANSLATE_NOOP("Warehaus4", "Level information")},
        {"BTNFilmRewind", QT_TRANSLATE_NOOP("Warehaus4", "Rewind")},
        {"BTNFilmPlay", QT_TRANSLATE_NOOP("Warehaus4", "Play the solution")},
        {"BTNFilmStop", QT_TRANSLATE_NOOP3("Warehaus4", "Stop", "replay")},
    };
    return table;
}

} // namespace w4

void TFRMMain::ApplyLanguage()
{
    w4::UseLanguage(Game.LanguageNumber);
    Commands->ApplyLanguage();
    for (const w4::WidgetCaption& row : w4::WidgetCaptions()) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.Name));
        const QString text = row.Caption.Text();
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setText(text);
            // A caption longer than its button widens it, never below the width it was made with.
            if (button->minimumWidth() == button->maximumWidth()) {
                if (!button->property("MadeWidth").isValid())
                    button->setProperty("MadeWidth", button->minimumWidth());
                button->setFixedWidth(std::max(button->property("MadeWidth").toInt(), button->sizeHint().width()));
            }
        }
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
    }
    for (const w4::WidgetCaption& row : w4::WidgetToolTips()) {
        if (QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.Name)))
            widget->setToolTip(row.Caption.Text());
    }
    ShowLanguageChoice();
    RefreshStatus();
}

void TFRMMain::ShowLanguageChoice()
{
    // Neither button is down for a third language: the group lets both be up for that while.
    LanguageButtons->setExclusive(false);
    BTNEnglish->setChecked(Game.LanguageNumber == w4::LanguageEnglish);
    BTNFrancais->setChecked(Game.LanguageNumber == w4::LanguageFrench);
    LanguageButtons->setExclusive(true);
    Commands->Refresh();   // Display > Language's check marks
}

void TFRMMain::MNUDisplayLanguageClick(int languageNumber)
{
    Game.LanguageNumber = w4::KnownLanguage(languageNumber);
    ApplyLanguage();
}

void TFRMMain::BTNEnglishClick()
{
    Game.LanguageNumber = w4::LanguageEnglish;
    ApplyLanguage();
}

void TFRMMain::BTNFrancaisClick()
{
    Game.LanguageNumber = w4::LanguageFrench;
    ApplyLanguage();
}
