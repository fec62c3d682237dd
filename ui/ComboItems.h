#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QComboBox;

namespace quv {

// One entry of a choice list: the text shown and the item data behind it (a code).
struct ComboEntry {
    QString text;
    QVariant data;
};

// Appends the entries, each with its item data.
void addComboItems(QComboBox& liste, const QList<ComboEntry>& entries);
// Selects the first entry whose item data equals the value (the lookup of
// modGeneral::g_fnFindMatchingItemDataOfCbo); false, and the selection unchanged,
// when no entry carries it.
bool selectComboItemData(QComboBox& liste, qint32 deger);
// The item data of the chosen entry as a code; `none` when nothing is chosen or the
// entry carries no number.
qint32 currentComboItemData(const QComboBox& liste, qint32 none = -1);

}  // namespace quv
