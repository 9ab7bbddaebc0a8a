// Runs the window tests inside one QApplication on a 1024 x 768 offscreen screen; built with
// LLK_TEST_STARTUP_LANGUAGE, the application speaks the language main() would choose.
#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/look.h"
#include "app/translation.h"

int main(int argc, char* argv[])
{
    // Test discovery starts the binary without the ctest environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + LLK_SCREEN_CONFIG);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    // The game remembers settings and results: never in the player's own folders.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    llk::app::ApplyLook();
#ifdef LLK_TEST_STARTUP_LANGUAGE
    llk::app::InstallTranslations(llk::app::StartupLanguage());
#endif
    return RUN_ALL_TESTS();
}
