// The five Difficulties of the Game menu; the Difficulty fixes the Board's size.
#pragma once

namespace llk {

enum class Difficulty { Easy = 0, Normal = 1, Hard = 2, VeryHard = 3, Special = 4 };
constexpr int DifficultyCount = 5;

} // namespace llk
