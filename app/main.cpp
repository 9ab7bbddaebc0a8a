// The program's entry: the application, the window load and the message loop.
#include <QApplication>
#include <QLoggingCategory>

#include "app/backgrounds.h"
#include "app/look.h"
#include "app/main_window.h"

int main(int argc, char* argv[])
{
    // Without an audio device the game is silent by design; Qt Multimedia's notes about it are
    // not the player's business. Everything else Qt reports (a platform plugin that cannot be
    // loaded, a display that cannot be opened) is printed as usual.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    QApplication app(argc, argv);
    llk::app::ApplyLook();

    llk::app::Form1 form;
    if (!form.Load(llk::app::AppFolder()))
        return 1;
    form.ShowCentred();
    return QApplication::exec();
}
