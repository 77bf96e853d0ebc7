#include "window_texts.h"

#include "plan_file.h"

namespace zef {

std::string WorkingFolderCaption(std::string_view folder)
{
    return std::string(kWindowCaption) + " – soubory ve složce " + std::string(folder);
}

std::string ChartNotSavedMessage(std::string_view path)
{
    return "Graf se nepodařilo uložit do " + std::string(path) + ".";
}

std::string LineStartTip(std::int32_t fileLine) { return "řádek " + std::to_string(fileLine) + " v " + kPlanFileName; }

}  // namespace zef
