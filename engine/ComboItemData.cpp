#include "engine/ComboItemData.h"

#include "engine/SharedState.h"

#include <QComboBox>

#include <exception>

namespace quv::modGeneral {

qint16 g_fnFindMatchingItemDataOfCbo(const QComboBox& liste, qint32 deger) {
    try {
        for (int i = 0; i < liste.count(); ++i) {
            QVariant data = liste.itemData(i);
            bool ok = false;
            qlonglong value = data.toLongLong(&ok);
            if (ok && value == deger)
                return static_cast<qint16>(i);
        }
    } catch (const std::exception& e) {
        shared().reporter().report(QStringLiteral("g_fnFindMatchingItemDataOfCbo") + QChar(13) +
                                   QString::fromLocal8Bit(e.what()));
    }
    return -1;
}

}  // namespace quv::modGeneral
