#include "app/desktop/handover.h"

#include "core/loading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <iterator>

namespace w4 {

namespace {

constexpr std::string_view LevelExtension = ".xsb";

std::int32_t LastIndex(const GameState& g)
{
    return static_cast<std::int32_t>(g.Playlist.size()) - 1;
}

} // namespace

bool HasLevelExtension(std::string_view path)
{
    if (path.size() < LevelExtension.size())
        return false;
    const std::string_view tail = path.substr(path.size() - LevelExtension.size());
    return std::equal(tail.begin(), tail.end(), LevelExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

void AppendHandedOverFile(GameState& g, const std::string& path)
{
    g.Playlist.push_back(path);
    g.LevelIndex = LastIndex(g);
}

void MakeHeldBackFileCurrent(GameState& g, const std::string& path)
{
    const auto found = std::find(g.Playlist.rbegin(), g.Playlist.rend(), path);
    if (found == g.Playlist.rend()) {
        AppendHandedOverFile(g, path);
        return;
    }
    g.LevelIndex = static_cast<std::int32_t>(std::distance(found, g.Playlist.rend())) - 1;
}

bool AppendCommandLineFiles(GameState& g, const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments)
        if (HasLevelExtension(argument))
            g.Playlist.push_back(argument);
    return !arguments.empty();
}

void AppendDroppedFiles(GameState& g, const std::vector<std::string>& paths)
{
    // The index the first accepted file will get; when none is accepted it points one past the
    // end and falls back to the last entry, which is what the load would make of it anyway.
    g.LevelIndex = static_cast<std::int32_t>(g.Playlist.size());
    for (const std::string& path : paths)
        if (HasLevelExtension(path))
            g.Playlist.push_back(path);
    g.LevelIndex = std::min(g.LevelIndex, LastIndex(g));
}

// Files handed over by a later start join the playlist in any case; the level shown changes only
// when the attempt on the board may be left.
void ReceiveHandedOverFile(GameState& g, Frontend& ui, const std::string& path)
{
    const AttemptLeave leave(g, ui);
    const std::int32_t shown = g.LevelIndex;
    AppendHandedOverFile(g, path);
    if (!leave) {
        g.LevelIndex = shown;
        return;
    }
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ShowHeldBackFile(GameState& g, Frontend& ui, const std::string& path)
{
    const AttemptLeave leave(g, ui);
    const std::int32_t shown = g.LevelIndex;
    MakeHeldBackFileCurrent(g, path);
    if (!leave) {
        g.LevelIndex = shown;
        return;
    }
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ReceiveCommandLineFiles(GameState& g, Frontend& ui, const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return;
    const AttemptLeave leave(g, ui);
    const std::int32_t shown = g.LevelIndex;
    AppendCommandLineFiles(g, arguments);
    if (!leave) {
        g.LevelIndex = shown;
        return;
    }
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ReceiveDroppedFiles(GameState& g, Frontend& ui, const std::vector<std::string>& paths)
{
    // Dropped here and now, like File > Open: staying takes none of them.
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    AppendDroppedFiles(g, paths);
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

std::string PlaylistPath(const QString& path)
{
    return PlaylistPath(QFile::encodeName(path));
}

std::string PlaylistPath(const QByteArray& path)
{
    if (path.isEmpty())
        return {};
    // Worked on as bytes: a name in another encoding than UTF-8 must reach the file it names.
    // Symbolic links are kept as named: the playlist shows the file the user chose.
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path.toStdString()), ec);
    if (ec)
        absolute = std::filesystem::path(path.toStdString());
    std::string clean = absolute.lexically_normal().string();
    if (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

std::vector<std::string> PlaylistPaths(const QStringList& paths)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        result.push_back(PlaylistPath(path));
    return result;
}

std::vector<std::string> PlaylistPaths(const QByteArrayList& paths)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(paths.size()));
    for (const QByteArray& path : paths)
        result.push_back(PlaylistPath(path));
    return result;
}

QByteArray LocalFileBytes(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    // toLocalFile() decodes the path as UTF-8 and turns other bytes into replacement characters;
    // the encoded form still holds them.
    QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!bytes.isEmpty() && !url.host().isEmpty())
        bytes.prepend("//" + url.host().toUtf8());   // a share, as toLocalFile() names it
    return bytes;
}

std::vector<std::string> DroppedLocalFiles(const QMimeData& data)
{
    std::vector<std::string> result;
    for (const QUrl& url : data.urls()) {
        const QByteArray bytes = LocalFileBytes(url);
        if (!bytes.isEmpty())
            result.push_back(PlaylistPath(bytes));
    }
    return result;
}

} // namespace w4
