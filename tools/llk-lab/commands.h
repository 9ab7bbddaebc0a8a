// llk-lab's commands, one function each, and the small helpers they share for arguments and errors.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace llk::lab {

// The arguments after the command's name.
using Args = std::span<const std::string_view>;

// The exit status of every bad input: a malformed argument, an unreadable or broken file.
constexpr int BadInputExit = 2;

// Writes "llk-lab: <message>" as one line on standard error and returns BadInputExit.
int Fail(std::string_view message);

// A decimal integer with an optional leading '-', nothing else; nothing for other text or
// a number beyond int.
std::optional<int> ParseInt(std::string_view text);

// `text` in single quotes for a message, cut short when long, with control characters as '?',
// so a stray binary argument cannot garble the terminal.
std::string Quote(std::string_view text);

// Each command returns the process's exit status. main.cpp lists them by name.
int RunLink(Args args);
int RunShift(Args args);
int RunPairs(Args args);
int RunScript(Args args);
int RunBot(Args args);

} // namespace llk::lab
