#pragma once
// The Levels window: the whole playlist at a glance, with a filter, the player's progress and a
// small picture of every board; Enter or a double click plays the chosen level.

#include "app/levels/levellist.h"
#include "core/uglobal.h"
#include "render/tiles.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

class TFRMLevels : public QDialog {
    Q_OBJECT

public:
    explicit TFRMLevels(QWidget* parent = nullptr);

    // Lists the playlist of `g` with the level in play selected, sized and sorted as last kept in
    // `place`, and shows the window with the focus in the filter field. Returns at once: the files
    // are read and the pictures painted in the background.
    void Open(const w4::GameState& g, const w4::LevelListPlace& place, const w4::TileSet& tiles);
    // The window's size and sort, kept for the settings file.
    void KeepSettings(w4::LevelListPlace& place) const;
    void ApplyLanguage(int languageNumber);

    // Plays the level of the selected row (the first shown when none is selected).
    void ChooseSelected();
    // The playlist index of the selected row, -1 when the list shows nothing.
    int SelectedLevel() const;

    w4::LevelListModel& Model() { return *model_; }
    w4::LevelFilterModel& Filter() { return *filter_; }

    QLineEdit* EDTFilter = nullptr;
    QCheckBox* CHKUnsolved = nullptr;
    QLabel* LBLSolved = nullptr;
    QLabel* LBLHint = nullptr;
    QTableView* GRDLevels = nullptr;

signals:
    // The playlist index the player chose; the window has closed already.
    void LevelChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectProxyRow(int row);
    void RefreshSolvedLine();
    void Choose(const QModelIndex& proxyIndex);

    w4::LevelListModel* model_ = nullptr;
    w4::LevelFilterModel* filter_ = nullptr;
    int languageNumber_ = 0;
};

// File > Levels: the window is made on first use as a child of `parent` and kept in `levels`, with
// what it has read, until its parent closes; its size and sort are kept in `place`. A level chosen in it that is still that row of the
// playlist of `g` goes to `play`.
void OpenLevelsWindow(QWidget* parent, TFRMLevels*& levels, const w4::GameState& g, w4::LevelListPlace& place,
                      const w4::TileSet& tiles, std::function<void(int)> play);
