// A CSV being written beside its target is a temporary file until the run
// succeeds; a run ended from outside (Ctrl+C, the end of the session, a kill
// by TERM) must not leave it behind, however far it got.
#pragma once

#include <filesystem>
#include <functional>

namespace zef {

// Runs `make`, which creates a file and returns its path (empty when it made
// none); from then on an interruption removes that file, with the others given
// before, before the program ends as it would have. An interruption that comes
// while `make` runs waits until the file is known, so no file is ever left
// behind by arriving between its creation and its listing.
void MakeRemovedOnInterruption(const std::function<std::filesystem::path()>& make);

}  // namespace zef
