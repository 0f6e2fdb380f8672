#include "app/window/commands.h"
#include "app/window/captions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>

namespace w4 {

QString Caption::Text() const
{
    return Warehaus4::QTr(English, Disambiguation);
}

unsigned KeyModeOf(int gameMode)
{
    return gameMode >= 1 && gameMode <= 3 ? 1u << (gameMode - 1) : 0u;
}

Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

KeyBinding Press(int key, unsigned modes, Qt::KeyboardModifiers modifiers, std::function<bool()> when)
{
    KeyBinding binding;
    binding.Key = key;
    binding.Modifiers = modifiers;
    binding.Modes = modes;
    binding.When = std::move(when);
    return binding;
}

KeyBinding PressAny(int key, unsigned modes, std::function<bool()> when)
{
    KeyBinding binding = Press(key, modes, Qt::NoModifier, std::move(when));
    binding.AnyModifiers = true;
    return binding;
}

CommandTable::CommandTable(std::function<void(const std::function<void()>&)> guard) : guard_(std::move(guard)) {}

CommandTable::~CommandTable() = default;

void CommandTable::Add(Command command)
{
    if (Find(command.Id) != nullptr)
        throw std::logic_error("command added twice: " + command.Id);
    commands_.push_back(std::move(command));
}

const Command* CommandTable::Find(const std::string& id) const
{
    for (const Command& command : commands_)
        if (command.Id == id)
            return &command;
    return nullptr;
}

void CommandTable::RunCommand(const Command& command)
{
    if (command.Run)
        command.Run();
    Refresh();
}

void CommandTable::Run(const std::string& id)
{
    if (const Command* command = Find(id))
        RunCommand(*command);
}

// --- Keys ---

void CommandTable::Watch(KeyWatcher watcher) { watchers_.push_back(std::move(watcher)); }

const Command* CommandTable::Match(int key, Qt::KeyboardModifiers modifiers, int gameMode, bool first) const
{
    const Qt::KeyboardModifiers held = CommandModifiers(modifiers);
    const unsigned mode = KeyModeOf(gameMode);
    for (const Command& command : commands_)
        for (const KeyBinding& binding : command.Keys)
            if (binding.First == first && binding.Key == key && (binding.Modes & mode) != 0 &&
                (binding.AnyModifiers || binding.Modifiers == held) && (!binding.When || binding.When()))
                return &command;
    return nullptr;
}

bool CommandTable::KeyDown(int key, Qt::KeyboardModifiers modifiers, const std::function<int()>& gameMode)
{
    if (const Command* command = Match(key, modifiers, gameMode(), true)) {
        RunCommand(*command);
        return true;
    }
    if (!watchers_.empty()) {
        const Command* asked = Match(key, modifiers, gameMode(), false);
        const std::string id = asked != nullptr ? asked->Id : std::string();
        for (const KeyWatcher& watcher : watchers_)
            watcher(key, modifiers, id);
    }
    // Looked up again: what the watchers did (the end of a walk, a level won by it) counts.
    if (const Command* command = Match(key, modifiers, gameMode(), false)) {
        RunCommand(*command);
        return true;
    }
    return false;
}

// --- Menus ---

void CommandTable::BuildMenus(const std::vector<MenuPlace>& places, QMenuBar* bar, QMenu* popup)
{
    for (const char* prefix : {"MNU", "POP"}) {
        const bool board = prefix[0] == 'P';
        // parents[d] is the menu that takes the items of depth d + 1.
        QMenu* parents[3] = {nullptr, nullptr, nullptr};
        for (std::size_t i = 0; i < places.size(); ++i) {
            const MenuPlace& place = places[i];
            const Command* command = Find(place.Id);
            if (command == nullptr)
                throw std::logic_error(std::string("a menu place names no command: ") + place.Id);
            const QString name = QString::fromLatin1(prefix) + QString::fromStdString(command->Id);
            const bool submenu = i + 1 < places.size() && places[i + 1].Depth > place.Depth;
            QAction* action = nullptr;
            if (submenu) {
                QMenu* menu = place.Depth == 0 ? (board ? popup->addMenu(QString()) : bar->addMenu(QString()))
                                               : parents[place.Depth - 1]->addMenu(QString());
                menu->setObjectName(name);
                // Opened: the check marks are as the game is now.
                QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { Refresh(); });
                parents[place.Depth] = menu;
                action = menu->menuAction();
            } else {
                QMenu* parent = place.Depth == 0 ? popup : parents[place.Depth - 1];
                action = parent->addAction(QString());
                if (command->Checked)
                    action->setCheckable(true);
                const std::string id = command->Id;
                QObject::connect(action, &QAction::triggered, action, [this, id] {
                    guard_([this, id] {
                        if (const Command* c = Find(id); c != nullptr && c->Run)
                            c->Run();
                    });
                    // A check item has checked itself on the click: the command says what holds.
                    Refresh();
                });
            }
            action->setObjectName(name);
            items_[name] = action;
            actions_[command->Id].push_back(action);
        }
    }
    Refresh();
}

QAction* CommandTable::Item(const QString& name) const
{
    const auto found = items_.find(name);
    return found == items_.end() ? nullptr : found->second;
}

void CommandTable::Refresh()
{
    for (const Command& command : commands_) {
        if (!command.Checked && !command.Enabled)
            continue;
        const auto found = actions_.find(command.Id);
        if (found == actions_.end())
            continue;
        const bool checked = command.Checked && command.Checked();
        const bool enabled = !command.Enabled || command.Enabled();
        for (QAction* action : found->second) {
            if (command.Checked && action->isChecked() != checked)
                action->setChecked(checked);
            if (action->isEnabled() != enabled)
                action->setEnabled(enabled);
        }
    }
}

void CommandTable::ApplyLanguage()
{
    for (const auto& [id, actions] : actions_)
        if (const Command* command = Find(id))
            for (QAction* action : actions)
                action->setText(command->Text.Text());
}

} // namespace w4
