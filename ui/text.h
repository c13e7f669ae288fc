#pragma once
// Definition text is UTF-8 in string_views; Qt wants QString.

#include <QString>

#include <string_view>

namespace ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace ui
