#include "app/help/boardhelp.h"
#include "app/snapshots/snapshots.h"
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/fmain.h"
#include "core/reverse.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace {

constexpr int PanelWidth = 106;

// The help's panel: a line longer than the panel shows elided, whole on hover. text() stays the
// whole line.
class ElidedPanel : public QLabel {
public:
    using QLabel::QLabel;

    void SetLine(const QString& line)
    {
        line_ = line;
        setToolTip(line);
        Elide();
    }
    QString Line() const { return line_; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        Elide();
    }

private:
    void Elide()
    {
        const int room = contentsRect().width() - 2 * margin() - 4;
        setText(fontMetrics().elidedText(line_, Qt::ElideRight, std::max(0, room)));
    }
    QString line_;
};

// Holds the eight panels side by side at 106 pixels each, the last one taking whatever the row
// has left. When the window is narrower than the seven written panels, they share the width
// instead. A count longer than its panel (a language with long words) widens that panel, from
// the help panel's room first, then from the room the others do not need, so no count is ever
// cut off; only when even that is too little is a count elided, whole on hover.
class StatusPanelRow : public QWidget {
public:
    explicit StatusPanelRow(QWidget* parent) : QWidget(parent) { setMinimumWidth(0); }

    QSize sizeHint() const override { return {PanelWidth * 8, QWidget::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, 18}; }

    void Arrange()
    {
        const QList<QLabel*> panels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        const int written = std::min<int>(7, static_cast<int>(panels.size()));
        const int share = std::min(PanelWidth, std::max(1, width() / std::max(1, written)));
        std::vector<int> need(static_cast<std::size_t>(written)), widths(static_cast<std::size_t>(written));
        int needed = 0, wanted = 0;
        for (int i = 0; i < written; ++i) {
            QLabel* panel = panels[i];
            const QString text = panel->property("WholeText").isValid() ? panel->property("WholeText").toString() : panel->text();
            need[static_cast<std::size_t>(i)] = panel->fontMetrics().horizontalAdvance(text) + 2 * panel->frameWidth() + 6;
            widths[static_cast<std::size_t>(i)] = std::max(share, need[static_cast<std::size_t>(i)]);
            needed += need[static_cast<std::size_t>(i)];
            wanted += widths[static_cast<std::size_t>(i)];
        }
        if (wanted > width()) {
            // Each gets what it needs and an even part of what is left; below that, even shares.
            const int spare = needed <= width() ? (width() - needed) / std::max(1, written) : 0;
            for (int i = 0; i < written; ++i)
                widths[static_cast<std::size_t>(i)] = needed <= width() ? need[static_cast<std::size_t>(i)] + spare : share;
        }
        int x = 0;
        for (int i = 0; i < panels.size(); ++i) {
            const int w = i < written ? widths[static_cast<std::size_t>(i)] : std::max(0, width() - x);
            panels[i]->setGeometry(x, 0, w, height());
            if (i < written)
                FitText(panels[i], need[static_cast<std::size_t>(i)] <= w);
            x += w;
        }
    }

protected:
    void resizeEvent(QResizeEvent*) override { Arrange(); }

private:
    // The whole text, or elided with the whole text as tooltip; the property keeps the whole one.
    static void FitText(QLabel* panel, bool fits)
    {
        const QVariant whole = panel->property("WholeText");
        if (fits) {
            if (whole.isValid()) {
                panel->setText(whole.toString());
                panel->setToolTip(QString());
                panel->setProperty("WholeText", QVariant());
            }
            return;
        }
        const QString text = whole.isValid() ? whole.toString() : panel->text();
        panel->setProperty("WholeText", text);
        panel->setToolTip(text);
        panel->setText(panel->fontMetrics().elidedText(text, Qt::ElideRight, std::max(0, panel->contentsRect().width() - 4)));
    }
};

} // namespace

void TFRMMain::BuildStatusBar()
{
    myStatusBar = statusBar();
    myStatusBar->setObjectName(QStringLiteral("myStatusBar"));
    myStatusBar->setSizeGripEnabled(false);
    auto* row = new StatusPanelRow(myStatusBar);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = i == 7 ? new ElidedPanel(row) : new QLabel(row);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusPanels[i] = panel;
    }
    myStatusBar->addWidget(row, 1);
}

// Every move, undo, redo, load and redraw of the core ends here: the game model tells its
// listeners, the window among them.
void TFRMMain::RefreshStatus() { TheGame->PositionReported(); }

// The shown position changed: the recovery file follows the attempt, the status bar and the
// menus' check marks show it, the help's marks and the editor's live check follow it.
void TFRMMain::PositionChanged()
{
    if (SnapshotKeeper)
        SnapshotKeeper->AttemptChanged();
    ShowStatus();
    RefreshReverseLine();
    if (Commands)
        Commands->Refresh();
    if (Help)
        Help->PositionChanged();
}

void TFRMMain::ShowStatus()
{
    const w4::GameState& g = Game;
    const bool noHistory = g.HistoryLength < 1 || g.HistoryIndex >= g.HistoryLength
        || static_cast<std::size_t>(g.HistoryIndex) >= g.SnapshotHistory.size();
    const QString n = QString::number(g.Playlist.empty() ? 0 : g.LevelIndex + 1);

    const QString level = Warehaus4::QTr("Level=%1/%2").arg(n, QString::number(g.Playlist.size()));
    const QString size = Warehaus4::QTr("Size=%1x%2").arg(QString::number(g.LevelWidth), QString::number(g.LevelHeight));
    // Reverse play says so where the moves and pushes are counted.
    const bool reverse = g.Reverse;
    const QString moves = QString::number(noHistory ? 0 : g.HistoryIndex);
    const QString last = QString::number(noHistory ? 0 : g.HistoryLength - 1);
    const QString pushes = QString::number(noHistory ? 0 : g.Current().Pushes);
    const QString move = reverse ? Warehaus4::QTr("Reverse=%1/%2").arg(moves, last) : Warehaus4::QTr("Move=%1/%2").arg(moves, last);
    QString push = reverse ? Warehaus4::QTr("Pull=%1").arg(pushes) : Warehaus4::QTr("Push=%1").arg(pushes);
    // The help line may be off a narrow window's edge: the count says what the board waits for.
    if (w4::ReverseNeedsKeeper(g))
        push = Warehaus4::QTr("Place keeper");
    const QString time = Warehaus4::QTr("Time=%1").arg(QString::fromStdString(w4::FormatElapsed(w4::ElapsedSeconds(g))));
    const QString done = Warehaus4::QTr("Done=%1/%2").arg(QString::number(g.BoxesOnTargets), QString::number(g.TargetCount));
    const QString todo = Warehaus4::QTr("Todo=%1/%2").arg(QString::number(g.BoxesOffTargets), QString::number(g.TargetCount));

    const QString texts[7] = {level, size, move, push, time, done, todo};
    for (int i = 0; i < 7; ++i) {
        QLabel* panel = StatusPanels[static_cast<std::size_t>(i)];
        panel->setProperty("WholeText", QVariant());
        panel->setToolTip(QString());
        panel->setText(texts[i]);
    }
    if (auto* row = dynamic_cast<StatusPanelRow*>(StatusPanels[0]->parentWidget()))
        row->Arrange();
}

QString TFRMMain::StatusText(int panel) const
{
    if (panel < 0 || panel >= static_cast<int>(StatusPanels.size()))
        return {};
    const QLabel* label = StatusPanels[static_cast<std::size_t>(panel)];
    if (const auto* help = dynamic_cast<const ElidedPanel*>(label))
        return help->Line();
    const QVariant whole = label->property("WholeText");
    return whole.isValid() ? whole.toString() : label->text();
}

void TFRMMain::ShowHelpMessage(const QString& text)
{
    if (auto* panel = dynamic_cast<ElidedPanel*>(StatusPanels[7]))
        panel->SetLine(text);
}

void TFRMMain::TimerStatusTimer()
{
    // Stopped while it works, so the next tick comes a full second after this refresh. Only the
    // clock moves: the position is the model's to report.
    TimerStatus->stop();
    ShowStatus();
    if (!Closing)
        TimerStatus->start();
}
