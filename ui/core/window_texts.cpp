#include "window_texts.h"

namespace zef {

std::string WorkingFolderCaption(std::string_view folder)
{
    return std::string(kWindowCaption) + " – soubory ve složce " + std::string(folder);
}

std::string ChartNotSavedMessage(std::string_view path)
{
    return "Graf se nepodařilo uložit do " + std::string(path) + ".";
}

}  // namespace zef
