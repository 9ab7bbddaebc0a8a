// A Host for tests: remembers every message, sound and timer switch the engine asks for.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "board/host.h"

namespace llk::test {

class RecordingHost final : public Host {
public:
    struct Message {
        std::string text;
        Icon icon;
    };

    void ShowMessage(std::string_view text, Icon icon) override { messages.push_back({std::string(text), icon}); }
    void PlaySound(Sound sound) override { sounds.push_back(sound); }
    void TimerSwitched(TimerId, bool) override {}
    void GameEnded(GamePhase outcome) override { endings.push_back(outcome); }
    void TileMoved(int from, int to) override { moves.push_back({from, to}); }

    void Clear()
    {
        messages.clear();
        sounds.clear();
        endings.clear();
        moves.clear();
    }

    std::vector<Message> messages;
    std::vector<Sound> sounds;
    std::vector<GamePhase> endings;
    std::vector<std::pair<int, int>> moves; // (from, to) of every tile a shift slid
};

} // namespace llk::test
