#include "win_text.h"

namespace zef {

std::wstring EditText(std::string_view utf8)
{
    const std::wstring wide = Wide(utf8);
    std::wstring text;
    text.reserve(wide.size() + wide.size() / 16);
    wchar_t previous = 0;
    for (const wchar_t c : wide) {
        if (c == L'\n' && previous != L'\r') {
            text += L'\r';
        }
        text += c;
        previous = c;
    }
    return text;
}

std::string WindowTextUtf8(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf8(text);
}

}  // namespace zef
