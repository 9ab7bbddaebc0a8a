// The records file: every kind of damage is read as far as it goes and kept aside, never lost.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <set>

#include <unistd.h>

#include <gtest/gtest.h>

#include "app/records_store.h"
#include "records/leaderboard.h"

namespace llk::test {
namespace {

using app::LoadedRecords;
using app::RecordsState;
using app::RecordsStore;
using records::Record;

Record Result(int score, int difficulty = 0, const std::string& name = "小明")
{
    const QDateTime when = QDateTime::fromString(QStringLiteral("2026-12-08T19:30:00+08:00"), Qt::ISODate).addSecs(score);
    Record record;
    record.name = name;
    record.score = score;
    record.level = 5;
    record.theme = 0;
    record.difficulty = difficulty;
    record.ended = app::EndedText(when);
    record.endedMs = app::EndedMs(when);
    record.result = records::Result::Time;
    return record;
}

const char* const GoodEntry =
    R"({"name": "小明", "score": 1234, "level": 5, "theme": 0, "difficulty": 0, "ended": "2026-12-08T19:30:00+08:00", "result": "time"})";

QByteArray FileWith(const QByteArray& entries, int version = 1)
{
    return "{\"version\": " + QByteArray::number(version) + ", \"records\": [" + entries + "]}";
}

// The good entry with one field replaced by `json`.
QByteArray EntryWith(const char* field, const QByteArray& json)
{
    QJsonObject entry = QJsonDocument::fromJson(GoodEntry).object();
    entry.insert(QString::fromLatin1(field), QJsonDocument::fromJson("[" + json + "]").array().at(0));
    return QJsonDocument(entry).toJson(QJsonDocument::Compact);
}

TEST(ParseRecords, ReadsTheDocumentedForm)
{
    const LoadedRecords loaded = app::ParseRecords(FileWith(GoodEntry));
    EXPECT_EQ(loaded.state, RecordsState::Fine);
    EXPECT_TRUE(loaded.notice.isEmpty());
    ASSERT_EQ(loaded.records.size(), 1u);
    const Record& r = loaded.records[0];
    EXPECT_EQ(r.name, "小明");
    EXPECT_EQ(r.score, 1234);
    EXPECT_EQ(r.level, 5);
    EXPECT_EQ(r.theme, 0);
    EXPECT_EQ(r.difficulty, 0);
    EXPECT_EQ(r.ended, "2026-12-08T19:30:00+08:00");
    EXPECT_EQ(r.endedMs, QDateTime(QDate(2026, 12, 8), QTime(11, 30), Qt::UTC).toMSecsSinceEpoch());
    EXPECT_EQ(r.result, records::Result::Time);
}

TEST(ParseRecords, WritesWhatItReads)
{
    const std::vector<Record> written{Result(500, 1, "<b>甲</b>"), Result(20, 4, "🐼")};
    const LoadedRecords loaded = app::ParseRecords(app::SerializeRecords(written));
    EXPECT_EQ(loaded.state, RecordsState::Fine);
    ASSERT_EQ(loaded.records.size(), 2u);
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(loaded.records[i].name, written[i].name);
        EXPECT_EQ(loaded.records[i].score, written[i].score);
        EXPECT_EQ(loaded.records[i].difficulty, written[i].difficulty);
        EXPECT_EQ(loaded.records[i].ended, written[i].ended);
        EXPECT_EQ(loaded.records[i].endedMs, written[i].endedMs);
    }
}

TEST(ParseRecords, AFileThatIsNotJsonOrCutShortIsDamaged)
{
    const QByteArray whole = FileWith(GoodEntry);
    for (const QByteArray& bytes : {QByteArray("not json at all"), whole.left(whole.size() / 2), QByteArray(),
                                    QByteArray("\xFF\xFE\x00\x01", 4), QByteArray("[1, 2, 3]"), QByteArray("\"text\"")}) {
        const LoadedRecords loaded = app::ParseRecords(bytes);
        EXPECT_EQ(loaded.state, RecordsState::Damaged) << bytes.constData();
        EXPECT_TRUE(loaded.records.empty());
        EXPECT_FALSE(loaded.notice.isEmpty());
        EXPECT_FALSE(loaded.notice.contains(u'\n')) << "one line";
    }
}

TEST(ParseRecords, AMissingOrWrongVersionOrListIsDamaged)
{
    for (const QByteArray& bytes :
         {QByteArray(R"({"records": []})"), QByteArray(R"({"version": "1", "records": []})"),
          QByteArray(R"({"version": 0, "records": []})"), QByteArray(R"({"version": 1.5, "records": []})"),
          QByteArray(R"({"version": 1})"), QByteArray(R"({"version": 1, "records": {}})")})
        EXPECT_EQ(app::ParseRecords(bytes).state, RecordsState::Damaged) << bytes.constData();
}

TEST(ParseRecords, AnEntryOfWrongTypesIsDroppedAndTheRestShown)
{
    const std::vector<QByteArray> bad{
        EntryWith("name", "42"),        EntryWith("score", "\"1234\""),  EntryWith("level", "null"),
        EntryWith("theme", "[0]"),      EntryWith("difficulty", "true"), EntryWith("ended", "20261208"),
        EntryWith("result", "1"),       QByteArray("\"a string\""),      QByteArray("17"),
        QByteArray(R"({"score": 10})"),
    };
    for (const QByteArray& entry : bad) {
        const LoadedRecords loaded = app::ParseRecords(FileWith(QByteArray(GoodEntry) + "," + entry));
        EXPECT_EQ(loaded.state, RecordsState::Damaged) << entry.constData();
        EXPECT_EQ(loaded.records.size(), 1u) << "the good entry is still shown: " << entry.constData();
    }
}

TEST(ParseRecords, NumbersOutOfRangeAreDamage)
{
    const std::vector<QByteArray> bad{
        EntryWith("score", "0"),
        EntryWith("score", "-5"),
        EntryWith("score", "1e300"),
        EntryWith("score", "100000000"),
        EntryWith("score", "12.5"),
        EntryWith("level", "0"),
        EntryWith("level", "13"),
        EntryWith("theme", "30"),
        EntryWith("theme", "-1"),
        EntryWith("difficulty", "5"),
        EntryWith("difficulty", "-2147483649"),
        EntryWith("result", "\"lost\""),
        EntryWith("ended", "\"yesterday\""),
        EntryWith("name", "\"\""),
        EntryWith("name", "\"abcdefghijklmnopq\""),
        EntryWith("name", "\"a\\u0007b\""),
    };
    for (const QByteArray& entry : bad) {
        const LoadedRecords loaded = app::ParseRecords(FileWith(entry));
        EXPECT_EQ(loaded.state, RecordsState::Damaged) << entry.constData();
        EXPECT_TRUE(loaded.records.empty()) << entry.constData();
    }
}

TEST(ParseRecords, AHigherVersionIsShownWherePossible)
{
    const LoadedRecords loaded = app::ParseRecords(FileWith(QByteArray(GoodEntry) + R"(, {"future": true})", 2));
    EXPECT_EQ(loaded.state, RecordsState::Newer);
    EXPECT_EQ(loaded.records.size(), 1u);
    EXPECT_FALSE(loaded.notice.isEmpty());
    EXPECT_EQ(app::ParseRecords(R"({"version": 7, "entries": {}})").state, RecordsState::Newer);
}

TEST(EndedText, CarriesTheOffsetFromUtc)
{
    const QDateTime when = QDateTime::fromString(QStringLiteral("2026-12-08T11:30:00Z"), Qt::ISODate);
    const QString text = QString::fromStdString(app::EndedText(when));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("^2026-12-0\\d(T\\d\\d:\\d\\d:\\d\\d)(Z|[+-]\\d\\d:\\d\\d)$"))))
        << text.toStdString();
    EXPECT_EQ(QDateTime::fromString(text, Qt::ISODate).toMSecsSinceEpoch(), when.toMSecsSinceEpoch());
}

class RecordsFile : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.filePath(QStringLiteral("data/lianliankan")); }
    QString file() const { return folder() + QStringLiteral("/records.json"); }
    void Write(const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir().mkpath(folder()));
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray Read(const QString& path) const
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QStringList AsideFiles() const
    {
        return QDir(folder()).entryList({QStringLiteral("records.json.damaged-*")}, QDir::Files);
    }

    QTemporaryDir m_dir;
};

TEST_F(RecordsFile, NoFileIsAnEmptyLeaderboard)
{
    const LoadedRecords loaded = RecordsStore(folder()).Load();
    EXPECT_EQ(loaded.state, RecordsState::Fine);
    EXPECT_TRUE(loaded.records.empty());
}

TEST_F(RecordsFile, TheFirstResultCreatesTheFolderAndTheFile)
{
    RecordsStore store(folder());
    const app::SavedRecord saved = store.Add(Result(300));
    EXPECT_TRUE(saved.error.isEmpty()) << saved.error.toStdString();
    EXPECT_EQ(saved.rank, 1);
    const LoadedRecords loaded = store.Load();
    EXPECT_EQ(loaded.state, RecordsState::Fine);
    ASSERT_EQ(loaded.records.size(), 1u);
    EXPECT_EQ(loaded.records[0].score, 300);
    const QJsonObject top = QJsonDocument::fromJson(Read(file())).object();
    EXPECT_EQ(top.value(QStringLiteral("version")).toInt(), 1);
    EXPECT_FALSE(QFile::exists(file() + QStringLiteral(".lock"))) << "the lock is let go";
}

TEST_F(RecordsFile, KeepsTenPerDifficultyAcrossWrites)
{
    RecordsStore store(folder());
    for (int i = 1; i <= 12; ++i)
        ASSERT_TRUE(store.Add(Result(i * 10, 2)).error.isEmpty());
    const app::SavedRecord below = store.Add(Result(5, 2));
    EXPECT_EQ(below.rank, 0) << "below the tenth";
    EXPECT_EQ(app::SerializeRecords(below.records), Read(file())) << "the write hands back what it wrote";
    EXPECT_EQ(store.Add(Result(1, 3)).rank, 1) << "another Difficulty";
    const records::Leaderboard board(store.Load().records);
    ASSERT_EQ(board.Table(2).size(), 10u);
    EXPECT_EQ(board.Table(2).front().score, 120);
    EXPECT_EQ(board.Table(2).back().score, 30);
    EXPECT_EQ(board.Table(3).size(), 1u);
}

TEST_F(RecordsFile, ADamagedFileIsKeptAsideBeforeTheNextWrite)
{
    const QByteArray damaged = FileWith(QByteArray(GoodEntry) + R"(, {"name": 5})");
    Write(damaged);
    RecordsStore store(folder());
    const LoadedRecords before = store.Load();
    EXPECT_EQ(before.state, RecordsState::Damaged);
    EXPECT_EQ(before.records.size(), 1u);
    EXPECT_EQ(Read(file()), damaged) << "reading changes nothing";
    EXPECT_TRUE(AsideFiles().isEmpty());

    const app::SavedRecord saved = store.Add(Result(2000));
    EXPECT_TRUE(saved.error.isEmpty()) << saved.error.toStdString();
    ASSERT_EQ(AsideFiles().size(), 1);
    EXPECT_EQ(saved.keptAside, AsideFiles().front());
    EXPECT_EQ(Read(folder() + QLatin1Char('/') + AsideFiles().front()), damaged) << "kept byte for byte";
    const LoadedRecords after = store.Load();
    EXPECT_EQ(after.state, RecordsState::Fine);
    ASSERT_EQ(after.records.size(), 2u) << "what could be read goes on, with the new result";
    EXPECT_EQ(app::SerializeRecords(saved.records), Read(file())) << "the write hands back what it wrote";
}

TEST_F(RecordsFile, TwoDamagedFilesInOneSecondAreBothKept)
{
    RecordsStore store(folder());
    Write("first damage");
    ASSERT_TRUE(store.Add(Result(10)).error.isEmpty());
    Write("second damage");
    ASSERT_TRUE(store.Add(Result(20)).error.isEmpty());
    const QStringList aside = AsideFiles();
    ASSERT_EQ(aside.size(), 2);
    QStringList contents;
    for (const QString& name : aside)
        contents.append(QString::fromUtf8(Read(folder() + QLatin1Char('/') + name)));
    contents.sort();
    EXPECT_EQ(contents, (QStringList{QStringLiteral("first damage"), QStringLiteral("second damage")}));
}

TEST_F(RecordsFile, AFiftyMegabyteFileIsDamagedAndMovedNotRead)
{
    ASSERT_TRUE(QDir().mkpath(folder()));
    {
        QFile big(file());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(50LL * 1024 * 1024));
    }
    RecordsStore store(folder());
    const LoadedRecords loaded = store.Load();
    EXPECT_EQ(loaded.state, RecordsState::Damaged);
    EXPECT_TRUE(loaded.records.empty());
    ASSERT_TRUE(store.Add(Result(40)).error.isEmpty());
    ASSERT_EQ(AsideFiles().size(), 1);
    EXPECT_EQ(QFileInfo(folder() + QLatin1Char('/') + AsideFiles().front()).size(), 50LL * 1024 * 1024);
    EXPECT_EQ(store.Load().records.size(), 1u);
}

TEST_F(RecordsFile, AHigherVersionIsNeverWritten)
{
    const QByteArray newer = FileWith(GoodEntry, 2);
    Write(newer);
    RecordsStore store(folder());
    const app::SavedRecord saved = store.Add(Result(999));
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_EQ(saved.rank, 0);
    EXPECT_EQ(Read(file()), newer);
    EXPECT_TRUE(AsideFiles().isEmpty());
}

TEST_F(RecordsFile, AFolderThatCannotBeCreatedGivesAMessage)
{
    QFile blocker(m_dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder's parent should be
    blocker.close();
    RecordsStore store(folder());
    const app::SavedRecord saved = store.Add(Result(10));
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_EQ(saved.rank, 0);
    EXPECT_EQ(store.Load().state, RecordsState::Fine) << "nothing to read is still a leaderboard";
}

TEST_F(RecordsFile, AFileThatCannotBeReplacedGivesAMessageAndStaysAsItWas)
{
    // A folder where the file should be: it can be neither read nor replaced.
    ASSERT_TRUE(QDir().mkpath(file()));
    RecordsStore store(folder());
    EXPECT_EQ(store.Load().state, RecordsState::Unreadable);
    const app::SavedRecord saved = store.Add(Result(10));
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_TRUE(QFileInfo(file()).isDir());
}

TEST_F(RecordsFile, AnUnwritableFolderGivesAMessage)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    RecordsStore store(folder());
    ASSERT_TRUE(store.Add(Result(10)).error.isEmpty());
    const QByteArray before = Read(file());
    ASSERT_TRUE(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
    const app::SavedRecord saved = store.Add(Result(20));
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(saved.error.isEmpty());
    EXPECT_EQ(Read(file()), before);
}

TEST_F(RecordsFile, TwoGamesWritingAtOnceLoseNoResult)
{
    constexpr int PerWriter = 25; // five per Difficulty each: both writers' fit in the ten places
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(LLK_RECORDS_WRITER), {folder(), QString::number(PerWriter), QStringLiteral("1000")});
    second.start(QStringLiteral(LLK_RECORDS_WRITER), {folder(), QString::number(PerWriter), QStringLiteral("2000")});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    const LoadedRecords loaded = RecordsStore(folder()).Load();
    EXPECT_EQ(loaded.state, RecordsState::Fine);
    std::set<int> scores;
    for (const Record& record : loaded.records)
        scores.insert(record.score);
    for (int i = 0; i < PerWriter; ++i) {
        EXPECT_TRUE(scores.count(1000 + i)) << "lost " << 1000 + i;
        EXPECT_TRUE(scores.count(2000 + i)) << "lost " << 2000 + i;
    }
    EXPECT_EQ(loaded.records.size(), 2u * PerWriter);
}

} // namespace
} // namespace llk::test
