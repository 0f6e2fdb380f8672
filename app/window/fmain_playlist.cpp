// The File menu and the level navigation of the play and solution panels.
#include "app/window/fmain.h"

#include "core/history.h"
#include "core/ulevel.h"

#include <QFile>

namespace {

const QString LevelFilter = QStringLiteral("Sokoban XSB Levels (*.xsb)");

// Playlist entries are the file system's bytes; Qt's names are decoded with the same locale rule.
std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

void OpenChosenLevels(TFRMMain& w, const QString& folder)
{
    const QStringList chosen = w.Dialog().OpenFiles(folder, LevelFilter, QStringLiteral("xsb"));
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QString& path : chosen)
        files.push_back(PathBytes(path));
    w4::OpenLevelFiles(w.State(), w, files);
}

void SaveLevelAsChosen(TFRMMain& w, const QString& folder)
{
    if (!w4::CanSaveAs(w.State()))
        return;
    const QString path = w.Dialog().SaveFile(folder, LevelFilter, QStringLiteral("xsb"));
    if (!path.isEmpty())
        w4::SaveLevelAs(w.State(), PathBytes(path));
}

} // namespace

void TFRMMain::MNUFileOpenClick() { OpenChosenLevels(*this, ProgramFolderText()); }
void TFRMMain::MNUFileSaveClick() { w4::SaveLevel(Game); }
void TFRMMain::MNUFileSaveAsClick() { SaveLevelAsChosen(*this, SaveFolderText()); }
void TFRMMain::MNUFileCloseClick() { w4::CloseLevel(Game, *this); }
void TFRMMain::MNUFileEmptyPlaylistClick() { w4::EmptyPlaylist(Game, *this); }
void TFRMMain::MNUFileDefaultPlaylistClick() { w4::DefaultPlaylist(Game, *this); }

void TFRMMain::BTNLevelFirstClick() { TheGame->FirstLevel(); }
void TFRMMain::BTNLevelPriorClick() { TheGame->PriorLevel(); }
void TFRMMain::BTNLevelNextClick() { TheGame->NextLevel(); }
void TFRMMain::BTNLevelLastClick() { TheGame->LastLevel(); }
void TFRMMain::BTNLevelRetryClick() { TheGame->RetryLevel(); }
void TFRMMain::myScrollBarScroll(int position) { w4::ScrollHistoryTo(Game, *this, position); }
