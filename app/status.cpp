#include "app/captions.h"
#include "app/fmain.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

void TFRMMain::BuildStatusBar()
{
    myStatusBar = statusBar();
    myStatusBar->setObjectName(QStringLiteral("myStatusBar"));
    myStatusBar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < StatusPanels.size(); ++i) {
        auto* panel = new QLabel(myStatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(106);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        myStatusBar->addWidget(panel);
        StatusPanels[i] = panel;
    }
}

void TFRMMain::RefreshStatus()
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
    const QString move = label("Move", "Bouge")
        + (noHistory ? QStringLiteral("0/0") : QStringLiteral("%1/%2").arg(g.HistoryIndex).arg(g.HistoryLength - 1));
    const QString push = label("Push", "Pousse") + (noHistory ? QStringLiteral("0") : QString::number(g.Current().Pushes));
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
    return StatusPanels[static_cast<std::size_t>(panel)]->text();
}

void TFRMMain::TimerStatusTimer()
{
    // Stopped while it works, so the next tick comes a full second after this refresh.
    TimerStatus->stop();
    RefreshStatus();
    if (!Closing)
        TimerStatus->start();
}
