#pragma once
// The rows of the level list: one per playlist entry, in playlist order. What each file holds is
// read off the window's thread and kept between openings (checked against the files' dates);
// the small pictures are painted off the window's thread when a row first asks for one.

#include "core/levelsummary.h"
#include "core/uglobal.h"
#include "render/tiles.h"

#include <QAbstractTableModel>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QThreadPool>

#include <atomic>
#include <filesystem>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace w4 {

class ThumbnailPainter;

class LevelListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ColNumber, ColPicture, ColTitle, ColFile, ColSize, ColBoxes, ColSolved, ColMoves, ColPushes, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;      // numbers sort as numbers
    static constexpr int SolvedRole = Qt::UserRole + 2;    // bool
    static constexpr int FilterRole = Qt::UserRole + 3;    // title and file name, for the filter
    static constexpr QSize ThumbnailBox{88, 60};
    // Pictures kept, the least recently shown going first: at most 88 x 60 x 4 bytes each, so
    // about 10 MiB, where keeping every one grew to some 100 MB over thousands of levels.
    static constexpr int ThumbnailLimit = 500;

    explicit LevelListModel(QObject* parent = nullptr);
    ~LevelListModel() override;

    // Shows the playlist at once (from what was read before) and starts reading the rest.
    // `g` gives the playlist and where solutions are kept; nothing else of it is kept.
    void SetPlaylist(const GameState& g);
    // New tiles throw away the pictures painted with the old ones.
    void SetTiles(const TileSet& tiles, bool wallVariants);
    void SetLanguage(int languageNumber);

    const std::string& PathAt(int row) const;
    int SolvedCount() const;
    // True while some entries are still being read.
    bool Reading() const { return reading_; }
    // The summary of a row, or null while it is being read.
    const LevelSummary* SummaryAt(int row) const;
    // The pictures held now, and a smaller limit for the tests.
    int ThumbnailCount() const { return static_cast<int>(recent_.size()); }
    void SetThumbnailLimit(int limit);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // Some rows have been read: the solved count may have changed.
    void SummariesArrived();

private:
    struct Entry {
        std::string Path;
        QString FileName;
        std::shared_ptr<const LevelSummary> Summary;   // null while reading
        LevelFileStamp Stamp;
    };
    struct Cached {
        std::shared_ptr<const LevelSummary> Summary;
        LevelFileStamp Stamp;
        QImage Thumbnail;
        std::list<std::string>::iterator Recent;   // its place in recent_ while it has a picture
    };
    struct Result {
        int Row;
        std::shared_ptr<const LevelSummary> Summary;
        LevelFileStamp Stamp;
    };

    void StartReading(const GameState& g);
    void Receive(unsigned generation, const std::vector<Result>& results, bool last);
    void RequestThumbnail(int row) const;
    void ReceiveThumbnail(unsigned tileGeneration, int row, const std::string& path, const LevelFileStamp& stamp,
                          const QImage& image);

    std::vector<Entry> entries_;
    std::map<std::string, Cached> cache_;         // by path, across openings
    mutable std::list<std::string> recent_;       // paths with a picture, the last shown first
    int thumbnailLimit_ = ThumbnailLimit;
    void DropPicture(Cached& cached, const std::string& path);
    void KeepWithinLimit();
    int languageNumber_ = 0;
    int pending_ = 0;                             // rows never read yet
    bool reading_ = false;
    unsigned generation_ = 0;                     // of the reading pass; older results are dropped
    unsigned tileGeneration_ = 0;                 // of the tiles; older pictures are dropped
    std::shared_ptr<ThumbnailPainter> painter_;
    std::vector<qint64> tileKeys_;                // of the tiles the painter has
    mutable std::vector<unsigned> requested_;     // by row: the tile generation a picture was asked for
    std::shared_ptr<std::atomic<bool>> stop_;
    // One thread reads files, one paints pictures, so a long read never holds up the pictures.
    QThreadPool reader_;
    mutable QThreadPool pictures_;
};

// The rows the player asked for: title or file name containing the filter text (any case),
// and with the toggle on only levels without a kept solution.
class LevelFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetFilterText(const QString& text);
    void SetUnsolvedOnly(bool on);
    bool UnsolvedOnly() const { return unsolvedOnly_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString text_;
    bool unsolvedOnly_ = false;
};

} // namespace w4
