// Level files reaching the real window from outside (drops, a later start, the command line), the
// file association and the help links, driven through the window's own menus and events.
#include "window_fixture.h"

#include "app/desktop/association.h"
#include "app/window/boardview.h"
#include "app/desktop/links.h"
#include "app/desktop/singleinstance.h"
#include "render/boardpicture.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QtEndian>

using namespace w4test;

namespace shelltest {

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

} // namespace shelltest

namespace {

// Levels of distinct sizes, so the status bar tells which one is shown.
constexpr char WideLevel[] = "#######\n#@ $ .#\n#######\n";                 // 7x3
constexpr char TallLevel[] = "###\n#@#\n#$#\n#.#\n# #\n###\n";               // 3x6
constexpr char SquareLevel[] = "#####\n#@  #\n# $ #\n#  .#\n#####\n";        // 5x5

class ShellWindowTest : public WindowTest {
protected:
    // A level file of our own in the program folder; returns its path.
    std::string MakeLevel(const std::string& name, const char* board)
    {
        const std::string path = (folder / name).string();
        WriteAll(path, board);
        return path;
    }

    static QString Q(const std::string& path) { return QString::fromStdString(path); }

    // Drags the files over the board and lets go, as the desktop's file manager would. Returns
    // whether the drag was taken; the drop is only made when it was.
    bool DropOnBoard(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint where = window->IMGSokoban->rect().center();
        QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->IMGSokoban, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->IMGSokoban, &drop);
        EXPECT_TRUE(drop.isAccepted());
        return true;
    }

    static QList<QUrl> FileUrls(const std::vector<std::string>& paths)
    {
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls << QUrl::fromLocalFile(Q(path));
        return urls;
    }
};

// The board picture holds the whole level inside its one-pixel frame: the level was drawn.
void ExpectDrawn(TFRMMain& window)
{
    const w4::GameState& g = window.State();
    const QImage& picture = window.Picture().Image();
    EXPECT_EQ(picture.width(), g.LevelWidth * g.TileWidth + 2);
    EXPECT_EQ(picture.height(), g.LevelHeight * g.TileHeight + 2);
}

} // namespace

TEST_F(ShellWindowTest, DropAppendsTheLevelFilesAndShowsTheFirstOfThem)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string tall = MakeLevel("tall.XsB", TallLevel);
    const std::string notes = MakeLevel("notes.txt", "not a level");
    CopyLevels({"0101"});
    WritePlaylist({LevelPath("0101")});
    Start();
    Key(Qt::Key_Right);   // an attempt under way is given up for the dropped level
    ASSERT_EQ(Status(2), "Move=1/1");

    ASSERT_TRUE(DropOnBoard(FileUrls({wide, notes, tall})));

    EXPECT_EQ(G().Playlist, (std::vector<std::string>{LevelPath("0101"), wide, tall}));
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(Status(0), "Level=2/3");
    EXPECT_EQ(Status(1), "Size=7x3");
    EXPECT_EQ(Status(2), "Move=0/0");
    ExpectDrawn(*window);
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(ShellWindowTest, DropOfOnlyOtherFilesShowsTheLastEntry)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string square = MakeLevel("square.xsb", SquareLevel);
    const std::string notes = MakeLevel("notes.txt", "not a level");
    const std::string xsbc = MakeLevel("level.xsbc", WideLevel);
    WritePlaylist({wide, square});
    Start();
    ASSERT_EQ(G().LevelIndex, 0);

    ASSERT_TRUE(DropOnBoard(FileUrls({notes, xsbc})));

    EXPECT_EQ(G().Playlist, (std::vector<std::string>{wide, square}));
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(Status(0), "Level=2/2");
    EXPECT_EQ(Status(1), "Size=5x5");
}

TEST_F(ShellWindowTest, OnlyDragsCarryingLocalFilesAreTaken)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    WritePlaylist({wide});
    Start();

    struct Case {
        const char* what;
        QList<QUrl> urls;
        bool taken;
    };
    const Case cases[] = {
        {"no urls at all", {}, false},
        {"a web address", {QUrl(QStringLiteral("https://example.org/level.xsb"))}, false},
        {"a local file among web addresses",
         {QUrl(QStringLiteral("https://example.org/a.xsb")), QUrl::fromLocalFile(Q(wide))},
         true},
    };
    for (const Case& c : cases) {
        QMimeData data;
        if (c.urls.isEmpty())
            data.setText(QStringLiteral("#####"));
        else
            data.setUrls(c.urls);
        QDragEnterEvent enter(window->IMGSokoban->rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window->IMGSokoban, &enter);
        EXPECT_EQ(enter.isAccepted(), c.taken) << c.what;
        if (enter.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(window->IMGSokoban, &leave);
        }
    }
    // Only the local file of the mixed drop would have been added; nothing was dropped yet.
    EXPECT_EQ(G().Playlist.size(), 1u);
}

TEST_F(ShellWindowTest, CommandLineOnAnEmptyPlaylistShowsTheFirstLevelFileInsteadOfTheDefaults)
{
    CopyLevels({"0101", "0102"});
    const std::string tall = MakeLevel("tall.xsb", TallLevel);
    MakeLevel("wide.XSB", WideLevel);
    // Named relative to the folder the program was started from, as typed in a terminal.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Q(folder.string())));
    Start({QStringLiteral("readme.txt"), QStringLiteral("tall.xsb"), QStringLiteral("./wide.XSB")});
    QDir::setCurrent(before);

    EXPECT_EQ(G().Playlist, (std::vector<std::string>{tall, (folder / "wide.XSB").string()}));
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(Status(1), "Size=3x6");
    ExpectDrawn(*window);
}

TEST_F(ShellWindowTest, CommandLineFileJoinsTheEndAndTheRestoredLevelStays)
{
    CopyLevels({"0101", "0102"});
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    WritePlaylist({LevelPath("0101"), LevelPath("0102")});
    WriteSettings("[LEVEL]\r\nIndex=1\r\n");
    Start({Q(wide)});

    EXPECT_EQ(G().Playlist, (std::vector<std::string>{LevelPath("0101"), LevelPath("0102"), wide}));
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(Status(0), "Level=2/3");
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Status(1), "Size=7x3");
}

TEST_F(ShellWindowTest, HandedOverArgumentsAreLoadedAndDrawnBeforeTheLaterStartHearsBack)
{
    QTemporaryDir socketDir(QStringLiteral("/tmp/w4sw-XXXXXX"));
    ASSERT_TRUE(socketDir.isValid());
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string square = MakeLevel("square.xsb", SquareLevel);
    WritePlaylist({wide});
    Start();
    window->BTNEditorClick();   // a hand-over arrives in any mode

    // Wired as the program's start wires the running window.
    w4::SingleInstance running(socketDir.filePath(QStringLiteral("s")));
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, window.get(),
                     &TFRMMain::ReceiveHandedOverArgument);

    QLocalSocket later;
    later.connectToServer(running.ServerPath());
    ASSERT_TRUE(later.waitForConnected(5000));
    const auto handOver = [&](const std::string& path) {
        const QByteArray payload = QByteArray::fromStdString(path);
        char length[4];
        qToBigEndian(static_cast<quint32>(payload.size()), length);
        later.write(QByteArray("F") + QByteArray(length, 4) + payload);
        later.flush();
        EXPECT_TRUE(QTest::qWaitFor([&] { return later.bytesAvailable() > 0; }, 10000)) << path;
        char answer = 0;
        later.getChar(&answer);
        return answer;
    };

    ASSERT_EQ(handOver(square), 'A');
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{wide, square}));
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_EQ(Status(1), "Size=5x5");
    ExpectDrawn(*window);

    // What a later start names is taken whatever its type; it simply holds no board.
    const std::string notes = (folder / "notes.txt").string();
    ASSERT_EQ(handOver(notes), 'A');
    EXPECT_EQ(G().Playlist.back(), notes);
    EXPECT_EQ(G().LevelIndex, 2);
    EXPECT_EQ(Status(0), "Level=3/3");
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

// A file name in Windows-1252 (byte 0xE9, not UTF-8) reaches the playlist byte for byte from the
// command line, a drop and a later start, and the level in that very file is shown.
TEST_F(ShellWindowTest, FileNamesThatAreNotUtf8KeepTheirBytes)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string square = MakeLevel("caf\xe9.xsb", SquareLevel);
    const std::string tall = MakeLevel("\xe9t\xe9.xsb", TallLevel);
    ASSERT_TRUE(std::filesystem::exists(square));
    WritePlaylist({wide});
    StartWithBytes({QByteArray::fromStdString(square)});
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{wide, square}));
    window->BTNLevelLastClick();
    EXPECT_EQ(Status(1), "Size=5x5");

    // A file manager sends the name's bytes percent-encoded.
    const QByteArray encoded = "file://" + QByteArray::fromStdString(tall).toPercentEncoding("/");
    ASSERT_TRUE(DropOnBoard({QUrl::fromEncoded(encoded)}));
    EXPECT_EQ(G().Playlist.back(), tall);
    EXPECT_EQ(Status(1), "Size=3x6");

    QTemporaryDir socketDir(QStringLiteral("/tmp/w4sw-XXXXXX"));
    ASSERT_TRUE(socketDir.isValid());
    w4::SingleInstance running(socketDir.filePath(QStringLiteral("s")));
    ASSERT_TRUE(running.Start({}));
    QObject::connect(&running, &w4::SingleInstance::fileHandedOver, window.get(),
                     &TFRMMain::ReceiveHandedOverArgument);
    QLocalSocket later;
    later.connectToServer(running.ServerPath());
    ASSERT_TRUE(later.waitForConnected(5000));
    const QByteArray payload = QByteArray::fromStdString(square);
    char length[4];
    qToBigEndian(static_cast<quint32>(payload.size()), length);
    later.write(QByteArray("F") + QByteArray(length, 4) + payload);
    later.flush();
    ASSERT_TRUE(QTest::qWaitFor([&] { return later.bytesAvailable() > 0; }, 10000));
    char answer = 0;
    later.getChar(&answer);
    EXPECT_EQ(answer, 'A');
    ASSERT_EQ(G().Playlist.size(), 4u);
    EXPECT_EQ(G().Playlist.back(), square);
    EXPECT_EQ(G().LevelIndex, 3);
    EXPECT_EQ(Status(1), "Size=5x5");
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(ShellWindowTest, ArgumentArrivingWhileADialogIsOpenWaitsUntilItCloses)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string square = MakeLevel("square.xsb", SquareLevel);
    const std::string tall = MakeLevel("tall.xsb", TallLevel);
    WritePlaylist({wide});
    Start();

    // A command asking about the level on show must still find it there when it is answered.
    QDialog question(window.get());
    question.setWindowModality(Qt::ApplicationModal);
    question.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &question; }, 5000));
    window->ReceiveHandedOverArgument(QByteArray::fromStdString(square));
    window->ReceiveHandedOverArgument(QByteArray::fromStdString(tall));
    QTest::qWait(250);
    // They join the playlist at once; only the loading waits.
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{wide, square, tall}));
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(Status(1), "Size=7x3");

    question.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return G().LevelIndex == 2; }, 5000));
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{wide, square, tall}));
    EXPECT_EQ(Status(1), "Size=3x6");
}

TEST_F(ShellWindowTest, ArgumentArrivingWhileTheQuitQuestionIsOpenIsSavedWithThePlaylist)
{
    const std::string wide = MakeLevel("wide.xsb", WideLevel);
    const std::string square = MakeLevel("square.xsb", SquareLevel);
    WritePlaylist({wide});
    Start();

    QDialog question(window.get());
    question.setWindowModality(Qt::ApplicationModal);
    question.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &question; }, 5000));
    window->ReceiveHandedOverArgument(QByteArray::fromStdString(square));
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    EXPECT_EQ(ReadAll(folder / "boxyard4.lev"), wide + "\r\n" + square + "\r\n");
    question.close();
}

class AssociationWindowTest : public ShellWindowTest {
protected:
    void SetUp() override
    {
        ShellWindowTest::SetUp();
        oldData = qgetenv("XDG_DATA_HOME");
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        data = dir.filePath(QStringLiteral("xdg-data"));
        config = dir.filePath(QStringLiteral("xdg-config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        CopyLevels({"0101"});
    }

    void TearDown() override
    {
        ShellWindowTest::TearDown();
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    QByteArray oldData, oldConfig;
    QString data, config;
};

TEST_F(AssociationWindowTest, NoWritesNothingAndYesWritesTheFilesAndTells)
{
    Start();
    window->MenuItem(QStringLiteral("MNUToolsAssociateExtension"))->trigger();
    ASSERT_EQ(dialogs.Questions, QStringList{QStringLiteral("Do you really want to associate XSB extension with the Warehaus4 ?")});
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_FALSE(QFileInfo::exists(config));
    EXPECT_TRUE(dialogs.Notices.isEmpty());

    window->BTNFrancais->click();
    dialogs.Answers = {true};
    window->MenuItem(QStringLiteral("POPToolsAssociateExtension"))->trigger();
    EXPECT_EQ(dialogs.Questions.last(), QString::fromUtf8("Voulez-vous réellement associer l'extension XSB avec la Warehaus4 ?"));
    EXPECT_EQ(dialogs.Notices, QStringList{QString::fromUtf8("Les fichiers XSB seront désormais ouverts avec la Warehaus4 !")});
    EXPECT_TRUE(dialogs.Errors.isEmpty());

    const w4::AssociationFiles files = w4::AssociationTargets();
    ASSERT_TRUE(files.DesktopEntry.startsWith(data));
    QFile entry(files.DesktopEntry);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    // The running program is the one a double click on a level file starts.
    EXPECT_TRUE(entry.readAll().contains(QFile::encodeName(QCoreApplication::applicationFilePath())));
    EXPECT_TRUE(QFileInfo::exists(files.MimePackage));
    QFile list(files.MimeAppsList);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains(QByteArray(w4::kLevelMimeType) + '=' + w4::kDesktopFileName));
}

TEST_F(AssociationWindowTest, UnwritableFolderIsReportedAndTheNoticeIsNotShown)
{
    // A file where the data folder should be: nothing can be created beneath it.
    WriteAll(data.toStdString(), "in the way");
    Start();
    dialogs.Answers = {true};
    window->MenuItem(QStringLiteral("MNUToolsAssociateExtension"))->trigger();
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains(data)) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Notices.isEmpty());
    // The game goes on.
    Key(Qt::Key_Right);
    EXPECT_EQ(Status(2), "Move=1/1");
}

TEST_F(ShellWindowTest, HelpMenuOpensTheMailAndWebAddressesTheAboutBoxShows)
{
    CopyLevels({"0101"});
    Start();
    shelltest::UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    window->MenuItem(QStringLiteral("MNUHelpSendMail"))->trigger();
    window->MenuItem(QStringLiteral("POPHelpWebSite"))->trigger();
    window->MenuItem(QStringLiteral("POPHelpSendMail"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    const QUrl mail(QStringLiteral("mailto:") + QLatin1String(w4::kMailAddress));
    const QUrl web(QLatin1String(w4::kWebSite));
    EXPECT_EQ(catcher.opened, (QList<QUrl>{mail, web, mail}));

    window->MenuItem(QStringLiteral("MNUHelpAbout"))->trigger();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    const QStringList lines = dialogs.Notices[0].split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[4], QStringLiteral("E-Mail : ") + QLatin1String(w4::kMailAddress));
    EXPECT_EQ(lines[5], QStringLiteral("WebSite : ") + QLatin1String(w4::kWebSite));
}

#include "shell_window_test.moc"
