// The about window's texts. The people, addresses and numbers are made up.
#include "dialogs/about_texts.h"

namespace llk::dialogs {

namespace {

constexpr int SeparatorLength = 300;
constexpr char16_t IdeographicSpace = u'\u3000';

QString Separator()
{
    return QString(SeparatorLength, u'=');
}

} // namespace

QStringList CreditLines()
{
    return {
        QStringLiteral("名称：岚川连连看"),
        Separator(),
        QStringLiteral("版本：" LLK_VERSION), // the project's version, as the package carries it
        QStringLiteral("策划：林远舟"),
        QStringLiteral("代码：陈思齐"),
        QStringLiteral("代码：周若水"),
        QStringLiteral("界面：许青禾"),
        QStringLiteral("图片：沈星野"),
        QStringLiteral("图片：唐可一"),
        QStringLiteral("道具：韩知秋"),
        Separator(),
        QStringLiteral("建议：白云生"),
        QStringLiteral("意见：陆小满"),
        Separator(),
        QStringLiteral("感谢：方晓岚"),
        QStringLiteral("感谢：江一苇"),
        QStringLiteral("感谢：www.example.com"),
        QStringLiteral("感谢：孟书言"),
        QStringLiteral("感谢：即时通讯 80012345"),
        QStringLiteral("感谢：顾南星"),
        QStringLiteral("感谢：www.example.org"),
        QStringLiteral("感谢：叶青山"),
        QStringLiteral("感谢：即时通讯 80067890"),
        QStringLiteral("感谢：宋小棠"),
        QStringLiteral("感谢：程望舒"),
        QStringLiteral("感谢：www.example.net"),
        QStringLiteral("感谢：苏半夏"),
        QStringLiteral("感谢：所有试玩的朋友"),
        QStringLiteral("感谢：每一位玩家"),
        Separator(),
    };
}

QStringList ContactEntries()
{
    const QString indent(2, IdeographicSpace);
    return {
        QStringLiteral("联系作者的方式") + QString(8, IdeographicSpace) + QStringLiteral("→"),
        QStringLiteral("电子邮件："),
        indent + QStringLiteral("lanchuan@example.com"),
        QStringLiteral("即时通讯号码："),
        indent + QStringLiteral("80012345"),
    };
}

} // namespace llk::dialogs
