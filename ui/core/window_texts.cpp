#include "window_texts.h"

namespace zef {

std::string ChartNotSavedMessage(std::string_view path)
{
    return "Graf se nepodařilo uložit do " + std::string(path) + ".";
}

}  // namespace zef
