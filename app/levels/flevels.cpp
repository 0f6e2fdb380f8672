#include "app/levels/flevels.h"

#include "core/ulevel.h"
#include "render/boardpicture.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using Model = w4::LevelListModel;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

TFRMLevels::TFRMLevels(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FRMLevels"));
    // The playlist cannot change under the list while it is open.
    setWindowModality(Qt::WindowModal);
    setSizeGripEnabled(true);

    model_ = new w4::LevelListModel(this);
    filter_ = new w4::LevelFilterModel(this);
    filter_->setSourceModel(model_);
    filter_->setSortRole(Model::SortRole);

    EDTFilter = new QLineEdit(this);
    EDTFilter->setObjectName(QStringLiteral("EDTFilter"));
    EDTFilter->setClearButtonEnabled(true);
    CHKUnsolved = new QCheckBox(this);
    CHKUnsolved->setObjectName(QStringLiteral("CHKUnsolved"));
    LBLSolved = new QLabel(this);
    LBLSolved->setObjectName(QStringLiteral("LBLSolved"));
    LBLHint = new QLabel(this);
    LBLHint->setObjectName(QStringLiteral("LBLHint"));

    GRDLevels = new QTableView(this);
    GRDLevels->setObjectName(QStringLiteral("GRDLevels"));
    GRDLevels->setModel(filter_);
    GRDLevels->setSelectionBehavior(QAbstractItemView::SelectRows);
    GRDLevels->setSelectionMode(QAbstractItemView::SingleSelection);
    GRDLevels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRDLevels->setWordWrap(false);
    GRDLevels->setAlternatingRowColors(true);
    GRDLevels->setIconSize(Model::ThumbnailBox);
    GRDLevels->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing has to measure 5 000 rows.
    GRDLevels->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GRDLevels->verticalHeader()->setDefaultSectionSize(Model::ThumbnailBox.height() + 6);
    QHeaderView* header = GRDLevels->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(Model::ColTitle, QHeaderView::Stretch);
    header->setSectionResizeMode(Model::ColPicture, QHeaderView::Fixed);
    header->setSortIndicator(Model::ColNumber, Qt::AscendingOrder);
    GRDLevels->setSortingEnabled(true);
    const QFontMetrics metrics(font());
    const auto fit = [&](int column, const char* sample) {
        GRDLevels->setColumnWidth(column, metrics.horizontalAdvance(QString::fromUtf8(sample)) + 24);
    };
    fit(Model::ColNumber, "00000");
    GRDLevels->setColumnWidth(Model::ColPicture, Model::ThumbnailBox.width() + 8);
    fit(Model::ColFile, "0000000000.xsb");
    fit(Model::ColSize, "00 × 00");
    fit(Model::ColBoxes, "Caisses");
    fit(Model::ColSolved, "Résolu");
    fit(Model::ColMoves, "Mouvements");
    fit(Model::ColPushes, "Poussées");

    auto* top = new QHBoxLayout;
    top->addWidget(EDTFilter, 1);
    top->addWidget(CHKUnsolved);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LBLSolved);
    bottom->addStretch(1);
    bottom->addWidget(LBLHint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GRDLevels, 1);
    layout->addLayout(bottom);

    connect(EDTFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetFilterText(text);
        SelectProxyRow(0);
    });
    connect(CHKUnsolved, &QCheckBox::toggled, this, [this](bool on) {
        filter_->SetUnsolvedOnly(on);
        SelectProxyRow(0);
    });
    connect(GRDLevels, &QAbstractItemView::doubleClicked, this, &TFRMLevels::Choose);
    connect(model_, &Model::SummariesArrived, this, &TFRMLevels::RefreshSolvedLine);
    EDTFilter->installEventFilter(this);
    GRDLevels->installEventFilter(this);
    ApplyLanguage(w4::LanguageEnglish);
}

void TFRMLevels::Open(const w4::GameState& g, const w4::LevelListPlace& place, const w4::TileSet& tiles)
{
    ApplyLanguage(g.LanguageNumber);
    model_->SetTiles(tiles, g.WallVariants);
    {
        // The filter and the toggle start afresh; the sort is the one the player left.
        const QSignalBlocker blockText(EDTFilter);
        const QSignalBlocker blockToggle(CHKUnsolved);
        EDTFilter->clear();
        CHKUnsolved->setChecked(false);
        filter_->SetFilterText(QString());
        filter_->SetUnsolvedOnly(false);
    }
    model_->SetPlaylist(g);
    const int column = std::clamp(place.SortColumn, 0, Model::ColumnCount - 1);
    GRDLevels->sortByColumn(column, place.SortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);

    QSize size(860, 600);
    if (place.Width > 0 && place.Height > 0)
        size = QSize(place.Width, place.Height);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr)
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(QSize(480, 320)));

    const QModelIndex current = filter_->mapFromSource(model_->index(g.LevelIndex, 0));
    SelectProxyRow(current.isValid() ? current.row() : 0);
    RefreshSolvedLine();
    show();
    raise();
    activateWindow();
    EDTFilter->setFocus();
}

void TFRMLevels::KeepSettings(w4::LevelListPlace& place) const
{
    place.Width = width();
    place.Height = height();
    const QHeaderView* header = GRDLevels->horizontalHeader();
    place.SortColumn = header->sortIndicatorSection();
    place.SortOrder = header->sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0;
}

void TFRMLevels::ApplyLanguage(int languageNumber)
{
    languageNumber_ = languageNumber;
    setWindowTitle(QCoreApplication::translate("Warehaus4", "Levels"));
    EDTFilter->setPlaceholderText(QCoreApplication::translate("Warehaus4", "Filter by title or file name"));
    CHKUnsolved->setText(QCoreApplication::translate("Warehaus4", "Not solved yet"));
    LBLHint->setText(QCoreApplication::translate("Warehaus4", "Enter or double click: play the level"));
    model_->SetLanguage(languageNumber);
    // A column title longer than its column (a language with long words) widens the column.
    const QFontMetrics metrics(GRDLevels->horizontalHeader()->font());
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (column == Model::ColPicture || column == Model::ColTitle)
            continue;
        const int title = metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString()) + 24;
        if (GRDLevels->columnWidth(column) < title)
            GRDLevels->setColumnWidth(column, title);
    }
    RefreshSolvedLine();
}

void TFRMLevels::RefreshSolvedLine()
{
    QString line = QCoreApplication::translate("Warehaus4", "%1 of %2 solved")
                       .arg(model_->SolvedCount())
                       .arg(model_->rowCount());
    if (model_->Reading())
        line += QCoreApplication::translate("Warehaus4", " (reading the files…)");
    LBLSolved->setText(line);
}

void TFRMLevels::SelectProxyRow(int row)
{
    if (filter_->rowCount() == 0) {
        GRDLevels->selectionModel()->clear();
        return;
    }
    const QModelIndex index = filter_->index(std::clamp(row, 0, filter_->rowCount() - 1), Model::ColTitle);
    GRDLevels->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    GRDLevels->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

int TFRMLevels::SelectedLevel() const
{
    const QModelIndexList rows = GRDLevels->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        return filter_->mapToSource(rows.first()).row();
    if (filter_->rowCount() > 0)
        return filter_->mapToSource(filter_->index(0, 0)).row();
    return -1;
}

void TFRMLevels::ChooseSelected()
{
    const int level = SelectedLevel();
    if (level < 0)
        return;
    accept();
    emit LevelChosen(level);
}

void TFRMLevels::Choose(const QModelIndex& proxyIndex)
{
    if (!proxyIndex.isValid())
        return;
    const int level = filter_->mapToSource(proxyIndex).row();
    accept();
    emit LevelChosen(level);
}

bool TFRMLevels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == EDTFilter || watched == GRDLevels)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key->key())) {
            ChooseSelected();
            return true;
        }
        // The list moves from the filter field, so the hands can stay on the keys.
        switch (key->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown:
            if (watched == EDTFilter) {
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
                QCoreApplication::sendEvent(GRDLevels, &copy);
                return true;
            }
            break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenLevelsWindow(QWidget* parent, TFRMLevels*& levels, const w4::GameState& g, w4::LevelListPlace& place,
                      const w4::TileSet& tiles, std::function<void(int)> play)
{
    if (levels == nullptr) {
        levels = new TFRMLevels(parent);
        TFRMLevels* list = levels;
        QObject::connect(list, &QDialog::finished, list, [list, &place] { list->KeepSettings(place); });
        QObject::connect(list, &TFRMLevels::LevelChosen, list, [list, &g, play = std::move(play)](int index) {
            // Only appends can happen while the list is open, but a stale row must never load
            // some other level.
            if (index >= 0 && index < static_cast<int>(g.Playlist.size()) &&
                g.Playlist[static_cast<std::size_t>(index)] == list->Model().PathAt(index))
                play(index);
        });
    }
    levels->Open(g, place, tiles);
}
