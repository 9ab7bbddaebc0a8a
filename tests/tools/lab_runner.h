// Runs the llk-lab executable with arguments and standard input, and collects what it prints.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace llk::test {

struct LabResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file in the test's temporary folder holding `text`; returns its path. The process id in the
// path keeps test processes that ctest runs side by side out of each other's files.
inline std::string WriteTempFile(const std::string& name, std::string_view text)
{
    const std::string path = testing::TempDir() + "llk-" + std::to_string(getpid()) + "-" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

inline LabResult RunLab(const std::vector<std::string>& args, std::string_view input = {})
{
    static int runs = 0;
    const std::string inPath = WriteTempFile("run-" + std::to_string(++runs) + ".in", input);
    const std::string stem = inPath.substr(0, inPath.size() - 3);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (stem + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (stem + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<std::string> argv{LLK_LAB_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argvPointers;
    for (std::string& arg : argv)
        argvPointers.push_back(arg.data());
    argvPointers.push_back(nullptr);

    LabResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, LLK_LAB_PATH, &actions, nullptr, argvPointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << LLK_LAB_PATH;
        return result;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWholeFile(stem + ".out");
    result.err = ReadWholeFile(stem + ".err");
    return result;
}

} // namespace llk::test
