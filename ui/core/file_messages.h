// What the window tells the player when a file stands in the way, in Czech
// (UTF-8), naming the file and saying what was and was not done.
#pragma once

#include "file_failure.h"
#include "windows1250.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zef {

class PlanTooLong;

// The cause in Czech words; the system's own text only where there are none.
std::string CzechReason(const FileFailure& failure);

std::string CannotCreateMessage(std::string_view name, const FileFailure& failure);

// A file cannot be read, in one sentence; the messages below say what
// follows from it.
std::string UnreadableFileProblem(std::string_view name, const FileFailure& failure);

// The plan could not be loaded into the editor at start-up.
std::string UnreadablePlanMessage(std::string_view name, const FileFailure& failure);

// A data file could not be read during a refresh.
std::string UnreadableDataFileMessage(std::string_view name, const FileFailure& failure);

std::string PlanNotSavedMessage(std::string_view name, const FileFailure& failure);

// The editor holds a character that the plan file cannot: the fact, and the
// message of a refresh, which saves and computes nothing.
std::string UnencodableCharacterProblem(std::string_view name, const UnencodableCharacter& character);
std::string UnencodableCharacterMessage(std::string_view name, const UnencodableCharacter& character);

// Asked before a refresh replaces a plan file that this window did not write
// or load as it now stands.
std::string OverwriteQuestion(std::string_view name);

// Asked at start-up when a save of the plan was cut off in the middle; the
// copy of the plan before it is kept as `keptCopy`.
std::string InterruptedSaveQuestion(std::string_view name, const std::filesystem::path& keptCopy);

// Said at start-up when a save of the plan was cut off and no whole copy of
// the plan before it is left in `folder`.
std::string TornPlanWithoutCopyMessage(std::string_view name, const std::filesystem::path& folder);

// A plan that had to be rewritten in place was not, because the copy of its
// old bytes could not be kept in `folder` (nothing: there is no home folder).
std::string PlanCopyNotKeptMessage(std::string_view name, const std::optional<std::filesystem::path>& folder,
                                   const FileFailure& failure);

// A copy or mark in the recovery folder could not be written or removed.
std::string RecoveryFolderMessage(const std::filesystem::path& folder, const FileFailure& failure);

// The settings file found at start cannot be used, and will not be written.
std::string UnusableSettingsMessage(const std::filesystem::path& path, const FileFailure& failure);
// The settings could not be written at close.
std::string SettingsNotSavedMessage(const std::filesystem::path& path, const FileFailure& failure);

// A refresh whose run the memory could not hold.
std::string OutOfMemoryMessage();

// A plan with more turns than a run can count: the fact, and the message of
// a refresh, which computes nothing.
std::string PlanTooLongProblem(const PlanTooLong& refusal);
std::string PlanTooLongMessage(const PlanTooLong& refusal);

}  // namespace zef
