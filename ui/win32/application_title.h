// The application title: what the program calls itself in the caption of
// its messages ("Spinwheel" from the start, "q71_brouzdac" once the window is
// made), apart from the window's own caption.
#pragma once

#include <string>
#include <utility>

namespace zef {

inline std::wstring& ApplicationTitleText()
{
    static std::wstring title;
    return title;
}

inline void SetApplicationTitle(std::wstring title) { ApplicationTitleText() = std::move(title); }
inline const std::wstring& ApplicationTitle() { return ApplicationTitleText(); }

}  // namespace zef
