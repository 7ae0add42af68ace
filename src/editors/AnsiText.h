// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screen text <-> registry text. The registry holds code page 1252; a
// character it cannot hold is stored as '?'.
#include "text/Cp1252.h"

#include <QString>

#include <string>

namespace fk {

inline QString fromAnsi(const std::string& text) {
    return QString::fromStdString(text::cp1252ToUtf8(text));
}

inline std::string toAnsi(const QString& text) {
    return text::utf8ToCp1252(text.toStdString());
}

}  // namespace fk
