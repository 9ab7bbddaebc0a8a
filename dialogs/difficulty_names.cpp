#include "dialogs/difficulty_names.h"

#include <QCoreApplication>

#include <array>
#include <cassert>

#include "board/difficulty.h"

namespace llk::dialogs {
namespace {

struct DifficultyText {
    const char* name;
    char accessKey;
};

constexpr std::array<DifficultyText, DifficultyCount> DifficultyTexts{{
    {QT_TRANSLATE_NOOP("Difficulties", "初级篇"), 'E'},
    {QT_TRANSLATE_NOOP("Difficulties", "中级篇"), 'N'},
    {QT_TRANSLATE_NOOP("Difficulties", "高级篇"), 'H'},
    {QT_TRANSLATE_NOOP("Difficulties", "特级篇"), 'V'},
    {QT_TRANSLATE_NOOP("Difficulties", "特殊篇"), 'S'},
}};

const DifficultyText& TextOf(int difficulty)
{
    assert(difficulty >= 0 && difficulty < DifficultyCount);
    return DifficultyTexts[static_cast<std::size_t>(difficulty)];
}

} // namespace

QString DifficultyName(int difficulty) { return QCoreApplication::translate("Difficulties", TextOf(difficulty).name); }

QString DifficultyCaption(int difficulty)
{
    QString caption = DifficultyName(difficulty);
    const QChar key = QLatin1Char(TextOf(difficulty).accessKey);
    const qsizetype at = caption.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        return caption.insert(at, u'&');
    return caption + QStringLiteral("(&") + key + u')';
}

} // namespace llk::dialogs
