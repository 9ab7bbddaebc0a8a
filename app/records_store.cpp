#include "app/records_store.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>
#include <optional>

#include "records/leaderboard.h"

namespace llk::app {
namespace {

constexpr int LockWaitMs = 10000;

const char* const DamagedNotice =
    QT_TRANSLATE_NOOP("RecordsStore", "排行榜文件已损坏，只显示能读出的纪录；下次记录前会把原文件另存一份。");
const char* const NewerNotice =
    QT_TRANSLATE_NOOP("RecordsStore", "排行榜文件来自更新版本的游戏，只显示能读出的纪录，不会改写它。");
const char* const UnreadableNotice = QT_TRANSLATE_NOOP("RecordsStore", "排行榜文件无法打开，暂时看不到以前的纪录。");

// A whole number from a JSON number, within what an int holds.
std::optional<int> WholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

// One entry of the list: the fields' types are checked here, their ranges by RecordProblem.
std::optional<records::Record> ReadRecord(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue name = object.value(QStringLiteral("name"));
    const QJsonValue ended = object.value(QStringLiteral("ended"));
    const QJsonValue result = object.value(QStringLiteral("result"));
    if (!name.isString() || !ended.isString() || !result.isString())
        return std::nullopt;
    const auto score = WholeNumber(object.value(QStringLiteral("score")));
    const auto level = WholeNumber(object.value(QStringLiteral("level")));
    const auto theme = WholeNumber(object.value(QStringLiteral("theme")));
    const auto difficulty = WholeNumber(object.value(QStringLiteral("difficulty")));
    const auto outcome = records::ParseResult(result.toString().toStdString());
    const QDateTime when = QDateTime::fromString(ended.toString(), Qt::ISODate);
    if (!score || !level || !theme || !difficulty || !outcome || !when.isValid())
        return std::nullopt;

    records::Record record;
    record.name = name.toString().toStdString();
    record.score = *score;
    record.level = *level;
    record.theme = *theme;
    record.difficulty = *difficulty;
    record.ended = ended.toString().toStdString();
    record.endedMs = EndedMs(when);
    record.result = *outcome;
    if (records::RecordProblem(record))
        return std::nullopt;
    return record;
}

LoadedRecords Damaged(std::vector<records::Record> readable = {})
{
    return {std::move(readable), RecordsState::Damaged, QCoreApplication::translate("RecordsStore", DamagedNotice)};
}

// A free name beside the file for keeping a damaged one.
QString AsideName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    return aside;
}

} // namespace

LoadedRecords ParseRecords(const QByteArray& bytes)
{
    if (bytes.size() > MaxRecordsFileBytes)
        return Damaged();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Damaged();
    const QJsonObject top = document.object();
    const QJsonValue version = top.value(QStringLiteral("version"));
    const QJsonValue list = top.value(QStringLiteral("records"));
    const auto number = WholeNumber(version);
    if (!number || *number < 1)
        return Damaged();
    const bool newer = *number > RecordsVersion;
    if (!list.isArray())
        return newer ? LoadedRecords{{}, RecordsState::Newer, QCoreApplication::translate("RecordsStore", NewerNotice)}
                     : Damaged();

    LoadedRecords loaded;
    bool damaged = false;
    for (const QJsonValue entry : list.toArray()) {
        if (auto record = ReadRecord(entry))
            loaded.records.push_back(std::move(*record));
        else
            damaged = true;
    }
    if (newer) {
        loaded.state = RecordsState::Newer;
        loaded.notice = QCoreApplication::translate("RecordsStore", NewerNotice);
    } else if (damaged) {
        loaded.state = RecordsState::Damaged;
        loaded.notice = QCoreApplication::translate("RecordsStore", DamagedNotice);
    }
    return loaded;
}

QByteArray SerializeRecords(const std::vector<records::Record>& records)
{
    QJsonArray list;
    for (const records::Record& record : records) {
        list.append(QJsonObject{
            {QStringLiteral("name"), QString::fromStdString(record.name)},
            {QStringLiteral("score"), record.score},
            {QStringLiteral("level"), record.level},
            {QStringLiteral("theme"), record.theme},
            {QStringLiteral("difficulty"), record.difficulty},
            {QStringLiteral("ended"), QString::fromStdString(record.ended)},
            {QStringLiteral("result"), QString::fromUtf8(records::ResultName(record.result))},
        });
    }
    const QJsonObject top{{QStringLiteral("version"), RecordsVersion}, {QStringLiteral("records"), list}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString NotSavedText(RecordsState state)
{
    switch (state) {
    case RecordsState::Newer:
        return QCoreApplication::translate("RecordsStore", "排行榜文件来自更新版本的游戏，本局成绩没有保存。");
    case RecordsState::Unreadable:
        return QCoreApplication::translate("RecordsStore", "排行榜文件无法打开，本局成绩没有保存。");
    case RecordsState::Fine:
    case RecordsState::Damaged: break;
    }
    return {};
}

std::string EndedText(const QDateTime& when)
{
    // The local time with its offset, so the file reads as the player's clock did.
    const QDateTime local = when.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

std::int64_t EndedMs(const QDateTime& when) { return when.toMSecsSinceEpoch(); }

RecordsStore::RecordsStore(QString folder) : m_folder(std::move(folder)) {}

QString RecordsStore::StandardFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString RecordsStore::filePath() const { return QDir(m_folder).filePath(RecordsFileName); }

LoadedRecords RecordsStore::Load() const
{
    QFile file(filePath());
    if (!file.exists())
        return {};
    if (file.size() > MaxRecordsFileBytes)
        return Damaged();
    if (!file.open(QIODevice::ReadOnly))
        return {{}, RecordsState::Unreadable, QCoreApplication::translate("RecordsStore", UnreadableNotice)};
    return ParseRecords(file.read(MaxRecordsFileBytes + 1));
}

SavedRecord RecordsStore::Add(const records::Record& result)
{
    SavedRecord saved;
    if (!QDir().mkpath(m_folder)) {
        saved.error = QCoreApplication::translate("RecordsStore", "无法创建纪录文件夹“%1”，本局成绩没有保存。")
                          .arg(QDir::toNativeSeparators(m_folder));
        return saved;
    }
    QLockFile lock(filePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        saved.error =
            lock.error() == QLockFile::LockFailedError
                ? QCoreApplication::translate("RecordsStore", "排行榜文件正被另一个游戏使用，本局成绩没有保存。")
                : QCoreApplication::translate("RecordsStore", "纪录文件夹“%1”无法写入，本局成绩没有保存。")
                      .arg(QDir::toNativeSeparators(m_folder));
        return saved;
    }

    const LoadedRecords loaded = Load();
    switch (loaded.state) {
    case RecordsState::Fine: break;
    case RecordsState::Newer:
    case RecordsState::Unreadable: saved.error = NotSavedText(loaded.state); return saved;
    case RecordsState::Damaged: {
        const QString aside = AsideName(filePath());
        if (!QFile::rename(filePath(), aside)) {
            saved.error = QCoreApplication::translate("RecordsStore", "排行榜文件已损坏且无法另存，本局成绩没有保存。");
            return saved;
        }
        saved.keptAside = QFileInfo(aside).fileName();
        break;
    }
    }

    records::Leaderboard board(loaded.records);
    saved.rank = board.Add(result);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(SerializeRecords(board.All())) < 0 || !file.commit()) {
        saved.rank = 0;
        saved.error =
            QCoreApplication::translate("RecordsStore", "排行榜文件无法写入（%1），本局成绩没有保存。").arg(file.errorString());
        return saved;
    }
    saved.records = board.All();
    return saved;
}

} // namespace llk::app
