#pragma once

#include "engine/RuntimeError.h"
#include "file/FaizTablosu.h"
#include "file/GridSource.h"
#include "file/MahsupSirasiTablosu.h"

#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace quv::test {

// A grid held in memory: data rows of cell texts and the drop-down lists of columns.
class MemoryGrid : public GridSource {
public:
    explicit MemoryGrid(std::vector<QStringList> rows, std::map<int, QVariantList> lists = {})
        : rows_(std::move(rows)), lists_(std::move(lists)) {}

    int rowCount() const override { return static_cast<int>(rows_.size()); }
    QString cellText(int row, int column) const override {
        const QStringList& cells = rows_.at(static_cast<std::size_t>(row - 1));
        return column < cells.size() ? cells.at(column) : QString();
    }
    QVariant listItemData(int column, int index) const override {
        auto list = lists_.find(column);
        if (list == lists_.end() || index < 0 || index >= list->second.size())
            throw RuntimeError::subscriptOutOfRange();
        return list->second.at(index);
    }

private:
    std::vector<QStringList> rows_;
    std::map<int, QVariantList> lists_;
};

inline MemoryGrid izgara(std::vector<QStringList> rows, std::map<int, QVariantList> lists = {}) {
    return MemoryGrid(std::move(rows), std::move(lists));
}

// Rows as "date rate" / "date order" texts, for readable comparisons.
inline std::vector<std::string> satirlar(const clsFaizTablosu& tablo) {
    std::vector<std::string> out;
    for (int i = 1; i <= tablo.Sayi(); ++i) {
        E_FaizTablosu row = tablo.FaizOranlari(i);
        out.push_back((row.Tarih + u' ' + QString::number(double(row.Oran))).toStdString());
    }
    return out;
}

inline std::vector<std::string> satirlar(const clsMahsupSirasiTablosu& tablo) {
    std::vector<std::string> out;
    for (int i = 1; i <= tablo.Sayi(); ++i) {
        E_MahsupsirasiTablosu row = tablo.MahsupSiralari(i);
        out.push_back((row.Tarih + u' ' + QString::number(row.MahsupSirasi)).toStdString());
    }
    return out;
}

using Satirlar = std::vector<std::string>;

}  // namespace quv::test
