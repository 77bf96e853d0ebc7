// A CSV being written beside its target is a temporary file until the run
// succeeds; a run ended from outside (Ctrl+C, the end of the session, a kill
// by TERM) must not leave it behind, however far it got.
#pragma once

#include <filesystem>

namespace zef {

// From now on an interruption removes `file`, with the others given before,
// before the program ends as it would have; an empty path adds nothing.
void RemoveOnInterruption(const std::filesystem::path& file);

}  // namespace zef
