#pragma once

#include "platform/format/Cp1251.h"

#include <QString>
#include <string>
#include <string_view>

namespace orlevan {

// The only crossing between the program's Windows-1251 text and Qt's strings.
inline QString toQt(std::string_view bytes) {
    return QString::fromStdString(cp1251::toUtf8(bytes));
}

// Characters the code page lacks become '?'; the input line never lets them in.
inline std::string fromQt(const QString& text) {
    return cp1251::fromUtf8(text.toStdString());
}

} // namespace orlevan
