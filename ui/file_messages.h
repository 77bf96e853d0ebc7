// What the window tells the player when a file stands in the way, in Czech,
// naming the file and saying what was and was not done.
#pragma once

#include "file_replace.h"

#include <QString>

namespace zef {

class PlanTooLong;

QString CannotCreateMessage(const QString& name, const QString& reason);

// The plan could not be loaded into the editor at start-up.
QString UnreadablePlanMessage(const QString& name, const QString& reason);

// A data file could not be read during a refresh.
QString UnreadableDataFileMessage(const QString& name, const QString& reason);

QString PlanNotSavedMessage(const QString& name, const ReplaceFailure& failure);

// Asked before a refresh replaces a plan file that this window did not write
// or load as it now stands.
QString OverwriteQuestion(const QString& name);

QString PlanTooLongMessage(const PlanTooLong& refusal);

}  // namespace zef
