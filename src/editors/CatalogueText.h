// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's texts in the user's language. The catalogue keeps the
// design's English; they are translated as they are shown.
#include "catalogue/Catalogue.h"
#include "editors/AnsiText.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace fk {

inline QString catalogueText(const std::string& text) {
    return QCoreApplication::translate("fk::Catalogue", text.c_str());
}

// The description of entry `index`; the hidden-feature note is translated
// apart from the text it ends.
inline QString settingDescription(int index) {
    const std::string& text = settingEntry(index).description;
    const std::string note = std::string(ParagraphBreak) + hiddenFeatureNote();
    if (text.size() <= note.size() || text.compare(text.size() - note.size(), note.size(), note) != 0)
        return catalogueText(text);
    return catalogueText(text.substr(0, text.size() - note.size())) + fromAnsi(std::string(ParagraphBreak)) +
           catalogueText(hiddenFeatureNote());
}

}  // namespace fk
