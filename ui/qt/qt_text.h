// The core speaks UTF-8 std::string, the widgets QString: these two are the
// window's only crossing between them.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zef {

inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline std::string ToUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), std::size_t(bytes.size())};
}

}  // namespace zef
