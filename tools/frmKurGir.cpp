#include "tools/frmKurGir.h"

#include "engine/SharedState.h"
#include "ui/MoneyEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quv {

frmKurGir::frmKurGir(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmKurGir"));
    setWindowTitle(QStringLiteral("Döviz Kuru Girişi"));
    setModal(true);

    lblAciklama = new QLabel(this);
    lblAciklama->setObjectName(QStringLiteral("lblAciklama"));
    lblAciklama->setWordWrap(true);
    QFont kalin = lblAciklama->font();
    kalin.setBold(true);
    lblAciklama->setFont(kalin);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);

    lblSimge = new QLabel(this);
    lblSimge->setObjectName(QStringLiteral("lblSimge"));

    oceKur = new MoneyEdit(this);
    oceKur->setObjectName(QStringLiteral("oceKur"));
    // Exchange rates are published and stored with four decimals.
    oceKur->setDecimals(4);
    oceKur->setMinimumWidth(140);

    cmdKaydet = new QPushButton(QStringLiteral("&Kaydet"), this);
    cmdKaydet->setObjectName(QStringLiteral("cmdKaydet"));
    cmdKaydet->setDefault(true);
    cmdIptal = new QPushButton(QStringLiteral("İ&ptal"), this);
    cmdIptal->setObjectName(QStringLiteral("cmdIptal"));

    auto* kurSatiri = new QHBoxLayout;
    kurSatiri->addWidget(lblSimge);
    kurSatiri->addWidget(oceKur);
    kurSatiri->addStretch();

    auto* komutlar = new QHBoxLayout;
    komutlar->addStretch();
    komutlar->addWidget(cmdKaydet);
    komutlar->addWidget(cmdIptal);

    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(lblAciklama);
    duzen->addWidget(lblInfo);
    duzen->addLayout(kurSatiri);
    duzen->addLayout(komutlar);
    setMinimumWidth(420);

    connect(cmdKaydet, &QPushButton::clicked, this, &frmKurGir::cmdKaydet_Click);
    connect(cmdIptal, &QPushButton::clicked, this, &frmKurGir::reject);
}

void frmKurGir::alanlariAktar() {
    giris_.Tarih = Tarih;
    giris_.Doviz = Doviz;
    giris_.TarihAciklamasi = TarihAciklamasi;
}

void frmKurGir::FormYukle() {
    alanlariAktar();
    lblAciklama->setText(TarihAciklamasi);
    lblAciklama->setVisible(!TarihAciklamasi.isEmpty());
    giris_.InfoLabeliniYukle();
    lblInfo->setText(giris_.lblInfo);
    lblSimge->setText(giris_.lblSimge);
    oceKur->setFocus();
    // The texts change the sizes: lay out again before the dialog is shown.
    layout()->activate();
    yuklendi_ = true;
}

void frmKurGir::showEvent(QShowEvent* event) {
    if (!yuklendi_)
        FormYukle();
    QDialog::showEvent(event);
}

void frmKurGir::cmdKaydet_Click() {
    alanlariAktar();
    switch (giris_.Kaydet(oceKur->value())) {
        case KurGirisi::Sonuc::Kaydedildi:
            TLTutar = giris_.TLTutar;
            accept();
            return;
        case KurGirisi::Sonuc::DegerYok:
            shared().messages().information(KurGirisi::degerIstemMesaji());
            oceKur->setFocus();
            oceKur->selectAll();
            return;
        case KurGirisi::Sonuc::KayitHatasi:
            // The error has been reported; the entry stays for another try.
            return;
    }
}

void frmKurGir::reject() {
    giris_.Iptal();
    TLTutar = giris_.TLTutar;
    QDialog::reject();
}

}  // namespace quv
