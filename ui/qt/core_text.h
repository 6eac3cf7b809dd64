#pragma once

// The core holds its texts as UTF-16, as QString does: they cross over unchanged.

#include <QString>

#include <string_view>

namespace hinomori::ui {

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace hinomori::ui
