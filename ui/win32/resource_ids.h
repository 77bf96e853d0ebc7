// Identifiers of the program's resources (zef.rc), shared by the resource
// script and the code; plain macros, since the resource compiler reads them.
#pragma once

#define ZEF_ICON 1  // the program's icon, the first: Windows shows it for zef.exe
#define ZEF_INTRO_BITMAP 101
