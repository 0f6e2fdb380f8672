// Details of the window that a swap or a mixed-up setting would hide: the file dialogs' default
// extensions, the undo/redo bar's thumb and trough, the window placement across starts.
#include "window_fixture.h"

#include "app/window/dialogs.h"

#include <QFileDialog>
#include <QScrollBar>
#include <QStyleOptionSlider>

using namespace w4test;

namespace {

TEST_F(WindowTest, OpenAndGraphicsLoadDialogsAddTheirExtension)
{
    CopyLevels({"0101"});
    Start();
    window->MenuItem("MNUFileOpen")->trigger();
    window->MenuItem("MNUGraphicsLoad")->trigger();
    EXPECT_EQ(dialogs.OpenSuffixes, (QStringList{QStringLiteral("xsb"), QStringLiteral("ini")}));
}

// The real open dialog carries the default extension it is given.
TEST_F(WindowTest, RealOpenDialogsCarryTheDefaultExtension)
{
    QStringList seen;
    const auto answer = [&] {
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(top); dialog != nullptr && dialog->isVisible()) {
                    seen << dialog->defaultSuffix();
                    dialog->reject();
                }
        });
    };
    w4::QtDialogs real;
    answer();
    EXPECT_TRUE(real.OpenFiles(dir.path(), QStringLiteral("Levels (*.xsb)"), QStringLiteral("xsb")).isEmpty());
    answer();
    EXPECT_TRUE(real.OpenFile(dir.path(), QStringLiteral("Sets (*.ini)"), QStringLiteral("ini")).isEmpty());
    EXPECT_EQ(seen, (QStringList{QStringLiteral("xsb"), QStringLiteral("ini")}));
}

// The thumb stands for one position of the attempt; a click in the trough moves ten.
TEST_F(WindowTest, UndoRedoBarThumbIsOnePositionAndTheTroughMovesTen)
{
    CopyLevels({"0102"});
    Start();
    std::string walk;
    for (int i = 0; i < 12; ++i)
        walk += "rl";
    Play(walk + "r");
    ASSERT_EQ(Status(2), "Move=25/25");
    QScrollBar* bar = window->myScrollBar;
    EXPECT_EQ(bar->pageStep(), 1);
    ASSERT_EQ(bar->value(), 26);

    const auto clickTrough = [&](QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        const QRect area = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        ASSERT_FALSE(area.isEmpty());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, area.center());
    };
    clickTrough(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(bar->value(), 16);
    EXPECT_EQ(Status(2), "Move=15/25");
    clickTrough(QStyle::SC_ScrollBarSubPage);
    clickTrough(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(bar->value(), 1);   // stops at the start
    EXPECT_EQ(Status(2), "Move=0/25");
    clickTrough(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(bar->value(), 11);
    EXPECT_EQ(Status(2), "Move=10/25");
}

TEST_F(WindowTest, MaximizedSettingOpensMaximized)
{
    CopyLevels({"0101"});
    WriteSettings("[MAINFORM]\r\nMaximized=1\r\nLeft=37\r\nTop=53\r\nWidth=700\r\nHeight=500\r\n");
    Start();
    EXPECT_TRUE(window->isMaximized());
}

// Left and Top are applied as read, each to its own edge; so are Width and Height.
TEST_F(WindowTest, PlacementIsAppliedAsRead)
{
    CopyLevels({"0101"});
    WriteSettings("[MAINFORM]\r\nMaximized=0\r\nLeft=37\r\nTop=53\r\nWidth=700\r\nHeight=500\r\n");
    Start();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->pos(), QPoint(37, 53));
    EXPECT_EQ(window->size(), QSize(700, 500));
}

// Quitting while maximised keeps the last normal placement in the file, and the next start opens
// maximised with that placement to return to.
TEST_F(WindowTest, QuitWhileMaximizedKeepsTheNormalPlacement)
{
    CopyLevels({"0101"});
    WriteSettings("[MAINFORM]\r\nMaximized=0\r\nLeft=37\r\nTop=53\r\nWidth=700\r\nHeight=500\r\n");
    Start();
    window->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }, 5000));
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    const std::string settings = ReadAll(folder / "boxyard4.ini");
    EXPECT_NE(settings.find("Maximized=1\r\n"), std::string::npos) << settings;
    for (const char* kept : {"Left=37\r\n", "Top=53\r\n", "Width=700\r\n", "Height=500\r\n"})
        EXPECT_NE(settings.find(kept), std::string::npos) << kept << " in\n" << settings;

    window.reset();
    Start();
    EXPECT_TRUE(window->isMaximized());
    // What restoring returns to; the window system applies it (the offscreen test platform does
    // not for a window that was shown maximised from the start).
    EXPECT_EQ(window->normalGeometry(), QRect(37, 53, 700, 500));
}

} // namespace
