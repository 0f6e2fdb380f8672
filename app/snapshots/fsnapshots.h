#pragma once
// The Snapshots window: the kept positions of the level in play, newest first, each with a small
// picture of its board; Restore (Enter, double click), Rename, Delete (after a question) and Copy
// (the moves with the position marked, as Copy Solution copies a solution).

#include "app/window/dialogs.h"
#include "core/snapshots.h"
#include "core/uglobal.h"
#include "render/tiles.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class TFRMSnapshots : public QDialog {
    Q_OBJECT

public:
    enum Column { ColPicture, ColName, ColMoves, ColPushes, ColDate, ColumnCount };
    static constexpr QSize ThumbnailBox{88, 60};

    TFRMSnapshots(w4::Dialogs& dialogs, QWidget* parent = nullptr);

    // Lists the snapshots of the level in play of `g` and shows the window. Keeps what it needs of
    // `g` (where files live, the level, its start, the language), never `g` itself.
    void Open(const w4::GameState& g, const w4::TileSet& tiles);
    void ApplyLanguage(int languageNumber);

    // What the list shows, newest first.
    const std::vector<w4::Snapshot>& Shown() const { return shown_; }
    int SelectedRow() const;
    void SelectRow(int row);

    void RestoreSelected();
    void RenameSelected();
    void DeleteSelected();
    void CopySelected();

    QTableWidget* GRDSnapshots = nullptr;
    QPushButton* BTNRestore = nullptr;
    QPushButton* BTNRename = nullptr;
    QPushButton* BTNDelete = nullptr;
    QPushButton* BTNCopy = nullptr;
    QLabel* LBLEmpty = nullptr;

signals:
    // The snapshot the player chose to restore; the window has closed already.
    void RestoreChosen(const w4::Snapshot& snapshot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill(int selectRow);
    // Changes the file: `change` edits the list read afresh from it. False after an error, shown.
    template <class Change>
    bool Edit(Change change);
    QString NameOf(const w4::Snapshot& s) const;

    w4::Dialogs& dialogs_;
    w4::GameState rules_;                 // where files live, and the language
    std::string level_;
    std::vector<std::string> start_;      // the level's start rows, for the pictures
    w4::TileSet tiles_;
    bool wallVariants_ = true;
    std::vector<w4::Snapshot> shown_;
    int languageNumber_ = 0;
};
