#pragma once

#include <QtGlobal>

class QComboBox;

namespace quv::modGeneral {

// Index of the first entry of the list whose item data equals the value; -1 if none.
qint16 g_fnFindMatchingItemDataOfCbo(const QComboBox& liste, qint32 deger);

}  // namespace quv::modGeneral
