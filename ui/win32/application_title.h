// The application title: what the program calls itself in the caption of
// its messages ("Spinwheel" from the start, "q71_brouzdac" once the window is
// made), apart from the window's own caption.
#pragma once

#include <string>

namespace zef {

void SetApplicationTitle(std::wstring title);
const std::wstring& ApplicationTitle();

}  // namespace zef
