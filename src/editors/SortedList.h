#pragma once
// The platform's sorted list: each item takes its place in alphabetical
// order without regard to case, whatever the order of adding.
#include <QComboBox>
#include <QString>

namespace fk {

inline void addSorted(QComboBox* list, const QString& item) {
    int at = 0;
    while (at < list->count() && QString::compare(list->itemText(at), item, Qt::CaseInsensitive) <= 0) ++at;
    list->insertItem(at, item);
}

}  // namespace fk
