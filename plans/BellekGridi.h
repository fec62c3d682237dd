#pragma once

#include "file/GridSource.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariantList>

namespace quv {

// A grid held in memory: rows of cell texts and, per column, the item data of the
// drop-down list that edits it. The plan computation fills its default rate and
// offset-order grids from the file with it; the command line passes its own.
class BellekGridi : public GridSource {
public:
    void satirEkle(const QStringList& hucreler) { satirlar_.append(hucreler); }
    void listeAyarla(int sutun, const QVariantList& ogeler) { listeler_.insert(sutun, ogeler); }
    void temizle() {
        satirlar_.clear();
        listeler_.clear();
    }

    int rowCount() const override { return static_cast<int>(satirlar_.size()); }
    // Rows from 1; a row or column outside the grid raises run-time error 9.
    QString cellText(int row, int column) const override;
    QVariant listItemData(int column, int index) const override;

private:
    QList<QStringList> satirlar_;
    QHash<int, QVariantList> listeler_;
};

}  // namespace quv
