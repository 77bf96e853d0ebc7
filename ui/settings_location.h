// Where "zeF.ini" lives. A copy run from a folder of its own keeps its
// settings beside the executable; an installed copy, whose folder the user
// may not write, keeps them in the user's configuration folder instead.
#pragma once

#include <QString>

namespace zef {

// Whether this process may create files in `folder`: its permissions for the
// user and a read-only file system both count. False for a missing folder.
bool FolderIsWritable(const QString& folder);

// The folder for "zeF.ini": `executableFolder` when it already holds one (read
// first, so an existing file keeps being used) or when this process may write
// there; otherwise `userFolder`, created when missing.
QString ChooseSettingsFolder(const QString& executableFolder, const QString& userFolder);

// "ZeF" in the user's configuration folder (~/.config/ZeF). It is named here,
// not taken from the application name, which names the program to the desktop.
QString UserSettingsFolder();

// The folder for "zeF.ini" of the running program, chosen as above between
// the executable's folder and the user's. Needs the application object.
QString ProgramSettingsFolder();

}  // namespace zef
