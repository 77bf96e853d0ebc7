// The program entry. The build stamp runs before the application object
// exists, then the one window is created (with its core and intro player)
// and the message loop runs until it closes. The GL libraries go only once
// the window is gone.
#include "application_title.h"
#include "czech_qt_texts.h"
#include "gl_libraries.h"
#include "qt_text.h"
#include "settings_location.h"
#include "termination_close.h"
#include "verInc.h"
#include "webU.h"
#include "window_texts.h"
#include "working_folder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    zef::StampBuild();
    QApplication application(argc, argv);
    zef::InstallCzechQtTexts(application);
    zef::SetApplicationTitle(zef::FromUtf8(zef::kStartTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("zef"));
    // Before the window: its creation runs the first refresh, which a TERM may interrupt.
    zef::CloseOnTermination([] {
        if (zef::Form1) {
            zef::Form1->CloseOnTermination();
        }
    });
    // Before the window, which makes the data files where it works.
    const std::optional<std::filesystem::path> movedTo = zef::LeaveInstallationFolder();
    int status = 0;
    {
        zef::TForm1 window(zef::ProgramSettingsFolder(), movedTo);
        window.show();
        status = QApplication::exec();
    }
    zef::UnloadGLLibraries();
    return status;
}
