// The name a player gives a result: any script, 1 to 16 characters, trimmed, no control characters.
#pragma once

#include <string>
#include <string_view>

namespace llk::records {

constexpr int MaxNameLength = 16; // characters (code points), not bytes

// `utf8` with control and invisible formatting characters (and invalid bytes) removed and the
// spaces at both ends trimmed; spaces inside are kept.
std::string CleanName(std::string_view utf8);

// The number of characters (code points) of valid UTF-8.
int CharacterCount(std::string_view utf8);

// A cleaned name of 1 to 16 characters.
bool IsValidName(std::string_view cleaned);

} // namespace llk::records
