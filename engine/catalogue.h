#pragma once

#include "planning_state.h"

#include <string>
#include <string_view>

namespace zef {

inline constexpr const char* kCatalogueFileName = "arm.txt";

// Replaces the six accented Windows-1250 letters that the catalogue folds
// (Ž Č á ě í ý) by their fixed single-byte stand-ins, over the whole text.
void FoldAccents(std::string& text);

// Clears the 20-row catalogue and refills it from the bytes of arm.txt: every
// line with at least 9 digits is the next row; its name is the 4 characters
// from its first non-space, its first 8 number runs are the row's columns.
void LoadCatalogue(PlanningState& state, std::string_view bytes);

// The same from arm.txt in the current directory; a missing file is empty.
void LoadCatalogue(PlanningState& state);

}  // namespace zef
