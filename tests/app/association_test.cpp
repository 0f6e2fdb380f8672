// Tools > Associate Extension on a freedesktop desktop, the help links and the program's icon.
#include "app/desktop/appicon.h"
#include "app/desktop/association.h"
#include "app/desktop/links.h"
#include "app/window/language.h"

#include "core/fileio.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <string>
#include <vector>

namespace {

void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests_app";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);   // kept for the whole test program
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Recorder : public w4::Frontend {
public:
    explicit Recorder(bool yes) : yes(yes) {}
    void DrawCell(int, int) override {}
    void PaintBoard() override {}
    void RefreshStatus() override {}
    void PlaySample(w4::Sample) override {}
    void SetHistoryBarRange(int, int) override {}
    void SetHistoryBarPosition(int) override {}
    void EnableHistoryBar(bool) override {}
    void StopReplayTimer() override {}
    bool AskQuestion(const std::string& text) override
    {
        questions.push_back(text);
        return yes;
    }
    void ShowNotice(const std::string& text) override { notices.push_back(text); }

    bool yes;
    std::vector<std::string> questions;
    std::vector<std::string> notices;
};

// Every association test writes into its own XDG folders.
class Association : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(dir.isValid());
        oldData = qgetenv("XDG_DATA_HOME");
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        data = dir.filePath(QStringLiteral("data"));
        config = dir.filePath(QStringLiteral("config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    }

    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", oldData);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    // Every file under the two folders with its content, caches included.
    QMap<QString, QByteArray> Snapshot() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& root : {data, config}) {
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                files.insert(path, ReadAll(path));
            }
        }
        return files;
    }

    QTemporaryDir dir;
    QByteArray oldData, oldConfig;
    QString data, config;
};

TEST_F(Association, WritesTypeEntryIconAndDefault)
{
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    const w4::AssociationFiles files = w4::AssociationTargets();
    EXPECT_EQ(files.DesktopEntry, data + QStringLiteral("/applications/warehaus4.desktop"));
    EXPECT_EQ(files.MimeAppsList, config + QStringLiteral("/mimeapps.list"));

    const QByteArray mime = ReadAll(files.MimePackage);
    EXPECT_TRUE(mime.contains("<mime-type type=\"text/x-sokoban-xsb\">"));
    EXPECT_TRUE(mime.contains("<comment>Sokoban XSB Level</comment>"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.xsb\"/>"));

    const QByteArray entry = ReadAll(files.DesktopEntry);
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    for (const char* line : {"\nName=Warehaus4\n", "\nExec=\"/opt/warehaus4/warehaus4\" %f\n", "\nIcon=warehaus4\n",
                             "\nMimeType=text/x-sokoban-xsb;\n", "\nType=Application\n"})
        EXPECT_TRUE(entry.contains(line)) << line;

    EXPECT_EQ(ReadAll(files.MimeAppsList), "[Default Applications]\n"
                                           "text/x-sokoban-xsb=warehaus4.desktop\n"
                                           "\n"
                                           "[Added Associations]\n"
                                           "text/x-sokoban-xsb=warehaus4.desktop;\n");

    ASSERT_FALSE(files.Icons.isEmpty());
    for (qsizetype i = 0; i < files.Icons.size(); ++i) {
        const int size = files.IconSizes[i];
        EXPECT_EQ(files.Icons[i], QStringLiteral("%1/icons/hicolor/%2x%2/apps/warehaus4.png").arg(data).arg(size));
        const QImage icon(files.Icons[i], "PNG");
        EXPECT_EQ(icon.size(), QSize(size, size)) << files.Icons[i].toStdString();
    }
}

TEST_F(Association, DesktopToolsAcceptTheFiles)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "shared-mime-info is not installed";
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    // The database built from our package maps the pattern to our type.
    EXPECT_TRUE(ReadAll(data + QStringLiteral("/mime/globs2")).contains("text/x-sokoban-xsb:*.xsb"));

    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validate.isEmpty()) {
        QProcess check;
        check.start(validate, {w4::AssociationTargets().DesktopEntry});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().constData();
    }
}

TEST_F(Association, RunningTwiceGivesTheSameFilesAsOnce)
{
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    const QMap<QString, QByteArray> once = Snapshot();
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    EXPECT_EQ(Snapshot(), once);
}

TEST_F(Association, MovedExecutableIsFollowed)
{
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    const QByteArray defaults = ReadAll(w4::AssociationTargets().MimeAppsList);
    w4::AssociateExtension(QStringLiteral("/home/me/My Games/warehaus4"));
    const QByteArray entry = ReadAll(w4::AssociationTargets().DesktopEntry);
    EXPECT_TRUE(entry.contains("\nExec=\"/home/me/My Games/warehaus4\" %f\n"));
    EXPECT_FALSE(entry.contains("/opt/warehaus4"));
    EXPECT_EQ(ReadAll(w4::AssociationTargets().MimeAppsList), defaults);
}

TEST_F(Association, OtherSettingsInMimeappsListAreKept)
{
    const QString list = config + QStringLiteral("/mimeapps.list");
    WriteAll(list, "# mine\n"
                   "[Default Applications]\n"
                   "text/html=firefox.desktop\n"
                   "text/x-sokoban-xsb=other.desktop\n"
                   "\n"
                   "[Removed Associations]\n"
                   "text/x-sokoban-xsb=warehaus4.desktop;editor.desktop;\n"
                   "image/png=gimp.desktop;\n");
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    EXPECT_EQ(ReadAll(list), "# mine\n"
                             "[Default Applications]\n"
                             "text/html=firefox.desktop\n"
                             "text/x-sokoban-xsb=warehaus4.desktop\n"
                             "\n"
                             "[Removed Associations]\n"
                             "text/x-sokoban-xsb=editor.desktop;\n"
                             "image/png=gimp.desktop;\n"
                             "\n"
                             "[Added Associations]\n"
                             "text/x-sokoban-xsb=warehaus4.desktop;\n");
}

TEST_F(Association, LinkedMimeappsListStaysALink)
{
    const QString real = dir.filePath(QStringLiteral("dotfiles/mimeapps.list"));
    WriteAll(real, "[Default Applications]\ntext/html=firefox.desktop\n");
    ASSERT_TRUE(QDir().mkpath(config));
    ASSERT_TRUE(QFile::link(real, config + QStringLiteral("/mimeapps.list")));
    w4::AssociateExtension(QStringLiteral("/opt/warehaus4/warehaus4"));
    EXPECT_TRUE(QFileInfo(config + QStringLiteral("/mimeapps.list")).isSymLink());
    EXPECT_TRUE(ReadAll(real).contains("text/x-sokoban-xsb=warehaus4.desktop\n"));
    EXPECT_TRUE(ReadAll(real).contains("text/html=firefox.desktop\n"));
}

TEST_F(Association, UnwritableTargetNamesTheFileAndSkipsTheNotice)
{
    struct Case {
        const char* blocker;   // made a regular file where a folder is needed
        const char* named;     // the file the error must name
    };
    const Case cases[] = {
        {"data/mime", "data/mime/packages/warehaus4.xml"},
        {"data/icons", "data/icons/hicolor/32x32/apps/warehaus4.png"},
        {"data/applications", "data/applications/warehaus4.desktop"},
        {"config", "config/mimeapps.list"},
    };
    for (const Case& c : cases) {
        QDir(data).removeRecursively();
        QDir(config).removeRecursively();
        QFile::remove(config);
        const QString blocker = dir.filePath(QLatin1String(c.blocker));
        WriteAll(blocker, "not a folder");

        w4::GameState g;
        Recorder yes(true);
        try {
            w4::AssociateExtensionCommand(g, yes, QStringLiteral("/opt/warehaus4/warehaus4"));
            ADD_FAILURE() << "no error with " << c.blocker;
        } catch (const w4::FileError& error) {
            EXPECT_NE(std::string(error.what()).find(dir.filePath(QLatin1String(c.named)).toStdString()), std::string::npos)
                << error.what();
        }
        EXPECT_TRUE(yes.notices.empty()) << c.blocker;
        EXPECT_EQ(ReadAll(blocker), "not a folder");
        QFile::remove(blocker);
    }
}

TEST_F(Association, NoWritesNothingYesWritesAndTells)
{
    w4::UseLanguage(w4::LanguageEnglish);   // whatever a test before left in force
    w4::GameState g;
    Recorder no(false);
    w4::AssociateExtensionCommand(g, no, QStringLiteral("/opt/warehaus4/warehaus4"));
    EXPECT_EQ(no.questions, std::vector<std::string>{"Do you really want to associate XSB extension with the Warehaus4 ?"});
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_FALSE(QFileInfo::exists(config));
    EXPECT_TRUE(no.notices.empty());

    w4::UseLanguage(w4::LanguageFrench);
    Recorder yes(true);
    w4::AssociateExtensionCommand(g, yes, QStringLiteral("/opt/warehaus4/warehaus4"));
    w4::UseLanguage(w4::LanguageEnglish);
    EXPECT_EQ(yes.questions, std::vector<std::string>{"Voulez-vous réellement associer l'extension XSB avec la Warehaus4 ?"});
    EXPECT_EQ(yes.notices, std::vector<std::string>{"Les fichiers XSB seront désormais ouverts avec la Warehaus4 !"});
    EXPECT_TRUE(QFileInfo::exists(w4::AssociationTargets().DesktopEntry));
}

TEST_F(Association, AnInstalledCopyLeavesItToItsPackage)
{
    w4::GameState g;
    g.Places.Installed = true;
    w4::UseLanguage(w4::LanguageFrench);
    Recorder yes(true);
    w4::AssociateExtensionCommand(g, yes, QStringLiteral("/usr/bin/warehaus4"));
    w4::UseLanguage(w4::LanguageEnglish);
    EXPECT_TRUE(yes.questions.empty());
    EXPECT_EQ(yes.notices, std::vector<std::string>{"La Warehaus4 est installée : son paquet ouvre déjà les fichiers XSB avec elle."});
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_FALSE(QFileInfo::exists(config));
}

TEST(AssociationFolders, DefaultsUnderHomeWhenTheVariablesAreUnsetOrRelative)
{
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    const w4::AssociationFiles files = w4::AssociationTargets();
    qputenv("XDG_DATA_HOME", oldData);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(files.DesktopEntry, QDir::homePath() + QStringLiteral("/.local/share/applications/warehaus4.desktop"));
    EXPECT_EQ(files.MimeAppsList, QDir::homePath() + QStringLiteral("/.config/mimeapps.list"));
}

TEST(DesktopExecLine, ExecutableQuotedByTheDesktopEntryRules)
{
    struct Case {
        const char* executable;
        const char* exec;
    };
    // Quoting escapes " ` $ \ with a backslash; the value escapes then double every backslash.
    const Case cases[] = {
        {"/usr/games/warehaus4", R"("/usr/games/warehaus4" %f)"},
        {"/home/me/My Games/warehaus4", R"("/home/me/My Games/warehaus4" %f)"},
        {R"(/opt/say "hi"/w4)", R"("/opt/say \\"hi\\"/w4" %f)"},
        {"/opt/$HOME/w4", R"("/opt/\\$HOME/w4" %f)"},
        {"/opt/`x`/w4", R"("/opt/\\`x\\`/w4" %f)"},
        {R"(/opt/back\slash/w4)", R"("/opt/back\\\\slash/w4" %f)"},
        {"/opt/100%/w4", R"("/opt/100%%/w4" %f)"},
        {"/opt/new\nline/w4", R"("/opt/new\nline/w4" %f)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(w4::DesktopExecLine(QString::fromUtf8(c.executable)), QString::fromUtf8(c.exec)) << c.executable;
}

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

TEST(HelpLinks, MailAndWebSiteOpenTheirAddresses)
{
    EnsureApplication();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    w4::SendMail();
    w4::OpenWebSite();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:warehaus4@example.org")),
                                           QUrl(QStringLiteral("https://warehaus4.example.org"))}));
}

TEST(AppIcon, RedCrateAndGreenKeeperOnClearGround)
{
    EnsureApplication();
    for (const int size : {16, 48, 256}) {
        const QImage icon = w4::DrawAppIcon(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        int red = 0, green = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor c = icon.pixelColor(x, y);
                if (c.alpha() == 255 && c.red() > 150 && c.green() < 100 && c.blue() < 100)
                    ++red;
                if (c.alpha() == 255 && c.green() > 120 && c.red() < 120 && c.blue() < 120)
                    ++green;
            }
        EXPECT_GT(red, size * size / 10) << size;
        EXPECT_GT(green, size * size / 50) << size;
        EXPECT_EQ(icon.pixelColor(0, size - 1).alpha(), 0) << size;   // the corner shows the desktop
    }
    EXPECT_EQ(w4::DrawAppIcon(0).size(), QSize(1, 1));
    EXPECT_EQ(w4::DrawAppIcon(1 << 20).size(), QSize(1024, 1024));
    EXPECT_EQ(QImage::fromData(w4::AppIconPng(48), "PNG").size(), QSize(48, 48));
    EXPECT_FALSE(w4::AppIcon().availableSizes().isEmpty());
}

} // namespace

#include "association_test.moc"
