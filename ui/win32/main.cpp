// The program entry on Windows. The build stamp runs before any window
// exists, an installed copy started in its own folder moves to the player's
// documents, then the one window is created (with its model and intro
// player), shown, and the message loop runs until it closes. The GL libraries go only
// once the window is gone.
#include "application_title.h"
#include "gl_libraries.h"
#include "settings_location.h"
#include "verInc.h"
#include "webU.h"
#include "win_text.h"
#include "window_texts.h"
#include "working_folder.h"

#include <commctrl.h>

namespace {

int RunMessageLoop(zef::TForm1& window)
{
    MSG message;
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (window.preTranslateMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    zef::StampBuild();
    // The progress bar, the tooltips and the unit list; the manifest asks for version 6.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                                          ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    zef::SetApplicationTitle(zef::Wide(zef::kStartTitle));
    // Before the window, which makes the data files where it works.
    const std::optional<std::filesystem::path> workingFolder = zef::LeaveInstallationFolder();
    int status = 0;
    {
        zef::TForm1 window(zef::ProgramSettingsFolder(), workingFolder);
        if (window.hwnd() == nullptr) {
            return 1;
        }
        window.show(showCommand);
        status = RunMessageLoop(window);
    }
    zef::UnloadGLLibraries();
    return status;
}
