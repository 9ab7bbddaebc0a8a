// The window interface: the only way the engine reaches a screen, a speaker or a timer.
#pragma once

#include <string_view>

#include "board/game_phase.h"

namespace llk {

enum class Icon { Information, Error };

// Sounds carry their resource numbers, so a host can key its buffers by them.
enum class Sound { Click = 101, Remove = 102, Cleared = 103, Hint = 104 };

enum class TimerId {
    Removal,   // Timer1: the removal step, 100 ms after a link
    Countdown, // Timer2: one second of the time bar
};

class Host {
public:
    virtual ~Host() = default;
    // Returns when the player has closed the box. Game messages carry the window caption as title.
    virtual void ShowMessage(std::string_view text, Icon icon) = 0;
    // Called only while the sound-effects switch is on; the engine checks it first.
    virtual void PlaySound(Sound sound) = 0;
    virtual void TimerSwitched(TimerId timer, bool on) = 0;
    // A game has ended (after its last message box); a game replaced by a new start never ends.
    virtual void GameEnded(GamePhase) {}
    // A level shift slid the tile of Cell `from` into Cell `to`, so a window can follow it.
    virtual void TileMoved(int /*from*/, int /*to*/) {}
};

// A host that sees nothing and hears nothing: the default until a window or a tool attaches.
class NullHost final : public Host {
public:
    void ShowMessage(std::string_view, Icon) override {}
    void PlaySound(Sound) override {}
    void TimerSwitched(TimerId, bool) override {}
};

} // namespace llk
