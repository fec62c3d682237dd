#include "ui/ComboItems.h"

#include "engine/ComboItemData.h"

#include <QComboBox>

#include <limits>

namespace quv {

void addComboItems(QComboBox& liste, const QList<ComboEntry>& entries) {
    for (const ComboEntry& entry : entries)
        liste.addItem(entry.text, entry.data);
}

bool selectComboItemData(QComboBox& liste, qint32 deger) {
    const qint16 index = modGeneral::g_fnFindMatchingItemDataOfCbo(liste, deger);
    if (index < 0)
        return false;
    liste.setCurrentIndex(index);
    return true;
}

qint32 currentComboItemData(const QComboBox& liste, qint32 none) {
    if (liste.currentIndex() < 0)
        return none;
    bool ok = false;
    const qlonglong value = liste.currentData().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return none;
    return static_cast<qint32>(value);
}

}  // namespace quv
