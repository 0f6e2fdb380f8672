#pragma once
// Level files arriving from outside the window: a later start's arguments, the first start's own
// command line, and files dropped on the window. The rules only touch the playlist and the index;
// the Receive* forms then load and draw the current level, as every level change must.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <QByteArrayList>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

class QMimeData;
class QUrl;

namespace w4 {

// True when the path ends in ".xsb", in any letter case.
bool HasLevelExtension(std::string_view path);

// A later start's argument: appended whatever its type, and made current.
void AppendHandedOverFile(GameState& g, const std::string& path);
// An argument that arrived while a dialog was open joined the playlist at once (so a quit answered
// meanwhile saves it); now it becomes current: its last entry, or a new one at the end when the
// command answered meanwhile took it out of the playlist.
void MakeHeldBackFileCurrent(GameState& g, const std::string& path);

// The first start's command line: the level files are appended, LevelIndex stays where the
// settings put it. Returns true when there was any argument at all, i.e. when a load is due.
bool AppendCommandLineFiles(GameState& g, const std::vector<std::string>& arguments);

// Dropped files: the level files are appended and the first of them becomes current; with none
// accepted the last entry is shown. LevelIndex is always left inside the playlist (-1 if empty).
void AppendDroppedFiles(GameState& g, const std::vector<std::string>& paths);

// The same rules followed by LoadLevel and RedrawBoard.
void ReceiveHandedOverFile(GameState& g, Frontend& ui, const std::string& path);
void ShowHeldBackFile(GameState& g, Frontend& ui, const std::string& path);
void ReceiveCommandLineFiles(GameState& g, Frontend& ui, const std::vector<std::string>& arguments);
void ReceiveDroppedFiles(GameState& g, Frontend& ui, const std::vector<std::string>& paths);

// A path as the playlist keeps it: the file system's bytes, made absolute against the current
// folder (a relative name would mean another file once the playlist is read elsewhere). The
// byte forms keep a name that is not UTF-8 exactly as the file system spells it.
std::string PlaylistPath(const QString& path);
std::string PlaylistPath(const QByteArray& path);
std::vector<std::string> PlaylistPaths(const QStringList& paths);
std::vector<std::string> PlaylistPaths(const QByteArrayList& paths);

// The bytes of a local file URL's path (percent-encoded bytes decoded as they are); empty when
// the URL is not a local file.
QByteArray LocalFileBytes(const QUrl& url);

// The local files of a drop, in the drop's order; anything that is not a local file is left out.
std::vector<std::string> DroppedLocalFiles(const QMimeData& data);

} // namespace w4
