// The about window's texts. The people, addresses and numbers are made up.
#include "dialogs/about_texts.h"

#include <QCoreApplication>

namespace llk::dialogs {

namespace {

constexpr int SeparatorLength = 300;
constexpr char16_t IdeographicSpace = u'\u3000';

QString Separator() { return QString(SeparatorLength, u'='); }

} // namespace

QStringList CreditLines()
{
    return {
        QCoreApplication::translate("AboutTexts", "名称：岚川连连看"),
        Separator(),
        QCoreApplication::translate("AboutTexts", "版本：%1").arg(QStringLiteral(LLK_VERSION)), // the project's version, as the package carries it
        QCoreApplication::translate("AboutTexts", "策划：林远舟"),
        QCoreApplication::translate("AboutTexts", "代码：陈思齐"),
        QCoreApplication::translate("AboutTexts", "代码：周若水"),
        QCoreApplication::translate("AboutTexts", "界面：许青禾"),
        QCoreApplication::translate("AboutTexts", "图片：沈星野"),
        QCoreApplication::translate("AboutTexts", "图片：唐可一"),
        QCoreApplication::translate("AboutTexts", "道具：韩知秋"),
        Separator(),
        QCoreApplication::translate("AboutTexts", "建议：白云生"),
        QCoreApplication::translate("AboutTexts", "意见：陆小满"),
        Separator(),
        QCoreApplication::translate("AboutTexts", "感谢：方晓岚"),
        QCoreApplication::translate("AboutTexts", "感谢：江一苇"),
        QCoreApplication::translate("AboutTexts", "感谢：www.example.com"),
        QCoreApplication::translate("AboutTexts", "感谢：孟书言"),
        QCoreApplication::translate("AboutTexts", "感谢：即时通讯 80012345"),
        QCoreApplication::translate("AboutTexts", "感谢：顾南星"),
        QCoreApplication::translate("AboutTexts", "感谢：www.example.org"),
        QCoreApplication::translate("AboutTexts", "感谢：叶青山"),
        QCoreApplication::translate("AboutTexts", "感谢：即时通讯 80067890"),
        QCoreApplication::translate("AboutTexts", "感谢：宋小棠"),
        QCoreApplication::translate("AboutTexts", "感谢：程望舒"),
        QCoreApplication::translate("AboutTexts", "感谢：www.example.net"),
        QCoreApplication::translate("AboutTexts", "感谢：苏半夏"),
        QCoreApplication::translate("AboutTexts", "感谢：所有试玩的朋友"),
        QCoreApplication::translate("AboutTexts", "感谢：每一位玩家"),
        Separator(),
    };
}

QStringList ContactEntries()
{
    const QString indent(2, IdeographicSpace);
    return {
        QCoreApplication::translate("AboutTexts", "联系作者的方式") + QString(8, IdeographicSpace) +
            QCoreApplication::translate("AboutTexts", "→"),
        QCoreApplication::translate("AboutTexts", "电子邮件："),
        indent + QStringLiteral("lanchuan@example.com"),
        QCoreApplication::translate("AboutTexts", "即时通讯号码："),
        indent + QStringLiteral("80012345"),
    };
}

} // namespace llk::dialogs
