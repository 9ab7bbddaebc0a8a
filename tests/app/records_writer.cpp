// Enters results into a records folder, as a second copy of the game would: records_writer
// <folder> <count> <first score>. Result i has score <first score> + i and Difficulty i % 5.
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

#include "app/records_store.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: records_writer <folder> <count> <first score>\n");
        return 2;
    }
    llk::app::RecordsStore store(QString::fromLocal8Bit(argv[1]));
    const int count = std::atoi(argv[2]);
    const int firstScore = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const QDateTime now = QDateTime::currentDateTime();
        llk::records::Record record;
        record.name = QStringLiteral("w%1").arg(firstScore + i).toStdString();
        record.score = firstScore + i;
        record.level = 1;
        record.theme = 0;
        record.difficulty = i % llk::records::DifficultyCount;
        record.ended = llk::app::EndedText(now);
        record.endedMs = llk::app::EndedMs(now);
        const llk::app::SavedRecord saved = store.Add(record);
        if (!saved.error.isEmpty()) {
            std::fprintf(stderr, "%s\n", saved.error.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
