#include "settings.h"

#include "ini_file.h"

namespace zef {

StoredSettings ReadSettings(const IniFile& ini)
{
    const StoredSettings defaults;
    StoredSettings s;
    s.left = ini.readInteger("FormOptions", "Left", defaults.left);
    s.top = ini.readInteger("FormOptions", "Top", defaults.top);
    s.starts = ini.readInteger("statistika", "spusteni", defaults.starts);
    s.designs = ini.readInteger("statistika", "navrhArmady", defaults.designs);
    s.recruitments = ini.readInteger("statistika", "narekrutovani", defaults.recruitments);
    s.intro = ini.readBool("FormOptions", "intro", defaults.intro);
    return s;
}

namespace {

// Counters wrap around like the 32-bit integers they are stored as.
std::int32_t AddRunCount(std::int32_t onDisk, std::int32_t atStart, std::int32_t now)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(onDisk) + static_cast<std::uint32_t>(now) -
                                     static_cast<std::uint32_t>(atStart));
}

}  // namespace

StoredSettings SettingsToStore(const StoredSettings& onDisk, const StoredSettings& atStart, const StoredSettings& now)
{
    StoredSettings s = now;
    s.starts = AddRunCount(onDisk.starts, atStart.starts, now.starts);
    s.designs = AddRunCount(onDisk.designs, atStart.designs, now.designs);
    s.recruitments = AddRunCount(onDisk.recruitments, atStart.recruitments, now.recruitments);
    return s;
}

void WriteSettings(IniFile& ini, const StoredSettings& s)
{
    ini.writeBool("FormOptions", "intro", s.intro);
    ini.writeInteger("FormOptions", "left", s.left);
    ini.writeInteger("FormOptions", "top", s.top);
    ini.writeInteger("Statistika", "spusteni", s.starts);
    ini.writeInteger("Statistika", "navrhArmady", s.designs);
    ini.writeInteger("Statistika", "narekrutovani", s.recruitments);
}

}  // namespace zef
