// llk-lab: the game's rules on the command line. This file only picks the command.
#include <array>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tools/llk-lab/commands.h"

namespace llk::lab {
namespace {

struct Command {
    std::string_view name;
    int (*run)(Args);
};

constexpr std::array Commands{
    Command{"link", RunLink},  Command{"shift", RunShift}, Command{"pairs", RunPairs},
    Command{"run", RunScript}, Command{"bot", RunBot},
};

constexpr std::string_view Usage = "usage: llk-lab link|shift|pairs|run|bot ...";

} // namespace

int Fail(std::string_view message)
{
    std::cout.flush();
    std::cerr << "llk-lab: " << message << '\n';
    return BadInputExit;
}

std::string Quote(std::string_view text)
{
    constexpr std::size_t MaxShown = 40;
    std::string quoted = "'";
    for (const char c : text.substr(0, MaxShown))
        quoted += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    if (text.size() > MaxShown)
        quoted += "...";
    return quoted + "'";
}

std::optional<int> ParseInt(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace llk::lab

int main(int argc, char** argv)
{
    using namespace llk::lab;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return Fail(Usage);
    for (const Command& command : Commands)
        if (command.name == args.front())
            return command.run(Args(args).subspan(1));
    return Fail("unknown command " + Quote(args.front()) + "; " + std::string(Usage));
}
