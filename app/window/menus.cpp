#include "app/window/menus.h"

#include "app/window/fmain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace w4 {

const std::vector<MenuRow>& MenuTable()
{
    using M = TFRMMain;
    static const std::vector<MenuRow> table = {
        {"File", 0, "File", "Fichier", nullptr, nullptr},
        {"FileNew", 1, "New", "Nouveau", &M::MNUFileNewClick, nullptr},
        {"FileOpen", 1, "Open", "Ouvrir", &M::MNUFileOpenClick, nullptr},
        {"FileSave", 1, "Save", "Enregistrer", &M::MNUFileSaveClick, nullptr},
        {"FileSaveAs", 1, "Save As", "Enregistrer Sous", &M::MNUFileSaveAsClick, nullptr},
        {"FileClose", 1, "Close", "Fermer", &M::MNUFileCloseClick, nullptr},
        {"FileEmptyPlaylist", 1, "Empty Playlist", "Vider la Playlist", &M::MNUFileEmptyPlaylistClick, nullptr},
        {"FileDefaultPlaylist", 1, "Default Playlist", "Playlist par Défaut", &M::MNUFileDefaultPlaylistClick, nullptr},
        {"FileQuit", 1, "Quit", "Quitter", &M::MNUFileQuitClick, nullptr},
        {"FileImportCollection", 1, "Import Collection", "Importer une collection", &M::MNUFileImportCollectionClick, nullptr},
        {"FileExportPlaylist", 1, "Export Playlist", "Exporter la liste", &M::MNUFileExportPlaylistClick, nullptr},
        {"FileCopyLevel", 1, "Copy Level", "Copier le niveau", &M::MNUFileCopyLevelClick, nullptr},
        {"FilePasteLevel", 1, "Paste Level", "Coller un niveau", &M::MNUFilePasteLevelClick, nullptr},
        {"FileCopySolution", 1, "Copy Solution", "Copier la solution", &M::MNUFileCopySolutionClick, nullptr},
        {"FilePasteSolution", 1, "Paste Solution", "Coller une solution", &M::MNUFilePasteSolutionClick, nullptr},
        {"FileLevels", 1, "Levels", "Niveaux", &M::MNUFileLevelsClick, nullptr},

        {"Display", 0, "Display", "Affichage", nullptr, nullptr},
        {"DisplayForeground", 1, "Foreground", "Avant Plan", nullptr, nullptr},
        {"DisplayForegroundStandard", 2, "Standard", "Standard", &M::MNUDisplayForegroundStandardClick, nullptr},
        {"DisplayForegroundProportional", 2, "Proportional", "Proportionnel", &M::MNUDisplayForegroundProportionalClick, nullptr},
        {"DisplayForegroundStretched", 2, "Stretched", "Etiré", &M::MNUDisplayForegroundStretchedClick, nullptr},
        {"DisplayForegroundTransparencyColor", 2, "Transparency Color", "Couleur de Transparence",
         &M::MNUDisplayForegroundTransparencyColorClick, nullptr},
        {"DisplayForegroundGridColor", 2, "Grid Color", "Couleur de la Grille", &M::MNUDisplayForegroundGridColorClick, nullptr},
        {"DisplayBackground", 1, "Background", "Arrière Plan", nullptr, nullptr},
        {"DisplayBackgroundNone", 2, "No Background", "Aucun Arrière Plan", &M::MNUDisplayBackgroundNoneClick, nullptr},
        {"DisplayBackgroundColor0", 2, "Color", "Couleur", &M::MNUDisplayBackgroundColor0Click, nullptr},
        {"DisplayBackgroundColoredEffect", 2, "Colored Effect", "Effet Coloré", &M::MNUDisplayBackgroundColoredEffectClick, nullptr},
        {"DisplayBackgroundColor1", 2, "Color 1", "Couleur 1", &M::MNUDisplayBackgroundColor1Click, nullptr},
        {"DisplayBackgroundColor2", 2, "Color 2", "Couleur 2", &M::MNUDisplayBackgroundColor2Click, nullptr},
        {"DisplayBackgroundSwapColors", 2, "Swap Colors", "Echanger Couleurs", &M::MNUDisplayBackgroundSwapColorsClick, nullptr},
        {"DisplayBackgroundTexture", 2, "Texture", "Texture", &M::MNUDisplayBackgroundTextureClick, nullptr},
        {"DisplayBackgroundLoadTexture", 2, "Load Texture", "Charger Texture", &M::MNUDisplayBackgroundLoadTextureClick, nullptr},
        {"DisplayBackgroundPicture", 2, "Picture", "Image", &M::MNUDisplayBackgroundPictureClick, nullptr},
        {"DisplayBackgroundLoadPicture", 2, "Load Picture", "Charger Image", &M::MNUDisplayBackgroundLoadPictureClick, nullptr},

        {"Graphics", 0, "Graphics", "Graphismes", nullptr, nullptr},
        {"GraphicsLoad", 1, "Load", "Charger", &M::MNUGraphicsLoadClick, &M::POPGraphicsLoadClick},
        {"GraphicsDirectionalPusher", 1, "Directional Pusher (8-Row Skins)", "Pousseur orienté (skins à 8 rangées)",
         &M::MNUGraphicsDirectionalPusherClick, nullptr},

        {"Music", 0, "Music", "Musique", nullptr, nullptr},
        {"MusicPlay", 1, "Play", "Jouer", &M::MNUMusicPlayClick, nullptr},
        {"MusicStop", 1, "Stop", "Stopper", &M::MNUMusicStopClick, nullptr},
        {"MusicLoad", 1, "Load", "Charger", &M::MNUMusicLoadClick, nullptr},

        {"Sounds", 0, "Sounds", "Sons", nullptr, nullptr},
        {"SoundsEnabled", 1, "Enabled", "Activés", &M::MNUSoundsEnabledClick, nullptr},
        {"SoundsDisabled", 1, "Disabled", "Désactivés", &M::MNUSoundsDisabledClick, nullptr},

        {"Tools", 0, "Tools", "Outils", nullptr, nullptr},
        {"ToolsAssociateExtension", 1, "Associate Extension", "Associer Extension", &M::MNUToolsAssociateExtensionClick, nullptr},
        {"ToolsSolve", 1, "Solve", "Résoudre", &M::MNUToolsSolveClick, nullptr},
        {"ToolsHint", 1, "Hint", "Indice", &M::MNUToolsHintClick, nullptr},
        {"ToolsLastSolvable", 1, "Last Solvable Position", "Dernière position soluble", &M::MNUToolsLastSolvableClick, nullptr},
        {"ToolsDeadlockWarnings", 1, "Deadlock Warnings", "Alertes de blocage", &M::MNUToolsDeadlockWarningsClick, nullptr},
        {"ToolsSaveSnapshot", 1, "Save Snapshot", "Enregistrer un instantané", &M::MNUToolsSaveSnapshotClick, nullptr},
        {"ToolsSnapshots", 1, "Snapshots", "Instantanés", &M::MNUToolsSnapshotsClick, nullptr},
        {"ToolsResumeAttempt", 1, "Resume Attempt", "Reprendre la partie", &M::MNUToolsResumeAttemptClick, nullptr},
        {"ToolsOptimizeSolution", 1, "Optimize Solution", "Optimiser la solution", &M::MNUToolsOptimizeSolutionClick, nullptr},
        {"ToolsLiveCheck", 1, "Live Solvability Check", "Vérification de solubilité en direct", &M::MNUToolsLiveCheckClick, nullptr},
        {"ToolsReverse", 1, "Reverse Play", "Jeu à l'envers", &M::MNUToolsReverseClick, nullptr},

        {"Help", 0, "Help", "Aide", nullptr, nullptr},
        {"HelpSendMail", 1, "Send Mail", "Envoyer Mail", &M::MNUHelpSendMailClick, nullptr},
        {"HelpWebSite", 1, "Web Site", "Site Web", &M::MNUHelpWebSiteClick, nullptr},
        {"HelpAbout", 1, "About", "A propos", &M::MNUHelpAboutClick, nullptr},
    };
    return table;
}

} // namespace w4

void TFRMMain::BuildMenus()
{
    MNUSokoban = menuBar();
    MNUSokoban->setObjectName(QStringLiteral("MNUSokoban"));
    POPSokoban = new QMenu(this);
    POPSokoban->setObjectName(QStringLiteral("POPSokoban"));

    const auto& table = w4::MenuTable();
    for (const char* prefix : {"MNU", "POP"}) {
        const bool popup = prefix[0] == 'P';
        // parents[d] is the menu that takes items of depth d + 1.
        QMenu* parents[3] = {nullptr, nullptr, nullptr};
        for (std::size_t i = 0; i < table.size(); ++i) {
            const w4::MenuRow& row = table[i];
            const QString name = QString::fromLatin1(prefix) + QString::fromLatin1(row.Suffix);
            const bool isSubmenu = i + 1 < table.size() && table[i + 1].Depth > row.Depth;
            QAction* action = nullptr;
            if (isSubmenu) {
                QMenu* menu = nullptr;
                if (row.Depth == 0)
                    menu = popup ? POPSokoban->addMenu(QString()) : MNUSokoban->addMenu(QString());
                else
                    menu = parents[row.Depth - 1]->addMenu(QString());
                menu->setObjectName(name);
                parents[row.Depth] = menu;
                action = menu->menuAction();
            } else {
                QMenu* parent = row.Depth == 0 ? nullptr : parents[row.Depth - 1];
                action = parent ? parent->addAction(QString()) : POPSokoban->addAction(QString());
                const w4::MenuHandler handler = popup && row.PopHandler ? row.PopHandler : row.Handler;
                if (handler)
                    connect(action, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
            }
            action->setObjectName(name);
            MenuItems[name] = action;
        }
    }
}

QAction* TFRMMain::MenuItem(const QString& name) const
{
    const auto found = MenuItems.find(name);
    return found == MenuItems.end() ? nullptr : found->second;
}
