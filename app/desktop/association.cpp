#include "app/desktop/association.h"

#include "app/desktop/appicon.h"
#include "core/fileio.h"
#include "core/text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace w4 {

namespace {

constexpr char IconName[] = "warehaus4";
constexpr int ToolTimeoutMs = 30000;
const QList<int> IconSizes{32, 48, 64, 128, 256};

const QString DefaultSection = QStringLiteral("Default Applications");
const QString AddedSection = QStringLiteral("Added Associations");
const QString RemovedSection = QStringLiteral("Removed Associations");

// An XDG base folder: the variable when it holds an absolute path, else the default under home.
QString BaseFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + fallback;
}

[[noreturn]] void ThrowWriteError(const QString& path, const QString& reason)
{
    throw FileError("Cannot write file \"" + path.toStdString() + "\": " + reason.toStdString());
}

// Atomic write; a symbolic link (a dotfile kept elsewhere) is followed, not replaced.
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        ThrowWriteError(path, QStringLiteral("cannot create the folder \"%1\"").arg(folder));
    WriteFileAtomically(QFile::encodeName(target).toStdString(), bytes.toStdString());
}

// Within double quotes of an Exec argument, these four need a backslash.
QString QuoteExecArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return quoted + u'"';
}

// The string escapes of a desktop-entry value, applied after the Exec quoting.
QString EscapeValue(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

struct Line {
    QString text;
    QString section;   // the section the line belongs to; empty before the first
};

bool IsSectionHeader(const QString& line)
{
    const QString t = line.trimmed();
    return t.size() >= 2 && t.startsWith(u'[') && t.endsWith(u']');
}

QString KeyOf(const QString& line)
{
    if (IsSectionHeader(line) || line.trimmed().startsWith(u'#'))
        return {};
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

QStringList SplitList(const QString& value)
{
    QStringList items = value.split(u';', Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

// Sets key=value in every section of that name, or adds it at the end of the first one (a
// section added at the end of the file when there is none). An empty value removes the key.
void SetKey(QList<Line>& lines, const QString& section, const QString& key, const QString& value)
{
    bool found = false;
    for (qsizetype i = 0; i < lines.size();) {
        if (lines[i].section == section && KeyOf(lines[i].text) == key) {
            if (value.isEmpty() || found) {
                lines.removeAt(i);
                continue;
            }
            lines[i].text = key + u'=' + value;
            found = true;
        }
        ++i;
    }
    if (found || value.isEmpty())
        return;

    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size() && header < 0; ++i)
        if (IsSectionHeader(lines[i].text) && lines[i].text.trimmed() == u'[' + section + u']')
            header = i;
    if (header < 0) {
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
            lines.append({QString(), lines.last().section});
        lines.append({u'[' + section + u']', section});
        lines.append({key + u'=' + value, section});
        return;
    }
    // After the section's last line that is not blank, so blank separators stay where they were.
    qsizetype at = header + 1;
    for (qsizetype i = header + 1; i < lines.size() && lines[i].section == section && !IsSectionHeader(lines[i].text); ++i)
        if (!lines[i].text.trimmed().isEmpty())
            at = i + 1;
    lines.insert(at, {key + u'=' + value, section});
}

QString ValueOf(const QList<Line>& lines, const QString& section, const QString& key)
{
    for (const Line& line : lines)
        if (line.section == section && KeyOf(line.text) == key)
            return line.text.mid(line.text.indexOf(u'=') + 1);
    return {};
}

void RunIfPresent(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    // A cache that fails to refresh is the desktop's matter; the files themselves are in place.
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (process.waitForStarted() && !process.waitForFinished(ToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

AssociationFiles AssociationTargets()
{
    AssociationFiles files;
    const QString data = BaseFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    const QString config = BaseFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    files.DataFolder = data;
    files.MimePackage = data + QStringLiteral("/mime/packages/warehaus4.xml");
    files.DesktopEntry = data + QStringLiteral("/applications/") + QLatin1String(kDesktopFileName);
    for (const int size : IconSizes) {
        files.Icons << QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(data).arg(size).arg(QLatin1String(IconName));
        files.IconSizes << size;
    }
    files.MimeAppsList = config + QStringLiteral("/mimeapps.list");
    return files;
}

QString DesktopExecLine(const QString& executable)
{
    // A percent sign in the path would be read as a field code.
    QString path = executable;
    path.replace(u'%', QStringLiteral("%%"));
    return EscapeValue(QuoteExecArgument(path)) + QStringLiteral(" %f");
}

QByteArray MimePackageText()
{
    // Globs are matched without regard to case unless marked otherwise, as ".XSB" should be.
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Sokoban XSB Level</comment>\n"
               "    <sub-class-of type=\"text/plain\"/>\n"
               "    <icon name=\"%2\"/>\n"
               "    <glob pattern=\"*.xsb\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(QLatin1String(kLevelMimeType), QLatin1String(IconName))
        .toUtf8();
}

QByteArray DesktopEntryText(const QString& executable)
{
    return DesktopEntryTextWithExec(DesktopExecLine(executable));
}

namespace {

// The menu entry in the game's languages: what the desktop's menu and search show.
struct DesktopWords {
    const char* Locale;
    const char* GenericName;
    const char* Comment;
    const char* Keywords;
};

constexpr DesktopWords EntryWords[] = {
    {"de", "Sokoban", "Sokoban-Spiel mit Level-Editor und Lösungsabspieler", "Sokoban;Denkspiel;Kisten;Lagerhaus;"},
    {"es", "Sokoban", "Juego de Sokoban con editor de niveles y reproductor de soluciones", "sokoban;rompecabezas;cajas;almacén;"},
    {"fr", "Sokoban", "Jeu de Sokoban avec un éditeur de niveaux et un lecteur de solutions", "sokoban;casse-tête;caisses;entrepôt;"},
    {"it", "Sokoban", "Gioco di Sokoban con editor di livelli e riproduttore di soluzioni", "sokoban;rompicapo;casse;magazzino;"},
    {"ja", "倉庫番", "面エディターと解答プレーヤー付きの倉庫番ゲーム", "倉庫番;パズル;荷物;sokoban;"},
    {"nl", "Sokoban", "Sokoban-spel met een leveleditor en een oplossingsspeler", "sokoban;puzzel;kisten;pakhuis;"},
    {"pl", "Sokoban", "Gra Sokoban z edytorem poziomów i odtwarzaczem rozwiązań", "sokoban;łamigłówka;skrzynie;magazyn;"},
    {"pt_BR", "Sokoban", "Jogo de Sokoban com editor de fases e reprodutor de soluções", "sokoban;quebra-cabeça;caixas;armazém;"},
    {"ru", "Сокобан", "Игра Сокобан с редактором уровней и проигрывателем решений", "сокобан;головоломка;ящики;склад;sokoban;"},
    {"zh_CN", "推箱子", "带关卡编辑器和答案播放器的推箱子游戏", "推箱子;益智;箱子;仓库;sokoban;"},
};

QString LocalizedEntryLines()
{
    QString lines;
    for (const DesktopWords& w : EntryWords) {
        const QString locale = QString::fromLatin1(w.Locale);
        lines += QStringLiteral("Name[%1]=Warehaus4\n").arg(locale);
        lines += QStringLiteral("GenericName[%1]=%2\n").arg(locale, QString::fromUtf8(w.GenericName));
        lines += QStringLiteral("Comment[%1]=%2\n").arg(locale, QString::fromUtf8(w.Comment));
        lines += QStringLiteral("Keywords[%1]=%2\n").arg(locale, QString::fromUtf8(w.Keywords));
    }
    return lines;
}

} // namespace

QByteArray DesktopEntryTextWithExec(const QString& execLine)
{
    // StartupNotify is off: a start that hands its file to the running window opens no window
    // of its own, and the desktop would wait in vain for one.
    return (QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Version=1.4\n"
                           "Name=Warehaus4\n"
                           "GenericName=Sokoban\n"
                           "Comment=Sokoban game with a level editor and a solution player\n"
                           "Keywords=sokoban;puzzle;boxes;warehouse;\n")
            + LocalizedEntryLines()
            + QStringLiteral("Exec=")
            + execLine
            + QStringLiteral("\n"
                             "Icon=%1\n"
                             "Terminal=false\n"
                             "StartupNotify=false\n"
                             "MimeType=%2;\n"
                             "Categories=Game;LogicGame;\n")
                  .arg(QLatin1String(IconName), QLatin1String(kLevelMimeType)))
        .toUtf8();
}

QString UpdatedMimeAppsList(const QString& existing)
{
    QList<Line> lines;
    QString section;
    QStringList raw = existing.split(u'\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QString text : raw) {
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (IsSectionHeader(text))
            section = text.trimmed().mid(1, text.trimmed().size() - 2);
        lines.append({text, section});
    }

    const QString type = QLatin1String(kLevelMimeType);
    const QString desktop = QLatin1String(kDesktopFileName);
    SetKey(lines, DefaultSection, type, desktop);
    // Like the shell's "open with" list, ours becomes the only entry for the type.
    SetKey(lines, AddedSection, type, desktop + u';');
    // An earlier "remove this association" would hide the new one.
    QStringList removed = SplitList(ValueOf(lines, RemovedSection, type));
    if (removed.removeAll(desktop) > 0)
        SetKey(lines, RemovedSection, type, removed.isEmpty() ? QString() : removed.join(u';') + u';');

    QString result;
    for (const Line& line : lines)
        result += line.text + u'\n';
    return result;
}

void AssociateExtension(const QString& executable)
{
    const AssociationFiles files = AssociationTargets();
    const QString absolute = QFileInfo(executable).absoluteFilePath();

    WriteFile(files.MimePackage, MimePackageText());
    for (qsizetype i = 0; i < files.Icons.size(); ++i) {
        WriteAppIconPng(files.Icons[i], files.IconSizes[i]);
    }
    WriteFile(files.DesktopEntry, DesktopEntryText(absolute));

    // Latin-1 carries every byte through unchanged; the keys we touch are plain ASCII.
    QString existing;
    if (QFileInfo::exists(files.MimeAppsList)) {
        QFile current(files.MimeAppsList);
        if (!current.open(QIODevice::ReadOnly))
            ThrowWriteError(files.MimeAppsList, QStringLiteral("the file cannot be read: ") + current.errorString());
        existing = QString::fromLatin1(current.readAll());
    }
    WriteFile(files.MimeAppsList, UpdatedMimeAppsList(existing).toLatin1());

    RunIfPresent(QStringLiteral("update-mime-database"), {files.DataFolder + QStringLiteral("/mime")});
    RunIfPresent(QStringLiteral("update-desktop-database"), {files.DataFolder + QStringLiteral("/applications")});
}

void AssociateExtensionCommand(GameState& g, Frontend& ui, const QString& executable)
{
    // Files of our own under the user's folders would shadow the package's and outlive it: an
    // installed copy's package has already made it the program for level files.
    if (IsInstalled(g)) {
        ui.ShowNotice(Warehaus4::Tr("Warehaus4 is installed: its package already opens the XSB files with it."));
        return;
    }
    if (!ui.AskQuestion(Warehaus4::Tr("Do you really want to associate XSB extension with the Warehaus4 ?")))
        return;
    AssociateExtension(executable);
    ui.ShowNotice(Warehaus4::Tr("The XSB files will be opened from now with the Warehaus4 !"));
}

} // namespace w4
