// The leaderboard's file records.json: read with every kind of damage in mind, written atomically
// under a lock, and never overwritten when it cannot be read in full.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

#include "records/record.h"

namespace llk::app {

constexpr int RecordsVersion = 1;
// A full leaderboard is about 10 KB; anything near this size is not ours.
constexpr qint64 MaxRecordsFileBytes = 1024 * 1024;

inline const QString RecordsFileName = QStringLiteral("records.json");

// What reading the file found.
enum class RecordsState {
    Fine,       // read in full, or no file yet
    Damaged,    // partly or not at all readable: kept aside before the next write
    Newer,      // written by a later version of the game: shown where possible, never written
    Unreadable, // there but cannot be opened
};

struct LoadedRecords {
    std::vector<records::Record> records; // every record that could be read, unsorted
    RecordsState state = RecordsState::Fine;
    QString notice; // one line for the leaderboard window; empty when all is well
};

// What a write did.
struct SavedRecord {
    int rank = 0;                         // the result's place in its Difficulty (1-10), 0 when it stayed out
    QString error;                        // why nothing was written, for a message box; empty on success
    QString keptAside;                    // the name a damaged file was moved to, if one was
    std::vector<records::Record> records; // what the file holds after the write, for the leaderboard
};

// Reads the contents of a records file.
LoadedRecords ParseRecords(const QByteArray& bytes);
// The file's contents for `records`, in the order given.
QByteArray SerializeRecords(const std::vector<records::Record>& records);

// Why no result can be written to a file in `state`; empty for a file that can take one.
QString NotSavedText(RecordsState state);

// The time a game ended, as written in the file and as ordered.
std::string EndedText(const QDateTime& when);
std::int64_t EndedMs(const QDateTime& when);

class RecordsStore {
public:
    // `folder` is the application data folder; it is created on the first write.
    explicit RecordsStore(QString folder);
    // The standard application data folder (~/.local/share/lianliankan on Linux).
    static QString StandardFolder();

    QString filePath() const;
    LoadedRecords Load() const;
    // Reads the file again under the lock, enters `result` and writes the file back. A damaged
    // file is first moved aside; a newer one is left alone.
    SavedRecord Add(const records::Record& result);

private:
    QString m_folder;
};

} // namespace llk::app
