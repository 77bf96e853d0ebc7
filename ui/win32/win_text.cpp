#include "win_text.h"

namespace zef {

std::wstring Wide(std::string_view utf8)
{
    if (utf8.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8(std::wstring_view wide)
{
    if (wide.empty()) {
        return {};
    }
    // A lone surrogate becomes U+FFFD, which the Windows-1250 encoder refuses
    // with a message naming it.
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

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
