// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text to whole number, as the number and font editors read their boxes:
// the user's locale (decimal and grouping separators), blanks around and a
// leading sign allowed, fractions rounded half to even. Empty, non-numeric
// or out-of-32-bit text gives nothing.
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace fk {

std::optional<std::int32_t> convertNumberText(const QString& text, const QLocale& locale = QLocale());

}  // namespace fk
