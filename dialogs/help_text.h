// Help text: Help.txt beside the program, read in GBK with every line ending in CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace llk::dialogs {

// Only this much of Help.txt is read, so a huge file cannot stall the help window.
constexpr qint64 HelpFileByteLimit = 1024 * 1024;

// Longer lines are shown in pieces of this length: the text box lays out one paragraph in a time
// that grows with the square of its length, and a one-line file of 1 MiB would freeze it.
constexpr qsizetype LongestShownLine = 4096;

// GBK bytes as the text box shows them: each line (ended by CR LF, LF or a lone CR, or by the
// end of the bytes) followed by CR LF. Bytes that are not GBK become replacement characters.
QString DecodeHelpText(const QByteArray& gbkBytes, const char* encoding = "GBK");

// The first HelpFileByteLimit bytes of the file at `path`, decoded; nothing when the file is
// missing or cannot be read.
std::optional<QString> ReadHelpFile(const QString& path, const char* encoding = "GBK");

// The text as the text box holds it: one paragraph per line, none longer than LongestShownLine.
QString TextForDisplay(const QString& crlfText);

// The text of the help window: Help.txt in `folder`, or the built-in text when it cannot be read.
// Under a translation the help file is the one its translation names (Help.en.txt in UTF-8 under
// English), with the built-in text of that language when it cannot be read.
QString HelpText(const QString& folder);

} // namespace llk::dialogs
