#pragma once
// The one table of the window's commands. Each command is here once, with its id, its caption in
// every language, its keys, when it is enabled or checked, and what it runs; the menu bar, the
// board's menu and the keyboard are all built from it. The window adds its own commands, and each
// room beside it (help, snapshots, collections) adds its own through its small header.

#include <Qt>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace w4 {

// A command's caption: its English text, which is the id of its translations in the catalogues
// (marked for them where the command is written), and what tells apart two captions with the
// same English and different meanings, where needed.
struct Caption {
    const char* English = nullptr;
    const char* Disambiguation = nullptr;
    // The text in the language in force.
    QString Text() const;
};

// The modes a key works in: one bit per GameMode.
enum KeyModes : unsigned {
    InPlay = 1u << 0,
    InEditor = 1u << 1,
    InSolution = 1u << 2,
    InEveryMode = InPlay | InEditor | InSolution,
};
unsigned KeyModeOf(int gameMode);

// Only Shift, Ctrl and Alt count: the keypad flag that comes with the keypad's arrows and Enter,
// and the Meta key, never make a plain key a modified one.
Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers);

struct KeyBinding {
    int Key = 0;                                   // a Qt::Key
    Qt::KeyboardModifiers Modifiers = Qt::NoModifier;   // exactly these of Shift, Ctrl and Alt...
    bool AnyModifiers = false;                     // ...or whatever is held
    unsigned Modes = InEveryMode;
    std::function<bool()> When;                    // a further condition; none: always
    // Offered before the key watchers: the key is not input to the board (reverse play's own).
    bool First = false;
};

// A key in `modes` with exactly `modifiers` held (none by default), or with any of them held.
KeyBinding Press(int key, unsigned modes, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 std::function<bool()> when = {});
KeyBinding PressAny(int key, unsigned modes, std::function<bool()> when = {});

struct Command {
    // "FileOpen" names the items MNUFileOpen and POPFileOpen; a submenu's id names the submenu.
    std::string Id;
    Caption Text;
    std::function<void()> Run;       // none: a submenu title
    std::vector<KeyBinding> Keys;
    std::function<bool()> Checked;   // set: a check item, checked while this holds
    std::function<bool()> Enabled;  // none: always enabled
};

// One place of the menus: a command's id and its depth (0 a title of the menu bar, 1 an item of a
// menu, 2 an item of a submenu). A place followed by a deeper one is a submenu.
struct MenuPlace {
    const char* Id;
    int Depth;
};

class CommandTable {
public:
    // `guard` runs a command under the window's general error handler.
    explicit CommandTable(std::function<void(const std::function<void()>&)> guard);
    ~CommandTable();
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    // Adds a command; an id already in the table is a programming error and throws.
    void Add(Command command);
    const std::vector<Command>& All() const { return commands_; }
    const Command* Find(const std::string& id) const;

    // Runs a command by its id, then brings the menus' check marks up to date.
    void Run(const std::string& id);

    // --- Keys ---
    // A watcher sees every key that the commands offered first have not taken, before the rest
    // are looked at, with the id of the command the key asks for (empty: none). It never takes
    // the key; a walk by mouse ends there, for instance, before the key acts.
    using KeyWatcher = std::function<void(int key, Qt::KeyboardModifiers modifiers, const std::string& command)>;
    void Watch(KeyWatcher watcher);
    // The command that `key` runs now in `gameMode`: those offered first, or (first false) the rest.
    const Command* Match(int key, Qt::KeyboardModifiers modifiers, int gameMode, bool first) const;
    // Offers a key to the table; true when a command ran. The key is never consumed for the
    // controls: what the window does with it after is its own business.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers, const std::function<int()>& gameMode);

    // --- Menus ---
    // Builds the items of `places` into the menu bar (object names "MNU" + id) and the board's menu
    // ("POP" + id), both running the same commands. Every place must name a command of the table.
    void BuildMenus(const std::vector<MenuPlace>& places, QMenuBar* bar, QMenu* popup);
    // A menu item by its object name ("MNUFileOpen", "POPFile"); null when there is none.
    QAction* Item(const QString& name) const;
    // Check marks and enabled states from the commands' own conditions.
    void Refresh();
    // The captions in the language in force.
    void ApplyLanguage();

private:
    void RunCommand(const Command& command);

    std::function<void(const std::function<void()>&)> guard_;
    std::vector<Command> commands_;
    std::vector<KeyWatcher> watchers_;
    std::map<QString, QAction*> items_;                       // by object name
    std::map<std::string, std::vector<QAction*>> actions_;    // by command id
};

} // namespace w4
