// Every language at the smallest window: no caption wider than its widget, in the main window
// (its buttons, labels, status panels and menu bar, in each mode) and in the Levels, Snapshots
// and level-information windows.
#include "app/levels/flevels.h"
#include "app/snapshots/fsnapshots.h"
#include "app/snapshots/snapshots.h"
#include "app/window/language.h"
#include "editor/fxsbinfos.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

using namespace w4test;

namespace {

// The widgets under `root` whose text is wider than they are, each with the text it cuts.
QStringList CutTexts(QWidget* root)
{
    QStringList cut;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(root) || button->text().isEmpty())
            continue;
        // A push button's size hint has a floor for short captions ("<<"): its text and margins count.
        const auto* push = qobject_cast<QPushButton*>(button);
        const int needs = push ? button->fontMetrics().horizontalAdvance(button->text()) + 8 +
                                     (button->icon().isNull() ? 0 : button->iconSize().width() + 4)
                               : button->sizeHint().width();
        if (needs > button->width())
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4").arg(button->objectName(), button->text()).arg(needs).arg(button->width());
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || label->wordWrap())
            continue;
        // An elided text shows whole on hover: that is how a narrow panel may show it.
        if (!label->toolTip().isEmpty() && label->text().endsWith(QChar(0x2026)))
            continue;
        const int needs = label->fontMetrics().horizontalAdvance(label->text());
        if (needs > label->contentsRect().width())
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4").arg(label->objectName(), label->text()).arg(needs).arg(label->contentsRect().width());
    }
    for (QTableView* table : root->findChildren<QTableView*>()) {
        const QHeaderView* header = table->horizontalHeader();
        for (int section = 0; section < header->count(); ++section) {
            const QString title = table->model()->headerData(section, Qt::Horizontal).toString();
            if (title.isEmpty() || header->isSectionHidden(section))
                continue;
            // The sort arrow and the section's margins take about 24 pixels beside the title.
            const int needs = header->fontMetrics().horizontalAdvance(title) + 24;
            if (needs > header->sectionSize(section))
                cut << QStringLiteral("%1 column \"%2\" needs %3, has %4").arg(table->objectName(), title).arg(needs).arg(header->sectionSize(section));
        }
    }
    return cut;
}

std::string Listed(const QStringList& cut) { return cut.join(QStringLiteral("; ")).toStdString(); }

class LanguageFitTest : public WindowTest, public ::testing::WithParamInterface<w4::Language> {
protected:
    void StartSmall()
    {
        CopyLevels({"0101", "0102"});
        WriteSettings(QStringLiteral("[MAINFORM]\r\nWidth=640\r\nHeight=480\r\n[LANGUAGE]\r\nNumber=%1\r\n")
                          .arg(GetParam().Number)
                          .toStdString());
        Start();
        window->resize(640, 480);
        QTest::qWait(20);
        ASSERT_EQ(G().LanguageNumber, GetParam().Number);
    }
};

} // namespace

TEST_P(LanguageFitTest, TheMainWindowAt640By480CutsNoCaption)
{
    StartSmall();
    ASSERT_LE(window->width(), 640);
    for (const char* mode : {"BTNPlay", "BTNEditor", "BTNSolution"}) {
        window->findChild<QPushButton*>(QString::fromLatin1(mode))->click();
        QTest::qWait(10);
        EXPECT_EQ(Listed(CutTexts(window.get())), "") << mode;
    }
    // Reverse play's counts are the longest the status bar shows.
    G().Reverse = true;
    window->RefreshStatus();
    EXPECT_EQ(Listed(CutTexts(window.get())), "") << "reverse play";
    G().Reverse = false;
    window->RefreshStatus();

    QMenuBar* bar = window->menuBar();
    for (QAction* menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place)) << menu->text().toStdString() << " is off the menu bar";
    }
}

TEST_P(LanguageFitTest, TheLevelsSnapshotsAndInformationWindowsCutNoCaption)
{
    StartSmall();
    Key(Qt::Key_L, Qt::ControlModifier);
    ASSERT_NE(window->Levels, nullptr);
    TFRMLevels& levels = *window->Levels;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !levels.Model().Reading(); }, 10000));
    EXPECT_EQ(Listed(CutTexts(&levels)), "");
    levels.close();

    Key(Qt::Key_F6);
    TFRMSnapshots* snapshots = window->SnapshotCommands().Window();
    ASSERT_NE(snapshots, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return snapshots->isVisible(); }, 5000));
    EXPECT_EQ(Listed(CutTexts(snapshots)), "");
    snapshots->close();

    w4::TFRMXSBInfos information(G().LevelHeader);
    information.show();
    EXPECT_EQ(Listed(CutTexts(&information)), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFitTest, ::testing::ValuesIn(w4::Languages()),
                         [](const ::testing::TestParamInfo<w4::Language>& info) { return std::string(info.param.Code); });
