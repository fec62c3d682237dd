#pragma once

#include "formats/BelgeSemasi.h"
#include "ui/ComboItems.h"

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QWidget>

#include <functional>

class QTableWidget;

namespace quv::editors {

// Edits one section of a document: a grid of rows for a list section, a form for an
// object section (the file's head). Each field is edited in the box of its kind:
// dates in a date box, amounts and rates in a money box, closed lists in a drop-down
// of their Turkish names, other whole numbers in a box that takes digits only. The
// boxes hold what the user typed; turning it into the document's values is left to
// the document's import, which checks every field and names the place of a problem.
// A secret field (a password) is shown masked and left out of the document until the
// user types a new one, so the stored one is kept.
class BolumDuzenleyici : public QWidget {
    Q_OBJECT
public:
    // `secimler`: the choices of fields that name a row of another table (a currency,
    // an expense kind), by the field's name; a field with a closed list of values is
    // chosen by its Turkish names without them.
    explicit BolumDuzenleyici(const belge::Bolum& bolum,
                              const QHash<QString, QList<ComboEntry>>& secimler = {},
                              QWidget* parent = nullptr);

    const belge::Bolum& bolum() const { return bolum_; }
    // The choices of a field chosen from a drop-down; null for a field typed in.
    const QList<ComboEntry>* secimListesi(const belge::Alan& alan) const;

    // Fills the editor from the section's value in a document (an object, an array of
    // objects, or nothing).
    void yukle(const QJsonValue& deger);
    // The section for a document: the object, or the array of the rows that hold any
    // value; `satirlar` gets the grid row of each element of the array.
    QJsonValue belgeDegeri(QList<int>* satirlar = nullptr) const;

    // Rows of the grid (1 for an object section). Rows and fields are counted from 0.
    int satirSayisi() const;
    // Adds a row with the defaults of a new row; returns its number.
    int satirEkle();
    void satirSil(int satir);
    // The text of a field as the user sees and types it ("1.234,56", "05.09.2023"; the
    // number of a drop-down's choice).
    QString metin(int satir, const QString& alan) const;
    // Writes a field as if the user typed it.
    void setMetin(int satir, const QString& alan, const QString& metin);
    // Shows the field and puts the focus on it.
    void odakla(int satir, const QString& alan);

    // The grid of a list section; null for an object section.
    QTableWidget* tablo() const { return tablo_; }
    // The values a new row starts with, beside the defaults of their kinds.
    void setYeniSatir(std::function<QJsonObject()> degerler) { yeniSatir_ = std::move(degerler); }

    // The text a box shows for a document value, and the document value of a typed
    // text (a text that is no value of the kind goes as it is, for the import to name).
    static QString duzenlemeMetni(const belge::Alan& alan, const QJsonValue& deger);
    static QJsonValue belgeDegeri(const belge::Alan& alan, const QString& metin);

private:
    int sutun(const QString& alan) const;
    QWidget* formKutusu(const belge::Alan& alan);

    const belge::Bolum& bolum_;
    QTableWidget* tablo_ = nullptr;
    QHash<QString, QWidget*> kutular_;
    QHash<QString, QList<ComboEntry>> listeler_;
    // The form's fields the document left out.
    QSet<QString> yokAlanlar_;
    std::function<QJsonObject()> yeniSatir_;
};

}  // namespace quv::editors
