// The entries of "zeF.ini": the window position, the intro switch and the
// usage counters. Reading and writing use different spellings of some names
// ("Left"/"left", "statistika"/"Statistika"); the file matches names without
// regard to case, so both reach the same entries.
#pragma once

#include <cstdint>

namespace zef {

class IniFile;

inline constexpr const char* kSettingsFileName = "zeF.ini";

struct StoredSettings {
    std::int32_t left = 100;
    std::int32_t top = 100;
    std::int32_t starts = 0;        // "spusteni": program starts before this one
    std::int32_t designs = 0;       // "navrhArmady": refreshes made so far
    std::int32_t recruitments = 0;  // "narekrutovani": passed through unchanged
    bool intro = true;
};

// Reads the entries in the window's creation order; missing ones keep the defaults above.
StoredSettings ReadSettings(const IniFile& ini);

// What to store at close: position and switch as the window has them now,
// each counter as it stands on disk now plus what this run added to it since
// `atStart`, so that two windows sharing the file lose no counts.
StoredSettings SettingsToStore(const StoredSettings& onDisk, const StoredSettings& atStart, const StoredSettings& now);

// Writes the entries in the window's destruction order. Throws IniWriteError
// at the first write that fails; the entries after it are not written.
void WriteSettings(IniFile& ini, const StoredSettings& settings);

}  // namespace zef
