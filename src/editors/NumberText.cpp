// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/NumberText.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace fk {

std::optional<std::int32_t> convertNumberText(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    // nearbyint follows the current rounding mode; halves must go to the even
    // neighbour whatever a library may have set.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(savedMode);
    if (rounded < double(std::numeric_limits<std::int32_t>::min()) ||
        rounded > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return std::int32_t(rounded);
}

}  // namespace fk
