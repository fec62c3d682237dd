#pragma once

#include "engine/Money.h"
#include "plans/TopluTahsilatGirisi.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace quv {

class DateEdit;
class MoneyEdit;

// Enters a run of equal, evenly spaced instalments for the manual plan at once: the
// dialog checks the entries and hands them back through its properties; the wizard
// turns them into rows of its grid.
class frmTahsilatEklemeSihirbazi : public QDialog {
    Q_OBJECT
public:
    explicit frmTahsilatEklemeSihirbazi(QWidget* parent = nullptr);
    ~frmTahsilatEklemeSihirbazi() override;

    // Set by the caller: the working copy's calculation date.
    QString HesapTarihi;
    // Read after closing.
    Money Tutar;
    qint16 TekrarSayisi = 0;
    QString IlkTarih;
    qint16 Periyot = 1;
    // List index of cboPeriyotTipi: 0 "Ay", 1 "Gün".
    qint16 PeriyotTipi = 0;
    // List index of cboTaksitYatirmaYeri: 0 "İcrada", 1 "Elden".
    qint16 TaksitYatirmaYeri = 0;
    // Closed with the save command.
    bool TamamaBasildi = false;

    // The properties as the bulk entry of the manual plan (its rows).
    TopluTahsilatGirisi Giris() const;

    MoneyEdit* oceTutar = nullptr;
    MoneyEdit* oceTekrar = nullptr;
    DateEdit* otrTarih = nullptr;
    MoneyEdit* ocePeriyot = nullptr;
    QComboBox* cboPeriyotTipi = nullptr;
    QComboBox* cboTaksitYatirmaYeri = nullptr;
    QPushButton* cmdKaydet = nullptr;
    QPushButton* cmdIptal = nullptr;

private:
    void cmdKaydet_Click();
    // The entries as the controls hold them.
    TopluTahsilatGirisi kontrollerdenGiris() const;
};

}  // namespace quv
