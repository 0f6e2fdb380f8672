#pragma once
// Gamepad play: a reader reports which of 36 states are held (the stick's four directions and
// buttons 1..32), and a latch-and-repeat rule turns a single held state into a move, an undo or
// a redo. The rule is a pure function so it is tested without a device.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <bitset>
#include <cstdint>
#include <memory>

namespace w4 {

// Members of GamepadStates, in their order: the four directions, then buttons 1 to 32.
enum GamepadState : int { PadUp = 0, PadDown = 1, PadLeft = 2, PadRight = 3, PadButton1 = 4 };
constexpr int GamepadStateCount = 36;
using GamepadStates = std::bitset<GamepadStateCount>;

constexpr int PadButton(int n) { return PadButton1 + n - 1; }  // n = 1 .. 32

enum class GamepadCommand { None, MoveLeft, MoveUp, MoveRight, MoveDown, Undo, Redo };

// Kept between polls for the whole run; changed only by polls.
struct GamepadPollMemory {
    GamepadStates Previous;
    std::int32_t RepeatCount = 0;
};

// Polls of an unchanged set before it repeats: it acts on the sixth.
constexpr std::int32_t GamepadRepeatDelay = 5;

// The command a set stands for: only a set of exactly one of left, up, right, down, button 1,
// button 2 means anything.
GamepadCommand CommandForStates(const GamepadStates& states);

// One poll of the rule: a changed set acts at once; an unchanged one acts once it has been seen
// more than GamepadRepeatDelay times in a row. Returns None when not acting.
GamepadCommand StepGamepad(GamepadPollMemory& memory, const GamepadStates& current);

// The joystick reader.
class GamepadReader {
public:
    virtual ~GamepadReader() = default;
    // Refreshes the device and gives the held states; the empty set while the window is not
    // active, and while no device is plugged in.
    virtual GamepadStates ReadStates(bool windowActive) = 0;
};

class NoGamepadReader final : public GamepadReader {
public:
    GamepadStates ReadStates(bool) override { return {}; }
};

// The first SDL joystick, opened when one appears and dropped when it goes, so a pad plugged
// in while the game runs just works. Axis 0 is left/right, axis 1 up/down, deflected beyond
// half-way; hat 0 counts as the stick too; SDL buttons 0..31 are buttons 1..32.
// Falls back to NoGamepadReader when SDL's joystick support cannot start.
std::unique_ptr<GamepadReader> OpenGamepadReader();

// TMRGamepadTimer's work: in Play mode only, reads the pad, runs the rule, and, while
// LevelInPlay, performs the command through the core (MoveLeft .. MoveDown, UndoMove, RedoMove).
// Returns the command performed (None when nothing was done).
GamepadCommand PollGamepad(GameState& g, Frontend& ui, GamepadReader& reader, GamepadPollMemory& memory,
                           bool windowActive);

// Performs one command on the game (no mode or LevelInPlay check of its own).
void PerformGamepadCommand(GameState& g, Frontend& ui, GamepadCommand command);

} // namespace w4
