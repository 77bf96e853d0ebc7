// What the Wine system tests ask of a running zef.exe from outside, as
// Windows itself would: the text of a window or of one of its controls
// (WM_GETTEXT, which Windows carries between processes), a close request
// as the task bar makes it (WM_SYSCOMMAND SC_CLOSE), which reaches a
// disabled window too; Wine's own close through the window manager does not;
// and a button's click (BM_CLICK, posted: a question the click asks must not
// hold the probe), since Wine's controls are no X windows to click on.
//
//   zef_probe text TITLE-PREFIX [CONTROL-ID]   prints the text as UTF-8
//   zef_probe close TITLE-PREFIX               asks the window to close
//   zef_probe click TITLE-PREFIX CONTROL-ID    clicks the button
//
// The first visible top-level window whose caption begins with TITLE-PREFIX
// (UTF-8) is taken. Exit status 0 when done, 1 when no such window exists.
#include "win_text.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Search {
    std::wstring prefix;
    HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    if (std::wstring_view(caption).substr(0, search.prefix.size()) == search.prefix) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindByCaption(const char* prefix)
{
    Search search{zef::Wide(prefix)};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(static_cast<std::size_t>(copied));
    return zef::Utf8(text);
}

struct ControlSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM parameter)
{
    auto& search = *reinterpret_cast<ControlSearch*>(parameter);
    if (GetDlgCtrlID(child) == search.id) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

// The control with `id` anywhere below `window` (the controls stand in a group).
HWND Control(HWND window, int id)
{
    ControlSearch search{id};
    EnumChildWindows(window, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zef_probe text|close|click TITLE-PREFIX [CONTROL-ID]\n");
        return 2;
    }
    const HWND window = FindByCaption(argv[2]);
    if (window == nullptr) {
        std::fprintf(stderr, "zef_probe: no window titled \"%s...\"\n", argv[2]);
        return 1;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
    }
    const HWND target = argc > 3 ? Control(window, std::atoi(argv[3])) : window;
    if (target == nullptr) {
        std::fprintf(stderr, "zef_probe: no control %s\n", argv[3]);
        return 1;
    }
    if (std::strcmp(argv[1], "click") == 0) {
        return argc > 3 && PostMessageW(target, BM_CLICK, 0, 0) ? 0 : 1;
    }
    const std::string text = TextOf(target);
    // The bytes as they are: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
