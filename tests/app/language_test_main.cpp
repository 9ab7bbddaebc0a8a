// Runs the language checks inside one QApplication that speaks the language main() would choose.
#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/look.h"
#include "app/translation.h"

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + LLK_SCREEN_CONFIG);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    llk::app::ApplyLook();
    llk::app::InstallTranslations(llk::app::StartupLanguage());
    return RUN_ALL_TESTS();
}
