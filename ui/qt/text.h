#pragma once
// The core's text is UTF-8 in std::string; Qt's is QString. Converted here, both ways, exactly.

#include <QString>

#include <string>
#include <string_view>

namespace ui::qt {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace ui::qt
