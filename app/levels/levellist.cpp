#include "app/levels/levellist.h"

#include "core/headertext.h"
#include "render/thumbnail.h"

#include <QCoreApplication>
#include <QBrush>
#include <QColor>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <climits>

namespace w4 {

namespace {

// Results travel to the window in batches, so 5 000 entries do not mean 5 000 events.
constexpr std::size_t BatchSize = 64;
constexpr auto BatchTime = std::chrono::milliseconds(40);

} // namespace

LevelListModel::LevelListModel(QObject* parent)
    : QAbstractTableModel(parent), stop_(std::make_shared<std::atomic<bool>>(false))
{
    reader_.setMaxThreadCount(1);
    pictures_.setMaxThreadCount(1);
}

LevelListModel::~LevelListModel()
{
    // The workers post to this object; once they are done, deleting it drops what they posted.
    stop_->store(true);
    reader_.waitForDone();
    pictures_.waitForDone();
}

void LevelListModel::SetPlaylist(const GameState& g)
{
    const std::vector<std::string>& playlist = g.Playlist;
    beginResetModel();
    entries_.clear();
    entries_.reserve(playlist.size());
    pending_ = 0;
    for (const std::string& path : playlist) {
        Entry entry;
        entry.Path = path;
        entry.FileName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
        const auto cached = cache_.find(path);
        if (cached != cache_.end()) {
            entry.Summary = cached->second.Summary;
            entry.Stamp = cached->second.Stamp;
        } else {
            ++pending_;
        }
        entries_.push_back(std::move(entry));
    }
    requested_.assign(entries_.size(), 0);
    endResetModel();
    StartReading(g);
}

void LevelListModel::StartReading(const GameState& g)
{
    stop_->store(true);
    stop_ = std::make_shared<std::atomic<bool>>(false);
    const unsigned generation = ++generation_;
    reading_ = true;

    struct Work {
        int Row;
        std::string Path;
        bool Known;
        LevelFileStamp Stamp;
    };
    std::vector<Work> work;
    work.reserve(entries_.size());
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        const Entry& entry = entries_[row];
        work.push_back({static_cast<int>(row), entry.Path, entry.Summary != nullptr, entry.Stamp});
    }

    // The worker's own copy of where files live, never the game's state.
    auto rules = std::make_shared<const GameState>(FileRulesOf(g));
    reader_.start([this, stop = stop_, generation, rules, work = std::move(work)] {
        std::vector<Result> batch;
        auto sent = std::chrono::steady_clock::now();
        const auto post = [&](bool last) {
            QMetaObject::invokeMethod(
                this, [this, generation, batch, last] { Receive(generation, batch, last); }, Qt::QueuedConnection);
            batch.clear();
            sent = std::chrono::steady_clock::now();
        };
        for (const Work& item : work) {
            if (stop->load())
                return;
            // Taken before reading: a file changed meanwhile gets a new date and is read again next time.
            const LevelFileStamp stamp = StampLevelFiles(item.Path, *rules);
            if (item.Known && stamp == item.Stamp)
                continue;
            batch.push_back({item.Row, std::make_shared<const LevelSummary>(ReadLevelSummary(item.Path, *rules)), stamp});
            if (batch.size() >= BatchSize || std::chrono::steady_clock::now() - sent >= BatchTime)
                post(false);
        }
        post(true);
    });
}

void LevelListModel::Receive(unsigned generation, const std::vector<Result>& results, bool last)
{
    if (generation != generation_)
        return;
    int first = INT_MAX, end = -1;
    for (const Result& result : results) {
        if (result.Row < 0 || result.Row >= static_cast<int>(entries_.size()))
            continue;
        Entry& entry = entries_[static_cast<std::size_t>(result.Row)];
        if (!entry.Summary)
            --pending_;
        entry.Summary = result.Summary;
        entry.Stamp = result.Stamp;
        if (const auto old = cache_.find(entry.Path); old != cache_.end())
            DropPicture(old->second, entry.Path);
        cache_[entry.Path] = Cached{result.Summary, result.Stamp, QImage(), {}};
        requested_[static_cast<std::size_t>(result.Row)] = 0;
        first = std::min(first, result.Row);
        end = std::max(end, result.Row);
    }
    if (last)
        reading_ = false;
    if (end >= 0)
        emit dataChanged(index(first, 0), index(end, ColumnCount - 1));
    emit SummariesArrived();
}

void LevelListModel::SetTiles(const TileSet& tiles, bool wallVariants)
{
    // The same pictures as last time keep the thumbnails painted with them.
    std::vector<qint64> keys = {tiles.IMGSokoban1.cacheKey(), tiles.IMGSokoban2.cacheKey(), tiles.IMGBox1.cacheKey(),
                                tiles.IMGBox2.cacheKey(),     tiles.IMGEmpty.cacheKey(),    tiles.IMGTarget.cacheKey(),
                                wallVariants ? 1 : 0};
    for (const QImage& wall : tiles.IMGWalls)
        keys.push_back(wall.cacheKey());
    if (painter_ && keys == tileKeys_)
        return;
    tileKeys_ = std::move(keys);
    painter_ = std::make_shared<ThumbnailPainter>(tiles, wallVariants, ThumbnailBox, 16);
    ++tileGeneration_;
    for (auto& [path, cached] : cache_)
        cached.Thumbnail = QImage();
    recent_.clear();
    requested_.assign(entries_.size(), 0);
    if (!entries_.empty())
        emit dataChanged(index(0, ColPicture), index(static_cast<int>(entries_.size()) - 1, ColPicture));
}

void LevelListModel::SetLanguage(int languageNumber)
{
    languageNumber_ = languageNumber;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!entries_.empty())
        emit dataChanged(index(0, 0), index(static_cast<int>(entries_.size()) - 1, ColumnCount - 1));
}

void LevelListModel::RequestThumbnail(int row) const
{
    auto& asked = requested_[static_cast<std::size_t>(row)];
    if (!painter_ || asked == tileGeneration_)
        return;
    asked = tileGeneration_;
    const Entry& entry = entries_[static_cast<std::size_t>(row)];
    auto* self = const_cast<LevelListModel*>(this);
    pictures_.start([self, stop = stop_, painter = painter_, summary = entry.Summary, path = entry.Path,
                     stamp = entry.Stamp, tiles = tileGeneration_, row] {
        if (stop->load())
            return;
        QImage image = painter->Paint(summary->Rows);
        QMetaObject::invokeMethod(
            self, [self, tiles, row, path, stamp, image] { self->ReceiveThumbnail(tiles, row, path, stamp, image); },
            Qt::QueuedConnection);
    });
}

void LevelListModel::ReceiveThumbnail(unsigned tileGeneration, int row, const std::string& path,
                                      const LevelFileStamp& stamp, const QImage& image)
{
    if (tileGeneration != tileGeneration_)
        return;
    const auto cached = cache_.find(path);
    if (cached == cache_.end() || !(cached->second.Stamp == stamp))
        return;
    DropPicture(cached->second, path);
    cached->second.Thumbnail = image;
    recent_.push_front(path);
    cached->second.Recent = recent_.begin();
    KeepWithinLimit();
    if (row >= 0 && row < static_cast<int>(entries_.size()) && entries_[static_cast<std::size_t>(row)].Path == path)
        emit dataChanged(index(row, ColPicture), index(row, ColPicture), {Qt::DecorationRole});
}

void LevelListModel::SetThumbnailLimit(int limit)
{
    thumbnailLimit_ = limit;
    KeepWithinLimit();   // pictures already held count too
}

void LevelListModel::KeepWithinLimit()
{
    while (static_cast<int>(recent_.size()) > std::max(thumbnailLimit_, 1)) {
        const std::string oldest = recent_.back();
        DropPicture(cache_.at(oldest), oldest);
    }
}

// Forgets a picture; the row showing it asks for it again when it is next painted.
void LevelListModel::DropPicture(Cached& cached, const std::string& path)
{
    if (cached.Thumbnail.isNull())
        return;
    cached.Thumbnail = QImage();
    recent_.erase(cached.Recent);
    for (std::size_t row = 0; row < entries_.size() && row < requested_.size(); ++row)
        if (entries_[row].Path == path)
            requested_[row] = tileGeneration_ - 1;
}

const std::string& LevelListModel::PathAt(int row) const
{
    return entries_.at(static_cast<std::size_t>(row)).Path;
}

const LevelSummary* LevelListModel::SummaryAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return nullptr;
    return entries_[static_cast<std::size_t>(row)].Summary.get();
}

int LevelListModel::SolvedCount() const
{
    int solved = 0;
    for (const Entry& entry : entries_)
        if (entry.Summary && entry.Summary->Solved)
            ++solved;
    return solved;
}

int LevelListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int LevelListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LevelListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColNumber: return QCoreApplication::translate("Warehaus4", "No.");
    case ColPicture: return QCoreApplication::translate("Warehaus4", "Board");
    case ColTitle: return QCoreApplication::translate("Warehaus4", "Title");
    case ColFile: return QCoreApplication::translate("Warehaus4", "File");
    case ColSize: return QCoreApplication::translate("Warehaus4", "Size");
    case ColBoxes: return QCoreApplication::translate("Warehaus4", "Boxes");
    case ColSolved: return QCoreApplication::translate("Warehaus4", "Solved");
    case ColMoves: return QCoreApplication::translate("Warehaus4", "Moves");
    case ColPushes: return QCoreApplication::translate("Warehaus4", "Pushes");
    default: return {};
    }
}

QVariant LevelListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(entries_.size()))
        return {};
    const Entry& entry = entries_[static_cast<std::size_t>(index.row())];
    const LevelSummary* s = entry.Summary.get();
    const bool ok = s != nullptr && s->State == LevelFileState::Ok;
    const bool solved = s != nullptr && s->Solved;
    // Made only for the roles that show or compare it: sorting and filtering ask for other roles
    // of every row.
    const auto title = [&] {
        if (s == nullptr)
            return QStringLiteral("…");
        switch (s->State) {
        case LevelFileState::Missing: return QCoreApplication::translate("Warehaus4", "(file missing)");
        case LevelFileState::Unreadable: return QCoreApplication::translate("Warehaus4", "(file unreadable)");
        case LevelFileState::NoBoard: return QCoreApplication::translate("Warehaus4", "(no board in the file)");
        case LevelFileState::Ok: break;
        }
        if (!s->Title.empty())
            return QString::fromStdString(DecodeHeaderValue(s->Title));
        return QFileInfo(entry.FileName).completeBaseName();
    };

    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColNumber: return index.row() + 1;
        case ColTitle: return title();
        case ColFile: return entry.FileName;
        case ColSize: return ok ? QStringLiteral("%1 × %2").arg(s->Width).arg(s->Height) : QString();
        case ColBoxes: return ok ? QVariant(s->Boxes) : QVariant();
        // An attempt in progress (Tools > Resume Attempt) is marked beside the solved mark.
        case ColSolved: {
            QString mark = solved ? QStringLiteral("✔") : QString();
            if (ok && s->AttemptInProgress)
                mark += QStringLiteral("…");
            return mark;
        }
        case ColMoves: return solved ? QVariant(s->SolutionMoves) : QVariant();
        case ColPushes: return solved ? QVariant(s->SolutionPushes) : QVariant();
        default: return {};
        }
    case Qt::DecorationRole:
        if (index.column() == ColPicture && ok) {
            const auto cached = cache_.find(entry.Path);
            if (cached != cache_.end() && !cached->second.Thumbnail.isNull() && cached->second.Stamp == entry.Stamp) {
                recent_.splice(recent_.begin(), recent_, cached->second.Recent);   // shown: the last to go
                return cached->second.Thumbnail;
            }
            RequestThumbnail(index.row());
        }
        return {};
    case Qt::TextAlignmentRole:
        switch (index.column()) {
        case ColNumber: case ColBoxes: case ColMoves: case ColPushes:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case ColPicture: case ColSize: case ColSolved:
            return QVariant::fromValue(Qt::AlignCenter);
        default: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::ForegroundRole:
        if (s != nullptr && s->State != LevelFileState::Ok)
            return QBrush(QColor(178, 34, 34));
        if (index.column() == ColSolved)
            return QBrush(QColor(0, 128, 0));
        return {};
    case Qt::ToolTipRole:
        if (index.column() == ColFile || index.column() == ColTitle)
            return QFile::decodeName(QByteArray::fromStdString(entry.Path));
        if (index.column() == ColSolved && ok && s->AttemptInProgress)
            return QCoreApplication::translate("Warehaus4", "An attempt in progress: Tools > Resume Attempt");
        return {};
    case SortRole:
        switch (index.column()) {
        case ColTitle: return title().toLower();
        case ColFile: return entry.FileName.toLower();
        case ColSize: return ok ? s->Width * 100 + s->Height : -1;
        case ColBoxes: return ok ? s->Boxes : -1;
        case ColSolved: return solved ? 1 : 0;
        // Levels without a solution sort after every solved one.
        case ColMoves: return solved ? s->SolutionMoves : INT_MAX;
        case ColPushes: return solved ? s->SolutionPushes : INT_MAX;
        default: return index.row();
        }
    case SolvedRole: return solved;
    case FilterRole: return title() + QLatin1Char('\n') + entry.FileName;
    default: return {};
    }
}

void LevelFilterModel::SetFilterText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    invalidateFilter();
}

void LevelFilterModel::SetUnsolvedOnly(bool on)
{
    if (on == unsolvedOnly_)
        return;
    unsolvedOnly_ = on;
    invalidateFilter();
}

bool LevelFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (unsolvedOnly_ && index.data(LevelListModel::SolvedRole).toBool())
        return false;
    const QString text = text_.trimmed();
    return text.isEmpty() || index.data(LevelListModel::FilterRole).toString().contains(text, Qt::CaseInsensitive);
}

} // namespace w4
