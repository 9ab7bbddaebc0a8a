#include "dialogs/engine_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <optional>

#include "rules/messages.h"

namespace llk::dialogs {
namespace {

constexpr char Context[] = "EngineText";

struct EngineText {
    std::string_view engine; // the engine's own constant
    const char* source;      // the same text, marked for lupdate
};

constexpr std::array<EngineText, 17> Table{{
    {AllClearedText, QT_TRANSLATE_NOOP("EngineText", "恭喜你已经全部通关了！")},
    {AutoShuffleText, QT_TRANSLATE_NOOP("EngineText", "无牌可消！自动将使用洗牌！")},
    {NoPairGameOverText, QT_TRANSLATE_NOOP("EngineText", "无牌可消！游戏结束！")},
    {TimeUpText, QT_TRANSLATE_NOOP("EngineText", "时间用尽，游戏结束！")},
    {BonusTemplate,
     QT_TRANSLATE_NOOP("EngineText",
                       "恭喜过关！\r\n额外得分：\r\n%1 个道具“提示”，每个 %2 分，共 %3 分。\r\n"
                       "%4 个道具“洗牌”，每个 %5 分，共 %6 分。\r\n剩下 %7 时间，每秒 %8 分，共 %9 分。")},
    {LevelCaptions[0], QT_TRANSLATE_NOOP("EngineText", "第0关 不变化")},
    {LevelCaptions[1], QT_TRANSLATE_NOOP("EngineText", "第1关 向下")},
    {LevelCaptions[2], QT_TRANSLATE_NOOP("EngineText", "第2关 向左")},
    {LevelCaptions[3], QT_TRANSLATE_NOOP("EngineText", "第3关 上下分离")},
    {LevelCaptions[4], QT_TRANSLATE_NOOP("EngineText", "第4关 左右分离")},
    {LevelCaptions[5], QT_TRANSLATE_NOOP("EngineText", "第5关 上下集中")},
    {LevelCaptions[6], QT_TRANSLATE_NOOP("EngineText", "第6关 左右集中")},
    {LevelCaptions[7], QT_TRANSLATE_NOOP("EngineText", "第7关 上左下右")},
    {LevelCaptions[8], QT_TRANSLATE_NOOP("EngineText", "第8关 左下右上")},
    {LevelCaptions[9], QT_TRANSLATE_NOOP("EngineText", "第9关 向外扩散")},
    {LevelCaptions[10], QT_TRANSLATE_NOOP("EngineText", "第10关 向内集中")},
    {LevelCaptions[11], QT_TRANSLATE_NOOP("EngineText", "特级篇一统天下")},
}};

// The marked copy can never drift from the engine's text.
constexpr bool TableMatchesEngine()
{
    for (const EngineText& entry : Table)
        if (entry.engine != std::string_view(entry.source))
            return false;
    return true;
}
static_assert(TableMatchesEngine(), "a marked text differs from the engine's");
static_assert(LevelCaptions.size() == 12);

QString FromEngine(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text with %1 … %9 matches a text with whole numbers in their places; the numbers are returned.
std::optional<QStringList> MatchNumbers(const QString& pattern, const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString expression = QStringLiteral("\\A");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, match.capturedStart() - from));
        expression += QStringLiteral("(-?[0-9]+)");
        from = match.capturedEnd();
    }
    if (from == 0)
        return std::nullopt;
    expression += QRegularExpression::escape(pattern.mid(from)) + QStringLiteral("\\z");
    const QRegularExpressionMatch match = QRegularExpression(expression).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QStringList numbers = match.capturedTexts();
    numbers.removeFirst();
    return numbers;
}

} // namespace

QString ShownText(std::string_view engineText)
{
    const QString text = FromEngine(engineText);
    for (const EngineText& entry : Table) {
        if (entry.engine == engineText)
            return QCoreApplication::translate(Context, entry.source);
        if (auto numbers = MatchNumbers(FromEngine(entry.engine), text)) {
            QString shown = QCoreApplication::translate(Context, entry.source);
            for (const QString& number : *numbers)
                shown = shown.arg(number);
            return shown;
        }
    }
    return text;
}

int EngineTextCount() { return static_cast<int>(Table.size()); }

QString EngineTextSource(int index) { return QString::fromUtf8(Table.at(static_cast<std::size_t>(index)).source); }

} // namespace llk::dialogs
