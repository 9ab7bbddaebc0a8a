#include "tests/app/stream_watch.h"

#include <QTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace llk::test {
namespace {

// The channel count of sink input `id`, 0 when it is not listed. A line of the short listing reads
// "id, sink, client, driver" separated by tabs, then the format: "s16le 2ch 44100Hz".
int ChannelsOf(int id)
{
    std::istringstream listing(Run("pactl list sink-inputs short 2>/dev/null"));
    for (std::string line; std::getline(listing, line);) {
        std::istringstream fields(line);
        std::string index, sink, client, driver, format;
        int channels = 0;
        if (std::getline(fields, index, '\t') && index == std::to_string(id) && std::getline(fields, sink, '\t') &&
            std::getline(fields, client, '\t') && std::getline(fields, driver, '\t') && (fields >> format >> channels))
            return channels;
    }
    return 0;
}

} // namespace

std::string Run(const std::string& command)
{
    std::string out;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

StreamWatch::StreamWatch()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char stdbuf[] = "stdbuf";
    char lines[] = "-oL";
    char pactl[] = "pactl";
    char subscribe[] = "subscribe";
    char* argv[] = {stdbuf, lines, pactl, subscribe, nullptr};
    const int spawned = posix_spawnp(&m_pid, "stdbuf", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        m_pid = -1;
        close(fds[0]);
        return;
    }
    m_output = fdopen(fds[0], "r");
    m_reader = std::thread([this] { Read(); });
    // The subscription is in place once a change to the sink comes back as an event (a volume
    // set to what it already is changes nothing).
    for (int attempt = 0; attempt < 100 && !m_ready; ++attempt) {
        Run(attempt % 2 ? "pactl set-sink-volume @DEFAULT_SINK@ 100% 2>/dev/null"
                        : "pactl set-sink-volume @DEFAULT_SINK@ 99% 2>/dev/null");
        QTest::qWait(50);
        const std::lock_guard lock(m_mutex);
        m_ready = m_sinkChanges > 0;
    }
}

StreamWatch::~StreamWatch()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_reader.joinable())
        m_reader.join();
    if (m_output)
        std::fclose(m_output);
}

void StreamWatch::Read()
{
    char line[512];
    while (std::fgets(line, sizeof line, m_output)) {
        const auto at = std::chrono::steady_clock::now();
        char kind[32] = {};
        char what[32] = {};
        int id = -1;
        if (std::sscanf(line, "Event '%31[^']' on %31s #%d", kind, what, &id) != 3)
            continue;
        if (std::strcmp(what, "sink") == 0) {
            const std::lock_guard lock(m_mutex);
            ++m_sinkChanges;
        } else if (std::strcmp(what, "sink-input") == 0) {
            const bool opened = std::strcmp(kind, "new") == 0;
            if (opened || std::strcmp(kind, "remove") == 0)
                Add({opened, id, opened ? ChannelsOf(id) : 0, at});
        }
    }
}

void StreamWatch::Add(const StreamEvent& event)
{
    const std::lock_guard lock(m_mutex);
    m_events.push_back(event);
}

std::vector<StreamEvent> StreamWatch::Events() const
{
    const std::lock_guard lock(m_mutex);
    return m_events;
}

std::vector<StreamWatch::Stream> StreamWatch::Streams() const
{
    std::vector<Stream> streams;
    for (const StreamEvent& event : Events()) {
        if (event.opened) {
            streams.push_back({event.id, event.channels, event.at, std::chrono::milliseconds(0)});
            continue;
        }
        for (Stream& stream : streams)
            if (stream.id == event.id)
                stream.open = std::chrono::duration_cast<std::chrono::milliseconds>(event.at - stream.opened);
    }
    return streams;
}

int StreamWatch::OpenStreams() const
{
    int open = 0;
    for (const StreamEvent& event : Events())
        open += event.opened ? 1 : -1;
    return open;
}

} // namespace llk::test
