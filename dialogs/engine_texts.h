// The engine's texts as the player reads them: the messages, level captions and bonus text,
// translated through one table that lupdate reads.
#pragma once

#include <QString>

#include <string_view>

namespace llk::dialogs {

// `engineText` translated; a text the table does not hold is shown as it is.
QString ShownText(std::string_view engineText);

// How many engine texts the table holds, and each source with its translation (for tests).
int EngineTextCount();
QString EngineTextSource(int index);

} // namespace llk::dialogs
