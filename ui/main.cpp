// The program entry. The engine's state is set up by static initialisation;
// the build stamp runs before the application object exists, then the one
// window is created and the message loop runs until it closes.
#include "verInc.h"
#include "webU.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    zef::StampBuild();
    QApplication application(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Spinwheel"));
    zef::TForm1 window(QCoreApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
