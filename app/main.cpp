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
    // Settings of Qt's X11 platform; a player's own setting of either wins.
    // Past the first paint the window repaints a few pixels at a time (the time bar's end every
    // second, a pair of tiles). Through X11 shared memory Qt waits for a round trip to the server
    // before it paints again where it has just sent pixels, which costs more than sending them:
    // with a game running, idle CPU is about 0.032 % of a core without it and 0.043 % with it.
    // The first frame, which shared memory would send faster, gets a wide socket instead
    // (display_connection.h).
    SetDefault("QT_XCB_NO_MITSHM", "1");
    // Every picture is drawn by the processor. Qt's OpenGL integration, which it otherwise loads
    // and sets up for windows that might ask for it, kept the first paint waiting about 1 ms.
    SetDefault("QT_XCB_GL_INTEGRATION", "none");
    llk::app::FontSetUp fonts;
    QApplication app(argc, argv);
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
