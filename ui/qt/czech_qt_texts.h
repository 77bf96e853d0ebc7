// Qt's own texts in Czech: the standard buttons of message boxes ("Ano",
// "Ne", "OK", "Zrušit") and the other texts Qt shows by itself. The program
// is Czech throughout, so this does not follow the user's locale; the
// program's own texts are Czech already.
#pragma once

class QCoreApplication;

namespace zef {

// Installs Qt's Czech translation (qtbase_cs) from Qt's translations folder
// for the life of `application`. False when it is not installed there; Qt's
// texts then stay English.
bool InstallCzechQtTexts(QCoreApplication& application);

}  // namespace zef
