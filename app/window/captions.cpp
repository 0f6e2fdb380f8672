#include "app/window/captions.h"

#include "app/window/fmain.h"
#include "app/window/commands.h"
#include "core/ufunction.h"

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

const std::vector<WidgetCaption>& WidgetToolTips()
{
    static const std::vector<WidgetCaption> table = {
        {"BTNLevelFirst", "First level", "Premier niveau"},
        {"BTNLevelPrior", "Previous level", "Niveau précédent"},
        {"BTNLevelRetry", "Start the level again", "Recommencer le niveau"},
        {"BTNLevelNext", "Next level", "Niveau suivant"},
        {"BTNLevelLast", "Last level", "Dernier niveau"},
        {"BTNLevelFirst3", "First level", "Premier niveau"},
        {"BTNLevelPrior3", "Previous level", "Niveau précédent"},
        {"BTNLevelNext3", "Next level", "Niveau suivant"},
        {"BTNLevelLast3", "Last level", "Dernier niveau"},
        {"IMGChooseWall", "Wall", "Mur"},
        {"IMGChooseSokoban1", "Keeper", "Gardien"},
        {"IMGChooseSokoban2", "Keeper on a target", "Gardien sur une cible"},
        {"IMGChooseBox1", "Box", "Caisse"},
        {"IMGChooseBox2", "Box on a target", "Caisse sur une cible"},
        {"IMGChooseTarget", "Target", "Cible"},
        {"IMGChooseBack", "Floor", "Sol"},
        {"BTNLevelCenter", "Fit the frame to the level", "Ajuster le cadre au niveau"},
        {"BTNLevelSave", "Save the level", "Enregistrer le niveau"},
        {"BTNLevelReload", "Reload the level", "Recharger le niveau"},
        {"BTNLevelEditXSBInfos", "Level information", "Informations du niveau"},
        {"BTNFilmRewind", "Rewind", "Revenir au début"},
        {"BTNFilmPlay", "Play the solution", "Jouer la solution"},
        {"BTNFilmStop", "Stop", "Arrêter"},
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
    Commands->ApplyLanguage(Game.LanguageNumber);
    for (const w4::WidgetCaption& row : w4::WidgetCaptions()) {
        QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.Name));
        const QString text = w4::Choose(Game, row.English, row.French);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setText(text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
    }
    for (const w4::WidgetCaption& row : w4::WidgetToolTips()) {
        if (QWidget* widget = findChild<QWidget*>(QString::fromLatin1(row.Name)))
            widget->setToolTip(w4::Choose(Game, row.English, row.French));
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
