#include "media/ugamepad.h"

#include "core/history.h"
#include "core/usokoban.h"

#include "media/sdlapi.h"

#include <algorithm>
#include <limits>

namespace w4 {

GamepadCommand CommandForStates(const GamepadStates& states) {
    if (states.count() != 1) return GamepadCommand::None;
    if (states[PadLeft]) return GamepadCommand::MoveLeft;
    if (states[PadUp]) return GamepadCommand::MoveUp;
    if (states[PadRight]) return GamepadCommand::MoveRight;
    if (states[PadDown]) return GamepadCommand::MoveDown;
    if (states[PadButton(1)]) return GamepadCommand::Undo;
    if (states[PadButton(2)]) return GamepadCommand::Redo;
    return GamepadCommand::None;
}

GamepadCommand StepGamepad(GamepadPollMemory& memory, const GamepadStates& current) {
    bool act = false;
    if (current != memory.Previous) {
        memory.Previous = current;
        memory.RepeatCount = 0;
        act = true;
    } else {
        // Saturates: a stick held for years must not wrap the counter back into the delay.
        if (memory.RepeatCount < std::numeric_limits<std::int32_t>::max()) ++memory.RepeatCount;
        act = memory.RepeatCount > GamepadRepeatDelay;
    }
    return act ? CommandForStates(current) : GamepadCommand::None;
}

void PerformGamepadCommand(GameState& g, Frontend& ui, GamepadCommand command) {
    switch (command) {
    case GamepadCommand::MoveLeft: MoveLeft(g, ui); break;
    case GamepadCommand::MoveUp: MoveUp(g, ui); break;
    case GamepadCommand::MoveRight: MoveRight(g, ui); break;
    case GamepadCommand::MoveDown: MoveDown(g, ui); break;
    case GamepadCommand::Undo: UndoMove(g, ui); break;
    case GamepadCommand::Redo: RedoMove(g, ui); break;
    case GamepadCommand::None: break;
    }
}

GamepadCommand PollGamepad(GameState& g, Frontend& ui, GamepadReader& reader, GamepadPollMemory& memory,
                           bool windowActive) {
    if (g.GameMode != ModePlay) return GamepadCommand::None;
    const GamepadCommand command = StepGamepad(memory, reader.ReadStates(windowActive));
    if (command == GamepadCommand::None || !g.LevelInPlay) return GamepadCommand::None;
    PerformGamepadCommand(g, ui, command);
    return command;
}

namespace {

const sdl::Api& Sdl() { return *sdl::Load(); }

class SdlGamepadReader final : public GamepadReader {
public:
    SdlGamepadReader() = default;
    SdlGamepadReader(const SdlGamepadReader&) = delete;
    SdlGamepadReader& operator=(const SdlGamepadReader&) = delete;
    ~SdlGamepadReader() override {
        if (joystick_) Sdl().SDL_JoystickClose(joystick_);
        Sdl().SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    GamepadStates ReadStates(bool windowActive) override {
        // Qt runs the event loop, so nothing else pumps SDL: this update also notices devices
        // plugged in or pulled out since the last poll.
        Sdl().SDL_JoystickUpdate();
        if (joystick_ && !Sdl().SDL_JoystickGetAttached(joystick_)) {
            Sdl().SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
        }
        if (!joystick_ && Sdl().SDL_NumJoysticks() > 0) {
            joystick_ = Sdl().SDL_JoystickOpen(0);
            if (joystick_) Sdl().SDL_JoystickUpdate();
        }
        GamepadStates states;
        if (!windowActive || !joystick_) return states;

        // Deflected only beyond half-way from the centre; -32768 / 32768.0 is exactly -1.
        auto axis = [this](int index) {
            return index < Sdl().SDL_JoystickNumAxes(joystick_)
                       ? Sdl().SDL_JoystickGetAxis(joystick_, index) / 32768.0
                       : 0.0;
        };
        const double x = axis(0), y = axis(1);
        states[PadLeft] = x < -0.5;
        states[PadRight] = x > 0.5;
        states[PadUp] = y < -0.5;
        states[PadDown] = y > 0.5;

        // Most pads put their cross on a hat; it drives the keeper like the stick.
        if (Sdl().SDL_JoystickNumHats(joystick_) > 0) {
            const Uint8 hat = Sdl().SDL_JoystickGetHat(joystick_, 0);
            if (hat & SDL_HAT_LEFT) states[PadLeft] = true;
            if (hat & SDL_HAT_RIGHT) states[PadRight] = true;
            if (hat & SDL_HAT_UP) states[PadUp] = true;
            if (hat & SDL_HAT_DOWN) states[PadDown] = true;
        }

        const int buttons = std::min(32, Sdl().SDL_JoystickNumButtons(joystick_));
        for (int b = 0; b < buttons; ++b)
            if (Sdl().SDL_JoystickGetButton(joystick_, b)) states[PadButton(b + 1)] = true;
        return states;
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace

std::unique_ptr<GamepadReader> OpenGamepadReader() {
    if (sdl::Load() == nullptr) return std::make_unique<NoGamepadReader>();
    // Qt owns the process's signals, and nobody drains SDL's event queue: poll, never queue.
    Sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl().SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (Sdl().SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return std::make_unique<NoGamepadReader>();
    Sdl().SDL_JoystickEventState(SDL_IGNORE);
    return std::make_unique<SdlGamepadReader>();
}

} // namespace w4
