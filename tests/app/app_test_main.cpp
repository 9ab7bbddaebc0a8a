// Runs the window tests inside one QApplication on a 1024 x 768 offscreen screen.
#include <QApplication>
#include <QLoggingCategory>

#include <gtest/gtest.h>

#include "app/look.h"

int main(int argc, char* argv[])
{
    // Test discovery starts the binary without the ctest environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + LLK_SCREEN_CONFIG);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    llk::app::ApplyLook();
    return RUN_ALL_TESTS();
}
