#include "plans/BellekGridi.h"

#include "engine/RuntimeError.h"

namespace quv {

QString BellekGridi::cellText(int row, int column) const {
    if (row < 1 || row > rowCount() || column < 0)
        throw RuntimeError::subscriptOutOfRange();
    const QStringList& satir = satirlar_[row - 1];
    // Cells never written are blank.
    return column < satir.size() ? satir[column] : QString();
}

QVariant BellekGridi::listItemData(int column, int index) const {
    const QVariantList liste = listeler_.value(column);
    if (index < 0 || index >= liste.size())
        throw RuntimeError::subscriptOutOfRange();
    return liste[index];
}

}  // namespace quv
