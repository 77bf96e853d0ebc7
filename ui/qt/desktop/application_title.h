// The application title names the program to the desktop: it is the class
// in the X11 window class (WM_CLASS) of each of the program's top-level
// windows, which desktop entries and task bars match, and the caption of its
// error and refusal dialogs. Unlike Qt's application display name it is
// never appended to a window's caption.
#pragma once

#include <QString>

namespace zef {

// Sets the title; windows shown from now on, and those already shown, carry
// it as their class. Needs the application object.
void SetApplicationTitle(const QString& title);

QString ApplicationTitle();

}  // namespace zef
