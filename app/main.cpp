// The program's entry: the application, the window load and the message loop.
#include <QApplication>
#include <QLoggingCategory>

#include "app/backgrounds.h"
#include "app/display_connection.h"
#include "app/main_window.h"
#include "app/look.h"

namespace {

// The game logs nothing: without an audio device it stays silent, and Qt's own notes about that
// (or about a missing runtime folder) are no business of the player's. Fatal errors still abort.
QtMessageHandler qtHandler = nullptr;

void DropMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && qtHandler)
        qtHandler(type, context, message);
}

void SetDefault(const char* variable, const char* value)
{
    if (!qEnvironmentVariableIsSet(variable))
        qputenv(variable, value);
}

} // namespace

int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(DropMessage);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    // Every picture is drawn by the processor. Qt's OpenGL integration for X11, which it otherwise
    // loads and sets up for windows that might ask for it, kept the first paint waiting about 1 ms.
    // A player's own setting wins.
    SetDefault("QT_XCB_GL_INTEGRATION", "none");
    llk::app::FontSetUp fonts;
    QApplication app(argc, argv);
    // Names the folders of the remembered settings and results, whatever the executable is called.
    QApplication::setApplicationName(QStringLiteral("lianliankan"));
    fonts.ApplicationReady();
    llk::app::WidenDisplayConnection();
    llk::app::ApplyLook();

    llk::app::Form1 form;
    fonts.Wait();
    if (!form.Load(llk::app::AppFolder()))
        return 1;
    form.ShowCentred();
    return QApplication::exec();
}
