// The five Difficulties' names, in DifficultyIndex order, for every window that shows them.
#pragma once

#include <QString>

namespace llk::dialogs {

// "初级篇" … "特殊篇": the leaderboard's tabs and the new-record dialog.
QString DifficultyName(int difficulty);

// The Game menu's item for a Difficulty: its name with the access key E, N, H, V or S, marked
// where the name holds that letter ("&Easy") and appended as "(&E)" where it does not
// ("初级篇(&E)").
QString DifficultyCaption(int difficulty);

} // namespace llk::dialogs
