// How the window words, in Czech (UTF-8), what the plan reader made of a line
// of rekrut.txt and what in it may not be what the player meant.
#pragma once

#include "plan_reading.h"

#include <string>

namespace zef {

std::string WarningInCzech(const PlanWarning& warning);

// "řádek 6: plán č. 1, jednotka 1 (Elf), 2 DMG", then each warning on a line
// of its own.
std::string ReadingInCzech(const PlanLineReading& reading);

}  // namespace zef
