// The level-information dialog, driven through its widgets under the offscreen platform.
#include "support/catalogue.h"
#include "editor/fxsbinfos.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace w4 {
namespace {

// One application for the whole test program, gone before the process's exit handlers run so
// that Qt's own statics are torn down in their order.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tests_editor";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            App = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete App;
        App = nullptr;
    }

private:
    QApplication* App = nullptr;
};

[[maybe_unused]] ::testing::Environment* const TheQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class XSBInfosTest : public ::testing::Test {
protected:
    static LevelHeaderFields Sample()
    {
        LevelHeaderFields h;
        h[Title] = "Corner";
        h[Collection] = "Warehouse";
        h[Date] = "2024-05-01";
        h[Author] = "Anne";
        h[AuthorMail] = "anne@example.org";
        h[AuthorPage] = "https://example.org/anne";
        return h;
    }

    // The widget Tab moves to: the focus chain without the widgets that take no Tab focus.
    static QWidget* NextTabStop(QWidget* from)
    {
        QWidget* w = from->nextInFocusChain();
        while (w != from && !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        return w;
    }

    static void Retype(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(XSBInfosTest, LayoutNamesAndCaptions)
{
    TFRMXSBInfos dialog(Sample());
    EXPECT_EQ(dialog.windowTitle(), "XSB");
    // 343 x 224 with the edits at x = 88 for Arial; a wider stand-in font moves the edits right
    // and widens the form rather than cutting a label.
    EXPECT_GE(dialog.width(), 343);
    EXPECT_GE(dialog.height(), 224);
    const int editLeft = dialog.EDTTitle->x();
    const int rowStep = dialog.EDTCollection->y() - dialog.EDTTitle->y();
    EXPECT_GE(editLeft, 88);
    EXPECT_GE(rowStep, 24);
    const struct {
        QLineEdit* Edit;
        const char* Name;
        int Width;
        const char* Label;
    } rows[] = {
        {dialog.EDTTitle, "EDTTitle", 121, "Title :"},
        {dialog.EDTCollection, "EDTCollection", 121, "Collection :"},
        {dialog.EDTDate, "EDTDate", 121, "Date :"},
        {dialog.EDTAuthor, "EDTAuthor", 121, "Author :"},
        {dialog.EDTAuthorMail, "EDTAuthorMail", 241, "AuthorMail :"},
        {dialog.EDTAuthorPage, "EDTAuthorPage", 241, "AuthorPage :"},
    };
    const auto labels = dialog.findChildren<QLabel*>();
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(rows[i].Edit, nullptr);
        EXPECT_EQ(rows[i].Edit->objectName(), rows[i].Name);
        EXPECT_EQ(rows[i].Edit->geometry().topLeft(), QPoint(editLeft, 8 + rowStep * i)) << rows[i].Name;
        EXPECT_EQ(rows[i].Edit->width(), rows[i].Width) << rows[i].Name;
        EXPECT_TRUE(dialog.rect().contains(rows[i].Edit->geometry())) << rows[i].Name;
        EXPECT_EQ(dialog.Edit(static_cast<HeaderField>(i)), rows[i].Edit);
        const QLabel* labelled = nullptr;
        for (const QLabel* label : labels)
            if (label->text() == rows[i].Label && label->buddy() == rows[i].Edit && label->font().bold())
                labelled = label;
        ASSERT_NE(labelled, nullptr) << rows[i].Label;
        // The whole bold text shows, left of its edit box.
        EXPECT_GE(labelled->width(), labelled->sizeHint().width()) << rows[i].Label;
        EXPECT_LT(labelled->geometry().right(), editLeft) << rows[i].Label;
        // Tab order runs down the edits, then OK, then Cancel.
        QWidget* next = i < 5 ? static_cast<QWidget*>(rows[i + 1].Edit) : dialog.BTNOK;
        EXPECT_EQ(NextTabStop(rows[i].Edit), next) << rows[i].Name;
    }
    EXPECT_EQ(NextTabStop(dialog.BTNOK), dialog.BTNCancel);
    EXPECT_EQ(dialog.BTNOK->size(), QSize(97, 25));
    EXPECT_EQ(dialog.BTNCancel->size(), QSize(97, 25));
    EXPECT_GT(dialog.BTNOK->y(), dialog.EDTAuthorPage->geometry().bottom());
    EXPECT_TRUE(dialog.rect().contains(dialog.BTNCancel->geometry()));
    EXPECT_TRUE(dialog.BTNOK->isDefault());
    EXPECT_EQ(dialog.BTNCancel->text(), "Cancel");

    const w4::testing::CatalogueInForce catalogue("fr");
    TFRMXSBInfos french(Sample());
    EXPECT_EQ(french.BTNCancel->text(), "Annuler");
    EXPECT_EQ(french.EDTTitle->parentWidget()->findChildren<QLabel*>().front()->text(), "Title :");
}

TEST_F(XSBInfosTest, FieldsAreShownTrimmed)
{
    LevelHeaderFields h = Sample();
    h[Title] = " \t Corner  \x01";
    TFRMXSBInfos dialog(h);
    EXPECT_EQ(dialog.EDTTitle->text(), "Corner");
    EXPECT_EQ(dialog.EDTAuthorPage->text(), "https://example.org/anne");
}

TEST_F(XSBInfosTest, OkStoresTrimmedFieldsAndEmptiesClearedOnes)
{
    TFRMXSBInfos dialog(Sample());
    Retype(dialog.EDTTitle, "   Far Corner  ");
    Retype(dialog.EDTAuthor, "");
    QTest::mouseClick(dialog.BTNOK, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    LevelHeaderFields expected = Sample();
    expected[Title] = "Far Corner";
    expected[Author] = "";
    EXPECT_EQ(dialog.Header(), expected);
}

TEST_F(XSBInfosTest, CancelAndEscapeChangeNothing)
{
    for (const bool escape : {false, true}) {
        TFRMXSBInfos dialog(Sample());
        Retype(dialog.EDTTitle, "Something else");
        Retype(dialog.EDTDate, "");
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.BTNCancel, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.Header(), Sample());
    }
}

TEST_F(XSBInfosTest, Windows1252BytesSurviveTheDialog)
{
    LevelHeaderFields h = Sample();
    h[Title] = "\xC9t\xE9 \x80";                  // "Été €" in Windows-1252
    h[Author] = "Fran\xE7ois \x93Le Bl\xE9\x94";  // curly quotes too
    h[Collection] = "\xC3\xA9t\xC3\xA9";          // UTF-8 stays UTF-8
    h[Date] = "odd \x81\x8D bytes";               // bytes Windows-1252 leaves undefined
    TFRMXSBInfos dialog(h);
    EXPECT_EQ(dialog.EDTTitle->text(), QString::fromUtf8("\xC3\x89t\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_EQ(dialog.EDTCollection->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    QTest::mouseClick(dialog.BTNOK, Qt::LeftButton);
    EXPECT_EQ(dialog.Header(), h);
}

TEST_F(XSBInfosTest, AnEditedWindows1252FieldIsWrittenBackAsWindows1252)
{
    LevelHeaderFields h = Sample();
    h[Title] = "\xC9t\xE9";
    TFRMXSBInfos dialog(h);
    dialog.EDTTitle->end(false);
    dialog.EDTTitle->insert(QString::fromUtf8(" \xC3\xA0 Paris"));  // " à Paris", as typed
    QTest::mouseClick(dialog.BTNOK, Qt::LeftButton);
    EXPECT_EQ(dialog.Header()[Title], "\xC9t\xE9 \xE0 Paris");
}

TEST_F(XSBInfosTest, LongValuesAreNotCut)
{
    LevelHeaderFields h = Sample();
    h[Title] = std::string(40000, 'x');
    TFRMXSBInfos dialog(h);
    QTest::mouseClick(dialog.BTNOK, Qt::LeftButton);
    EXPECT_EQ(dialog.Header()[Title].size(), 40000u);
}

TEST_F(XSBInfosTest, ExecuteAnswersOkWithTheHeaderAndCancelWithNothing)
{
    // The modal loop is answered from inside it, as a user would.
    auto answerWith = [](bool ok) {
        QTimer::singleShot(10, [ok] {
            auto* dialog = qobject_cast<TFRMXSBInfos*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->EDTAuthor->setText(QStringLiteral("  Bob "));
            QTest::mouseClick(ok ? dialog->BTNOK : dialog->BTNCancel, Qt::LeftButton);
        });
    };
    answerWith(true);
    const auto accepted = TFRMXSBInfos::Execute(nullptr, Sample());
    ASSERT_TRUE(accepted.has_value());
    EXPECT_EQ((*accepted)[Author], "Bob");

    answerWith(false);
    EXPECT_FALSE(TFRMXSBInfos::Execute(nullptr, Sample()).has_value());
}

} // namespace
} // namespace w4
