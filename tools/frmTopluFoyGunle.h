#pragma once

#include "tools/TopluFoyGuncelleyici.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;

namespace quv {

class DateEdit;
class MoneyEdit;
class clsHesapAna;

// The bulk file update: recalculates, and refreshes the notification tracking of,
// every enforcement file that matches the criteria, optionally after moving them all
// to a new calculation date. The run itself is TopluFoyGuncelleyici's; the window
// gathers the criteria, shows the progress and lets the user stop between files.
class frmTopluFoyGunle : public QDialog {
    Q_OBJECT
public:
    explicit frmTopluFoyGunle(QWidget* parent = nullptr);
    ~frmTopluFoyGunle() override;

    // The facade that recalculates the files; set by the caller before showing.
    clsHesapAna* ActiveHesap = nullptr;

    // Fills the lists (operators, outcomes, attorneys); showing the window does it
    // when the caller has not.
    void FormYukle();
    // The criteria as the controls hold them. A typed value that is not a number or
    // a date is handed on as typed, so the check names it.
    TopluGuncellemeKriterleri Kriterler() const;
    bool Calisiyor() const { return calisan_ != nullptr || iscilerCalisiyor_; }
    // The command line the workers of a parallel run are; empty: the one installed beside
    // this program (TopluIsciler::KomutSatiri).
    QString IsciProgrami;

    // While a run goes on, closing (Escape, the close box) only asks it to stop.
    void reject() override;

    QComboBox* cboFoyKoduOp = nullptr;
    MoneyEdit* oceFoyKodu1 = nullptr;
    MoneyEdit* oceFoyKodu2 = nullptr;
    QComboBox* cboTakipTarihiOp = nullptr;
    DateEdit* otrTakipTarihi1 = nullptr;
    DateEdit* otrTakipTarihi2 = nullptr;
    QComboBox* cboDosyaSonucu = nullptr;
    QComboBox* cboAvukat = nullptr;
    DateEdit* otrHesapTarihi = nullptr;
    QCheckBox* chkHesapBilgileriniGunle = nullptr;
    QCheckBox* chkTabligatBilgileriniTazele = nullptr;
    // Parallel jobs: above 1 the files are shared among that many worker processes, each
    // with its own connection (SQLite and PostgreSQL databases).
    QSpinBox* spnIsSayisi = nullptr;
    QProgressBar* opbGuncelle = nullptr;
    QLabel* lblNumber = nullptr;
    QPushButton* cmdGuncel = nullptr;
    QPushButton* cmdIptal = nullptr;

signals:
    // A file has been processed (running number from 1), before the window lets
    // pending events through.
    void foyGuncellendi(int sira, int sayi, qint32 foyKodu);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadOpCombolari();
    void LoadcboDosyaSonucu();
    void g_sbLoadAvukatlar(QComboBox& liste);
    void cmdGuncel_Click();
    void cmdIptal_Click();
    void ikinciDegerleriGoster();
    void ilerlemeyiSifirla();
    // The run shared among worker processes; the progress follows their summed counter.
    void iscilerleCalistir(const TopluGuncellemeKriterleri& kriterler, int isSayisi);
    void calismaDurumu(bool calisiyor);
    void durdur();

    QWidget* kriterler_ = nullptr;
    QLabel* lblFoyKoduVe_ = nullptr;
    QLabel* lblTakipTarihiVe_ = nullptr;
    std::unique_ptr<clsHesapAna> kendiHesabi_;
    TopluFoyGuncelleyici* calisan_ = nullptr;
    bool yuklendi_ = false;
    bool iscilerCalisiyor_ = false;
    bool durdurIstendi_ = false;
};

}  // namespace quv
