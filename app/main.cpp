// The program's entry: the application, the window load and the message loop.
#include <QApplication>
#include <QLoggingCategory>

#include "app/backgrounds.h"
#include "app/look.h"
#include "app/main_window.h"
#include "app/translation.h"

namespace {

QtMessageHandler qtHandler = nullptr;

// Without an audio device the game is silent by design, and Qt Multimedia's notes about it are
// not the player's business. Most come in the multimedia categories; these two are written
// without a category. Everything else Qt reports (a platform plugin that cannot be loaded, a
// display that cannot be opened) is printed as usual.
void DropNoAudioNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (message == QLatin1String("PulseAudioService: pa_context_connect() failed") ||
                                 message == QLatin1String("No audio device detected")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    qtHandler = qInstallMessageHandler(DropNoAudioNotes);
    QApplication app(argc, argv);
    // Names the folders of the remembered settings and results, whatever the executable is called.
    QApplication::setApplicationName(QStringLiteral("lianliankan"));
    llk::app::ApplyLook();
    llk::app::InstallTranslations(llk::app::StartupLanguage());

    llk::app::Form1 form;
    if (!form.Load(llk::app::AppFolder()))
        return 1;
    form.ShowCentred();
    return QApplication::exec();
}
