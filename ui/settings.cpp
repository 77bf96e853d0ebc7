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
