#include "app/help/boardhelp.h"
#include "app/snapshots/snapshots.h"
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/fmain.h"
#include "core/reverse.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

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
// instead, so no count is ever cut off.
class StatusPanelRow : public QWidget {
public:
    explicit StatusPanelRow(QWidget* parent) : QWidget(parent) { setMinimumWidth(0); }

    QSize sizeHint() const override { return {PanelWidth * 8, QWidget::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, 18}; }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const QList<QLabel*> panels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        const int written = 7;
        const int width = std::min(PanelWidth, std::max(1, this->width() / written));
        for (int i = 0; i < panels.size(); ++i)
            panels[i]->setGeometry(i * width, 0, i < written ? width : std::max(0, this->width() - i * width),
                                   height());
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
    const auto label = [&g](const char* english, const char* french) {
        return w4::Choose(g, english, french) + QLatin1Char('=');
    };
    const bool noHistory = g.HistoryLength < 1 || g.HistoryIndex >= g.HistoryLength
        || static_cast<std::size_t>(g.HistoryIndex) >= g.SnapshotHistory.size();

    QString level = label("Level", "Niveau");
    if (g.Playlist.empty())
        level += QStringLiteral("0/0");
    else
        level += QStringLiteral("%1/%2").arg(g.LevelIndex + 1).arg(g.Playlist.size());

    const QString size = label("Size", "Taille") + QStringLiteral("%1x%2").arg(g.LevelWidth).arg(g.LevelHeight);
    // Reverse play says so where the moves and pushes are counted.
    const bool reverse = g.Reverse;
    const QString move = (reverse ? label("Reverse", "Envers") : label("Move", "Bouge"))
        + (noHistory ? QStringLiteral("0/0") : QStringLiteral("%1/%2").arg(g.HistoryIndex).arg(g.HistoryLength - 1));
    QString push = (reverse ? label("Pull", "Tire") : label("Push", "Pousse"))
        + (noHistory ? QStringLiteral("0") : QString::number(g.Current().Pushes));
    // The help line may be off a narrow window's edge: the count says what the board waits for.
    if (w4::ReverseNeedsKeeper(g))
        push = w4::Choose(g, "Place keeper", "Placez le gardien");
    const QString time = label("Time", "Temps") + QString::fromStdString(w4::FormatElapsed(w4::ElapsedSeconds(g)));
    const QString done = label("Done", "Fait") + QStringLiteral("%1/%2").arg(g.BoxesOnTargets).arg(g.TargetCount);
    const QString todo = label("Todo", "A faire") + QStringLiteral("%1/%2").arg(g.BoxesOffTargets).arg(g.TargetCount);

    const QString texts[7] = {level, size, move, push, time, done, todo};
    for (int i = 0; i < 7; ++i)
        StatusPanels[static_cast<std::size_t>(i)]->setText(texts[i]);
}

QString TFRMMain::StatusText(int panel) const
{
    if (panel < 0 || panel >= static_cast<int>(StatusPanels.size()))
        return {};
    const QLabel* label = StatusPanels[static_cast<std::size_t>(panel)];
    if (const auto* help = dynamic_cast<const ElidedPanel*>(label))
        return help->Line();
    return label->text();
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
