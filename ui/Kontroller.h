#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QPushButton;
class QWidget;

namespace quv {

class DateEdit;
class MoneyEdit;

// The windows' controls carry the names of the members they are kept in, so that the
// layout, the focus moves after a failed check and the tests find them by name.
template <class W>
W* adli(W* kontrol, const char* ad) {
    kontrol->setObjectName(QString::fromLatin1(ad));
    return kontrol;
}

// An amount, rate or count box with the given decimals.
MoneyEdit* paraKutusu(QWidget* parent, const char* ad, int ondalik, int enAzGenislik = 110);
DateEdit* tarihKutusu(QWidget* parent, const char* ad, int enAzGenislik = 110);
QCheckBox* secimKutusu(QWidget* parent, const char* ad, const QString& metin);
QComboBox* secimListesi(QWidget* parent, const char* ad);
// A command button that Enter in a box does not press (only the dialog's default does).
QPushButton* komutDugmesi(QWidget* parent, const char* ad, const QString& metin);

}  // namespace quv
