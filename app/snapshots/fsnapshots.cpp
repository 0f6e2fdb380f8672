#include "app/snapshots/fsnapshots.h"
#include "app/window/captions.h"

#include "core/completion.h"
#include "core/fileio.h"
#include "core/levelsummary.h"
#include "core/loading.h"
#include "core/reverse.h"
#include "render/thumbnail.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool SameSnapshot(const w4::Snapshot& a, const w4::Snapshot& b)
{
    return a.SameAttempt(b) && a.Date == b.Date && a.Name == b.Name && a.Automatic == b.Automatic;
}

// The level's start as its file holds it: a snapshot is replayed on that when restored, not on
// a board being drawn in the editor.
std::vector<std::string> StartAsSaved(const w4::GameState& g, const std::string& level)
{
    if (level.empty())
        return {};
    w4::GameState file = w4::FileRulesOf(g);
    file.Playlist = {level};
    file.LevelIndex = 0;
    file.GameMode = w4::ModePlay;
    file.Now = g.Now;
    w4::SilentFrontend silent;
    w4::LoadLevel(file, silent);
    return w4::StartRows(file);
}

} // namespace

TFRMSnapshots::TFRMSnapshots(w4::Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("FRMSnapshots"));
    setWindowModality(Qt::WindowModal);
    setSizeGripEnabled(true);

    GRDSnapshots = new QTableWidget(0, ColumnCount, this);
    GRDSnapshots->setObjectName(QStringLiteral("GRDSnapshots"));
    GRDSnapshots->setSelectionBehavior(QAbstractItemView::SelectRows);
    GRDSnapshots->setSelectionMode(QAbstractItemView::SingleSelection);
    GRDSnapshots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRDSnapshots->setWordWrap(false);
    GRDSnapshots->setIconSize(ThumbnailBox);
    GRDSnapshots->verticalHeader()->hide();
    GRDSnapshots->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GRDSnapshots->verticalHeader()->setDefaultSectionSize(ThumbnailBox.height() + 6);
    GRDSnapshots->horizontalHeader()->setSectionResizeMode(ColName, QHeaderView::Stretch);
    GRDSnapshots->setColumnWidth(ColPicture, ThumbnailBox.width() + 8);
    const QFontMetrics metrics(font());
    GRDSnapshots->setColumnWidth(ColMoves, metrics.horizontalAdvance(QStringLiteral("Mouvements")) + 24);
    GRDSnapshots->setColumnWidth(ColPushes, metrics.horizontalAdvance(QStringLiteral("Poussées")) + 24);
    GRDSnapshots->setColumnWidth(ColDate, metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 24);

    LBLEmpty = new QLabel(this);
    LBLEmpty->setObjectName(QStringLiteral("LBLEmpty"));
    LBLEmpty->setWordWrap(true);
    BTNRestore = new QPushButton(this);
    BTNRestore->setObjectName(QStringLiteral("BTNRestore"));
    BTNRestore->setDefault(true);
    BTNRename = new QPushButton(this);
    BTNRename->setObjectName(QStringLiteral("BTNRename"));
    BTNDelete = new QPushButton(this);
    BTNDelete->setObjectName(QStringLiteral("BTNDelete"));
    BTNCopy = new QPushButton(this);
    BTNCopy->setObjectName(QStringLiteral("BTNCopy"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BTNRestore);
    buttons->addWidget(BTNRename);
    buttons->addWidget(BTNDelete);
    buttons->addWidget(BTNCopy);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GRDSnapshots, 1);
    layout->addWidget(LBLEmpty);
    layout->addLayout(buttons);

    connect(BTNRestore, &QPushButton::clicked, this, &TFRMSnapshots::RestoreSelected);
    connect(BTNRename, &QPushButton::clicked, this, &TFRMSnapshots::RenameSelected);
    connect(BTNDelete, &QPushButton::clicked, this, &TFRMSnapshots::DeleteSelected);
    connect(BTNCopy, &QPushButton::clicked, this, &TFRMSnapshots::CopySelected);
    connect(GRDSnapshots, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        SelectRow(row);
        RestoreSelected();
    });
    GRDSnapshots->installEventFilter(this);
    ApplyLanguage(w4::LanguageEnglish);
    resize(620, 420);
}

void TFRMSnapshots::Open(const w4::GameState& g, const w4::TileSet& tiles)
{
    rules_ = w4::FileRulesOf(g);
    rules_.LanguageNumber = g.LanguageNumber;
    level_ = w4::SnapshotLevelPath(g);
    start_ = StartAsSaved(g, level_);
    tiles_ = tiles;
    wallVariants_ = g.WallVariants;
    ApplyLanguage(g.LanguageNumber);
    Fill(0);
    show();
    raise();
    activateWindow();
    GRDSnapshots->setFocus();
}

void TFRMSnapshots::ApplyLanguage(int languageNumber)
{
    languageNumber_ = languageNumber;
    rules_.LanguageNumber = languageNumber;
    setWindowTitle(Warehaus4::QTr("Snapshots"));
    BTNRestore->setText(Warehaus4::QTr("Restore"));
    BTNRename->setText(Warehaus4::QTr("Rename"));
    BTNDelete->setText(Warehaus4::QTr("Delete"));
    BTNCopy->setText(Warehaus4::QTr("Copy"));
    GRDSnapshots->setHorizontalHeaderLabels({QString(), Warehaus4::QTr("Name"), Warehaus4::QTr("Moves"),
                                             Warehaus4::QTr("Pushes"), Warehaus4::QTr("Date")});
    // A column title longer than its column (a language with long words) widens the column.
    const QFontMetrics metrics(GRDSnapshots->horizontalHeader()->font());
    for (int column : {ColMoves, ColPushes, ColDate}) {
        const int title = metrics.horizontalAdvance(GRDSnapshots->horizontalHeaderItem(column)->text()) + 24;
        if (GRDSnapshots->columnWidth(column) < title)
            GRDSnapshots->setColumnWidth(column, title);
    }
    if (!shown_.empty())
        Fill(SelectedRow());
    else if (const std::string problem = level_.empty() ? std::string() : w4::SnapshotFileProblem(rules_, level_);
             !problem.empty())
        LBLEmpty->setText(QString::fromStdString(problem));   // a file too large or unreadable is never read in part
    else
        LBLEmpty->setText(level_.empty() ? Warehaus4::QTr("This level keeps no snapshots: only .xsb level files do.")
                                         : Warehaus4::QTr("No snapshot of this level yet: Tools > Save Snapshot keeps one."));
}

QString TFRMSnapshots::NameOf(const w4::Snapshot& s) const
{
    const QString reverse = s.Reverse ? Warehaus4::QTr(" (reverse)") : QString();
    if (!s.Name.empty())
        return QString::fromStdString(s.Name) + reverse;
    return (s.Automatic ? Warehaus4::QTr("(kept automatically)") : Warehaus4::QTr("(no name)")) + reverse;
}

void TFRMSnapshots::Fill(int selectRow)
{
    shown_ = level_.empty() ? std::vector<w4::Snapshot>{} : w4::ReadSnapshots(rules_, level_);
    // Newest first; the file keeps them oldest first, which also orders those of the same second.
    std::reverse(shown_.begin(), shown_.end());
    std::stable_sort(shown_.begin(), shown_.end(), [](const w4::Snapshot& a, const w4::Snapshot& b) { return a.Date > b.Date; });
    w4::ThumbnailPainter painter(tiles_, wallVariants_, ThumbnailBox, 16);
    GRDSnapshots->setRowCount(static_cast<int>(shown_.size()));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const w4::Snapshot& s = shown_[i];
        const int row = static_cast<int>(i);
        auto* picture = new QTableWidgetItem;
        const QImage image = painter.Paint(w4::PositionRows(start_, s));
        if (!image.isNull())
            picture->setData(Qt::DecorationRole, image);
        GRDSnapshots->setItem(row, ColPicture, picture);
        auto* name = new QTableWidgetItem(NameOf(s));
        if (s.Automatic) {
            QFont italic = name->font();
            italic.setItalic(true);
            name->setFont(italic);
        }
        GRDSnapshots->setItem(row, ColName, name);
        for (const auto& [column, value] : {std::pair{ColMoves, s.Moves()}, std::pair{ColPushes, s.Pushes()}}) {
            auto* number = new QTableWidgetItem(QString::number(value));
            number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            GRDSnapshots->setItem(row, column, number);
        }
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(s.Date.time_since_epoch()).count();
        const QString date = s.Date == w4::DateTime{} ? QString()
                                                      : QDateTime::fromSecsSinceEpoch(seconds).toLocalTime().toString(
                                                            QStringLiteral("yyyy-MM-dd HH:mm"));
        GRDSnapshots->setItem(row, ColDate, new QTableWidgetItem(date));
    }
    const bool any = !shown_.empty();
    for (QPushButton* button : {BTNRestore, BTNRename, BTNDelete, BTNCopy})
        button->setEnabled(any);
    LBLEmpty->setVisible(!any);
    if (!any)
        ApplyLanguage(languageNumber_);
    SelectRow(selectRow);
}

int TFRMSnapshots::SelectedRow() const
{
    const int row = GRDSnapshots->currentRow();
    return row >= 0 && row < static_cast<int>(shown_.size()) ? row : (shown_.empty() ? -1 : 0);
}

void TFRMSnapshots::SelectRow(int row)
{
    if (shown_.empty())
        return;
    GRDSnapshots->selectRow(std::clamp(row, 0, static_cast<int>(shown_.size()) - 1));
}

void TFRMSnapshots::RestoreSelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const w4::Snapshot chosen = shown_[static_cast<std::size_t>(row)];
    accept();
    emit RestoreChosen(chosen);
}

template <class Change>
bool TFRMSnapshots::Edit(Change change)
{
    try {
        std::vector<w4::Snapshot> all = w4::ReadSnapshots(rules_, level_);
        change(all);
        w4::WriteSnapshots(rules_, level_, all);
        return true;
    } catch (const std::exception& e) {
        dialogs_.Error(QString::fromUtf8(e.what()));
        return false;
    }
}

void TFRMSnapshots::RenameSelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const w4::Snapshot target = shown_[static_cast<std::size_t>(row)];
    const std::optional<QString> name =
        dialogs_.Text(Warehaus4::QTr("Name of the snapshot:"), QString::fromStdString(target.Name));
    if (!name || name->trimmed().isEmpty())
        return;
    Edit([&](std::vector<w4::Snapshot>& all) {
        for (w4::Snapshot& s : all)
            if (SameSnapshot(s, target)) {
                s.Name = name->trimmed().toStdString();
                s.Automatic = false;   // a name keeps it for good
                break;
            }
    });
    Fill(row);
}

void TFRMSnapshots::DeleteSelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const w4::Snapshot target = shown_[static_cast<std::size_t>(row)];
    if (!dialogs_.Question(Warehaus4::QTr("Delete the snapshot \"%1\" ?").arg(NameOf(target))))
        return;
    Edit([&](std::vector<w4::Snapshot>& all) {
        const auto it = std::find_if(all.begin(), all.end(), [&](const w4::Snapshot& s) { return SameSnapshot(s, target); });
        if (it != all.end())
            all.erase(it);
    });
    Fill(row);
}

void TFRMSnapshots::CopySelected()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(w4::MarkedLetters(shown_[static_cast<std::size_t>(row)])));
}

bool TFRMSnapshots::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GRDSnapshots && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key->key())) {
            RestoreSelected();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            DeleteSelected();
            return true;
        }
        if (key->key() == Qt::Key_F2) {
            RenameSelected();
            return true;
        }
        if (key->matches(QKeySequence::Copy)) {
            CopySelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
