#pragma once
// Where a run reads its data and keeps its files. Two ways to run, chosen once at start:
//  - portable: the executable's folder holds the data and can be written; everything lives there;
//  - installed: the data comes from <prefix>/share/warehaus4/, the settings and the playlist go
//    to $XDG_CONFIG_HOME/warehaus4/, and the solutions of levels whose folder cannot be written
//    to $XDG_DATA_HOME/warehaus4/solutions/.
// Everything else asks this unit; nothing else looks at the mode.

#include <filesystem>
#include <string>

namespace w4 {

struct GameState;

struct Folders {
    bool Installed = false;
    std::filesystem::path Data;       // levels/, sounds/, musics/, graphics/; trailing separator
    std::filesystem::path Settings;   // boxyard4.ini and boxyard4.lev; trailing separator
    std::filesystem::path Solutions;  // the solution store; empty when solutions stay beside levels
    // Installed without any home to keep files in: what is missing, to be told to the user.
    std::string Missing;
};

// What the choice depends on, so that it can be made from any process and tested without one.
struct FolderInputs {
    std::filesystem::path ProgramFolder;   // the executable's folder
    bool ForcePortable = false;            // --portable
    std::string XdgConfigHome, XdgDataHome, Home;
};

// The command-line option that keeps everything beside the executable.
inline constexpr char kPortableOption[] = "--portable";

// The inputs of this process: the environment's XDG folders and home; without HOME, the home the
// password database gives the user.
FolderInputs ProcessFolderInputs(const std::filesystem::path& programFolder, bool forcePortable);
// The running executable's folder with a trailing separator, for programs without Qt (the
// command-line solver); empty when the system does not tell.
std::filesystem::path ExecutableFolder();
// The folders of this process: ChooseFolders over ExecutableFolder() and the environment.
Folders FoldersOfThisProcess(bool forcePortable);
Folders ChooseFolders(const FolderInputs& in);
Folders PortableFolders(const std::filesystem::path& programFolder);

// Can files be created in the folder? Judged by the permission bits as well as by access(), so
// that a folder made read-only counts as such for root too, who may write anywhere.
bool FolderIsWritable(const std::filesystem::path& folder);
// A portable copy keeps its default levels beside the executable.
bool HoldsProgramData(const std::filesystem::path& folder);

// An empty GameState::Places means portable in ProgramFolder (tests that set only ProgramFolder).
bool IsInstalled(const GameState& g);
std::filesystem::path DataFolder(const GameState& g);
std::filesystem::path SettingsFolder(const GameState& g);

// A file name for the store, different for every absolute level path and free of separators.
std::string SolutionStoreName(const std::string& levelPath);
// Where the solution of a level is written: beside it, unless installed and its folder cannot be
// written, then in the store.
std::string SolutionFilePathFor(const GameState& g, const std::string& levelPath);
// The solution file a level loads: the one where it would be written, else the one beside it,
// else the one in the store; empty when there is none.
std::string FindSolutionFile(const GameState& g, const std::string& levelPath);

// Creates the folder a file of ours goes to when it is one of the per-user folders; a portable
// run creates nothing. A failure shows up in the write that follows, which names the file.
void MakeFolderFor(const GameState& g, const std::string& filePath);

} // namespace w4
