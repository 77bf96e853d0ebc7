#include "application_title.h"

#include <utility>

namespace zef {

namespace {

std::wstring& Title()
{
    static std::wstring title;
    return title;
}

}  // namespace

void SetApplicationTitle(std::wstring title) { Title() = std::move(title); }

const std::wstring& ApplicationTitle() { return Title(); }

}  // namespace zef
