#include "app/captions.h"

#include "app/fmain.h"
#include "app/menus.h"
#include "core/ufunction.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace w4 {

const std::vector<WidgetCaption>& WidgetCaptions()
{
    static const std::vector<WidgetCaption> table = {
        {"BTNPlay", "PLAY", "JOUER"},
        {"BTNEditor", "EDITOR", "EDITER"},
        {"BTNSolution", "SOLUTION", "SOLUTION"},
        {"BTNFullscreen", "Fullscreen", "Plein écran"},
        {"LBLUndoRedo", "Undo / Redo : ", "Défaire / Refaire : "},
        {"LBLSpeed", "Speed : ", "Vitesse : "},
    };
    return table;
}

QString Choose(const GameState& g, const char* english, const char* french)
{
    return QString::fromUtf8(ChooseText(g, english, french));
}

} // namespace w4

void TFRMMain::ApplyLanguage()
{
    const auto& menus = w4::MenuTable();
    for (const char* prefix : {"MNU", "POP"}) {
        for (const w4::MenuRow& row : menus) {
            if (QAction* action = MenuItem(QString::fromLatin1(prefix) + QString::fromLatin1(row.Suffix)))
                action->setText(w4::Choose(Game, row.English, row.French));
        }
    }
    for (const w4::WidgetCaption& row : w4::WidgetCaptions()) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.Name));
        const QString text = w4::Choose(Game, row.English, row.French);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
    }
    dialogs.SetLanguage(Game.LanguageNumber);
    RefreshStatus();
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
