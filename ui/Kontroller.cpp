#include "ui/Kontroller.h"

#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace quv {

MoneyEdit* paraKutusu(QWidget* parent, const char* ad, int ondalik, int enAzGenislik) {
    auto* kutu = adli(new MoneyEdit(parent), ad);
    kutu->setDecimals(ondalik);
    kutu->setMinimumWidth(enAzGenislik);
    return kutu;
}

DateEdit* tarihKutusu(QWidget* parent, const char* ad, int enAzGenislik) {
    auto* kutu = adli(new DateEdit(parent), ad);
    kutu->setMinimumWidth(enAzGenislik);
    return kutu;
}

QCheckBox* secimKutusu(QWidget* parent, const char* ad, const QString& metin) {
    return adli(new QCheckBox(metin, parent), ad);
}

QComboBox* secimListesi(QWidget* parent, const char* ad) {
    return adli(new QComboBox(parent), ad);
}

QPushButton* komutDugmesi(QWidget* parent, const char* ad, const QString& metin) {
    auto* dugme = adli(new QPushButton(metin, parent), ad);
    dugme->setAutoDefault(false);
    return dugme;
}

}  // namespace quv
