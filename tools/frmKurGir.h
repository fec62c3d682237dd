#pragma once

#include "engine/Money.h"
#include "tools/KurGirisi.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace quv {

class MoneyEdit;

// The modal dialog that asks for the Turkish-lira value of one unit of a currency on
// a date when a calculation needs a rate that tblkur does not hold; the value given
// is stored in tblkur. The request texts and the storing are KurGirisi's.
class frmKurGir : public QDialog {
    Q_OBJECT
public:
    explicit frmKurGir(QWidget* parent = nullptr);

    // Set by the caller before showing.
    QString Tarih;
    quint8 Doviz = 0;
    QString TarihAciklamasi;
    // Read after closing: the value saved, 1 after a cancel.
    Money TLTutar = Money::fromUnits(1);

    // Fills the explanation and the request texts from the fields above; showing
    // the dialog does it when the caller has not.
    void FormYukle();

    // Closing without saving (cancel, Escape, the window's close box) gives 1.
    void reject() override;

    QLabel* lblAciklama = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblSimge = nullptr;
    MoneyEdit* oceKur = nullptr;
    QPushButton* cmdKaydet = nullptr;
    QPushButton* cmdIptal = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdKaydet_Click();
    void alanlariAktar();

    KurGirisi giris_;
    bool yuklendi_ = false;
};

}  // namespace quv
