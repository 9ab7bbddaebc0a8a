// Watches the playback streams that programs open on the PulseAudio server of the test (the one
// PULSE_SERVER names): `pactl subscribe` read on a thread of its own, so every stream's opening
// and closing carry the time they were reported, and each opening its channel count.
#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

namespace llk::test {

struct StreamEvent {
    bool opened = false;
    int id = -1;
    int channels = 0; // read as the stream opens; 0 when it was already gone
    std::chrono::steady_clock::time_point at;
};

class StreamWatch {
public:
    // Starts watching and returns once events are coming in (`ready()` false if they never did).
    StreamWatch();
    ~StreamWatch();
    StreamWatch(const StreamWatch&) = delete;
    StreamWatch& operator=(const StreamWatch&) = delete;

    bool ready() const { return m_ready; }
    std::vector<StreamEvent> Events() const;
    // The streams opened so far, each with how long it stayed open (zero while still open).
    struct Stream {
        int id;
        int channels;
        std::chrono::steady_clock::time_point opened;
        std::chrono::milliseconds open;
    };
    std::vector<Stream> Streams() const;
    int OpenStreams() const;

private:
    void Read();
    void Add(const StreamEvent& event);

    pid_t m_pid = -1;
    std::FILE* m_output = nullptr;
    std::thread m_reader;
    mutable std::mutex m_mutex;
    std::vector<StreamEvent> m_events;
    int m_sinkChanges = 0;
    bool m_ready = false;
};

// Runs `command` through the shell and returns what it printed.
std::string Run(const std::string& command);

} // namespace llk::test
