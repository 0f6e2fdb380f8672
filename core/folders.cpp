#include "core/folders.h"

#include "core/fileio.h"
#include "core/uglobal.h"
#include "core/usokoban.h"

#include <cstdint>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace w4 {

namespace fs = std::filesystem;

namespace {

constexpr char AppFolderName[] = "warehaus4";
// File names stay well below the 255 bytes most file systems allow.
constexpr std::size_t MaxStoreName = 200;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be
// ignored), else the default under home; empty when there is neither.
fs::path BaseFolder(const std::string& variable, const std::string& home, const char* fallback)
{
    if (!variable.empty() && fs::path(variable).is_absolute())
        return fs::path(variable);
    if (home.empty())
        return {};
    return fs::path(home) / fallback;
}

fs::path WithSeparator(const fs::path& folder)
{
    return (folder / "").lexically_normal();
}

bool IsInside(const fs::path& folder, const fs::path& item)
{
    if (folder.empty())
        return false;
    const std::string base = WithSeparator(folder).string();
    const std::string path = WithSeparator(item).string();
    return path.compare(0, base.size(), base) == 0;
}

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// The home the password database gives the user; empty when it has none.
std::string HomeFromPasswordDatabase()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 4096));
    for (;;) {
        struct passwd entry {};
        struct passwd* found = nullptr;
        const int error = ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr || found->pw_dir == nullptr)
            return {};
        return found->pw_dir;
    }
}

} // namespace

FolderInputs ProcessFolderInputs(const fs::path& programFolder, bool forcePortable)
{
    FolderInputs in;
    in.ProgramFolder = programFolder;
    in.ForcePortable = forcePortable;
    in.XdgConfigHome = Environment("XDG_CONFIG_HOME");
    in.XdgDataHome = Environment("XDG_DATA_HOME");
    in.Home = Environment("HOME");
    // A session started without HOME (a service, env -i) still has a home of its own.
    if (in.Home.empty())
        in.Home = HomeFromPasswordDatabase();
    return in;
}

fs::path ExecutableFolder()
{
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec || executable.empty())
        return {};
    return WithSeparator(executable.parent_path());
}

Folders FoldersOfThisProcess(bool forcePortable)
{
    return ChooseFolders(ProcessFolderInputs(ExecutableFolder(), forcePortable));
}

Folders PortableFolders(const fs::path& programFolder)
{
    Folders f;
    f.Data = programFolder;
    f.Settings = programFolder;
    return f;
}

Folders ChooseFolders(const FolderInputs& in)
{
    const fs::path program = in.ProgramFolder;
    if (in.ForcePortable || (HoldsProgramData(program) && FolderIsWritable(program)))
        return PortableFolders(program);

    Folders f;
    f.Installed = true;
    // bin/../share/warehaus4/; a read-only copy that carries its data beside it reads it there.
    const fs::path shared = WithSeparator(program / ".." / "share" / AppFolderName);
    f.Data = HoldsProgramData(shared) || !HoldsProgramData(program) ? shared : program;

    const fs::path config = BaseFolder(in.XdgConfigHome, in.Home, ".config");
    const fs::path data = BaseFolder(in.XdgDataHome, in.Home, ".local/share");
    if (config.empty() || data.empty()) {
        // Still the installed data, which a portable copy here would not find; the settings, the
        // playlist and the solutions of read-only levels have no place, and the run says so.
        f.Settings = program;
        f.Missing = "No folder for the settings: neither HOME nor XDG_CONFIG_HOME and XDG_DATA_HOME are set, "
                    "and the password database gives no home for this user.";
        return f;
    }
    f.Settings = WithSeparator(config / AppFolderName);
    f.Solutions = WithSeparator(data / AppFolderName / "solutions");
    return f;
}

bool FolderIsWritable(const fs::path& folder)
{
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (ec || !fs::is_directory(status))
        return false;
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none)
        return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool HoldsProgramData(const fs::path& folder)
{
    std::error_code ec;
    return fs::is_directory(folder / "levels", ec);
}

bool IsInstalled(const GameState& g)
{
    return g.Places.Installed;
}

fs::path DataFolder(const GameState& g)
{
    return g.Places.Data.empty() ? g.ProgramFolder : g.Places.Data;
}

fs::path SettingsFolder(const GameState& g)
{
    return g.Places.Settings.empty() ? g.ProgramFolder : g.Places.Settings;
}

std::string SolutionStoreName(const std::string& levelPath)
{
    std::error_code ec;
    fs::path absolute = fs::absolute(fs::path(levelPath), ec);
    if (ec)
        absolute = fs::path(levelPath);
    const std::string key = absolute.lexically_normal().string();

    // Every byte but letters, digits, '.', '_' and '-' is written as %XX, '%' itself too, so two
    // paths never meet in one name and no name holds a separator or starts with a dot.
    std::string name;
    for (const char c : SolutionFilePath(key)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '.' || u == '_' || u == '-') {
            name += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", u);
            name += escaped;
        }
    }
    if (name.size() > MaxStoreName) {
        // Too long for a file name: the end of it, which names the level, after a hash of all.
        char hash[20];
        std::snprintf(hash, sizeof hash, "%016llx-", static_cast<unsigned long long>(Fnv1a(key)));
        name = hash + name.substr(name.size() - (MaxStoreName - 17));
    }
    return name;
}

std::string SolutionFilePathFor(const GameState& g, const std::string& levelPath)
{
    const std::string beside = SolutionFilePath(levelPath);
    if (g.Places.Solutions.empty())
        return beside;
    fs::path folder = fs::path(levelPath).parent_path();
    if (folder.empty())
        folder = ".";
    if (FolderIsWritable(folder))
        return beside;
    return (g.Places.Solutions / SolutionStoreName(levelPath)).string();
}

std::string FindSolutionFile(const GameState& g, const std::string& levelPath)
{
    // Where it would be written first, so the newest one wins; then the other two places, for a
    // level folder that became writable or read-only since.
    const std::string candidates[] = {
        SolutionFilePathFor(g, levelPath), SolutionFilePath(levelPath),
        g.Places.Solutions.empty() ? std::string() : (g.Places.Solutions / SolutionStoreName(levelPath)).string()};
    for (const std::string& path : candidates)
        if (!path.empty() && FileExists(path))
            return path;
    return {};
}

void MakeFolderFor(const GameState& g, const std::string& filePath)
{
    if (!g.Places.Installed)
        return;
    const fs::path folder = fs::path(filePath).parent_path();
    if (!IsInside(g.Places.Settings, folder) && !IsInside(g.Places.Solutions, folder))
        return;
    std::error_code ec;
    fs::create_directories(folder, ec);
}

} // namespace w4
