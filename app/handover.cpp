#include "app/handover.h"

#include "core/loading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <cstdint>
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

void ReceiveHandedOverFile(GameState& g, Frontend& ui, const std::string& path)
{
    AppendHandedOverFile(g, path);
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ShowHeldBackFile(GameState& g, Frontend& ui, const std::string& path)
{
    MakeHeldBackFileCurrent(g, path);
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ReceiveCommandLineFiles(GameState& g, Frontend& ui, const std::vector<std::string>& arguments)
{
    if (!AppendCommandLineFiles(g, arguments))
        return;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ReceiveDroppedFiles(GameState& g, Frontend& ui, const std::vector<std::string>& paths)
{
    AppendDroppedFiles(g, paths);
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

std::string PlaylistPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    // Symbolic links are kept as named: the playlist shows the file the user chose.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return QFile::encodeName(absolute).toStdString();
}

std::vector<std::string> PlaylistPaths(const QStringList& paths)
{
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        result.push_back(PlaylistPath(path));
    return result;
}

std::vector<std::string> DroppedLocalFiles(const QMimeData& data)
{
    std::vector<std::string> result;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            result.push_back(PlaylistPath(url.toLocalFile()));
    return result;
}

} // namespace w4
