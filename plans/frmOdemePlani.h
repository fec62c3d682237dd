#pragma once

#include "plans/OdemePlaniDenetimleri.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace quv {

class DataGrid;
class DateEdit;
class MoneyEdit;
class OdemePlaniHesabi;
class clsFoyBilgileri;
class clsHesapAna;

// The payment-plan wizard for one file: the interest and offset assumptions of the
// plan, a plan by instalment count, by instalment amount or by hand, and the plan
// display. The window copies its controls into the plan computation (OdemePlaniHesabi),
// runs it and shows its outputs; it writes nothing to the database itself.
class frmOdemePlani : public QDialog {
    Q_OBJECT
public:
    explicit frmOdemePlani(QWidget* parent = nullptr);
    ~frmOdemePlani() override;

    // Set by the opener before FormYukle.
    clsHesapAna* AktifHesap = nullptr;
    qint32 FoyKodu = 0;

    // Makes and calculates the working copy of the file and shows its settings. False,
    // with the message or the error shown, when the file cannot be opened; showing the
    // window does it when the opener has not.
    bool FormYukle();

    // The computation behind the window and its working copy (none before FormYukle).
    OdemePlaniHesabi* Hesap() const { return hesap_.get(); }
    std::shared_ptr<clsFoyBilgileri> Wizardfoy() const;

    // Information.
    QLabel* lblGununTarihi = nullptr;
    QLabel* lblGuncelBakiye = nullptr;
    // Interest during the plan.
    MoneyEdit* oceFaizOrani = nullptr;
    DataGrid* grdFaizOrani = nullptr;
    MoneyEdit* oceFaizIndirimi = nullptr;
    QCheckBox* chkFaizIsletme = nullptr;
    // Severance pay (employee-claim files with a severance claim only).
    MoneyEdit* oceKidemFaizOrani = nullptr;
    DataGrid* grdKidemFaizOrani = nullptr;
    QCheckBox* chkKidemMahsup = nullptr;
    // Offset order.
    QComboBox* cboTMS = nullptr;
    DataGrid* grdMahsupSirasi = nullptr;
    // Other settings.
    QCheckBox* chkVekaletUcretiSabitle = nullptr;
    QCheckBox* chkKarsiliksizCekTazminatiniSifirla = nullptr;
    QCheckBox* chkGayriResmiMasraflariEkleme = nullptr;
    // Place of payment.
    QRadioButton* optIcrada = nullptr;
    QRadioButton* optElden = nullptr;
    // By instalment count.
    MoneyEdit* ocePesinat = nullptr;
    DateEdit* otrIlkTarih = nullptr;
    MoneyEdit* oceTaksitSayisi = nullptr;
    MoneyEdit* ocePeriyot = nullptr;
    QComboBox* cboSureTipi = nullptr;
    MoneyEdit* oceTaksitTutari = nullptr;
    QPushButton* cmdCalcAuto1 = nullptr;
    // By instalment amount.
    MoneyEdit* ocePesinat2 = nullptr;
    DateEdit* otrIlkTaksitTarihi2 = nullptr;
    MoneyEdit* oceTaksitTutari2 = nullptr;
    MoneyEdit* ocePeriyot2 = nullptr;
    QComboBox* cboSureTipi2 = nullptr;
    QCheckBox* chkSonTaksidiOncekineEkle = nullptr;
    MoneyEdit* oceTaksitSayisi2 = nullptr;
    MoneyEdit* oceSonTaksitTutari = nullptr;
    QPushButton* cmdCalcAuto2 = nullptr;
    // By hand.
    DataGrid* grdTahsilat = nullptr;
    QCheckBox* chkKalanBakiyeyiSonTaksideEkle = nullptr;
    QLabel* lblToplamOdenen = nullptr;
    QLabel* lblBakiye = nullptr;
    QPushButton* cmdCalcManuel = nullptr;
    QPushButton* cmdTopluTahsilatGirme = nullptr;
    // Commands.
    QPushButton* cmdOdemePlani = nullptr;
    QPushButton* cmdCancel = nullptr;
    // The settings pages (interest, severance, offset order, other) and the plan modes.
    QTabWidget* tabAyarlar = nullptr;
    QTabWidget* tabHesap = nullptr;
    QWidget* pageKidem = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Construction (frmOdemePlani.cpp).
    void kontrolleriOlustur();
    void yerlesimiKur();
    void degisiklikleriBagla();
    void LoadControlProperties();
    void LoadGridProperties();
    void LoadgrdFaizProperties();
    void LoadgrdMahsupSirasiProperties();
    void LoadcboMahsupSirasi();
    void LoadSureTipi();

    // Opening (frmOdemePlaniYukle.cpp).
    void LoadInfoGrid();
    void LoadFaizTablosu();
    void LoadKidemFaizTablosu();
    void LoadMahsupSirasiTablosu();

    // Commands (frmOdemePlaniKomutlari.cpp).
    void kontrolleriOku();
    void hesapla(qint16 mod);
    void sonuclariGoster(qint16 mod);
    void odakla(const Denetim& denetim);
    void ResetGecerliHesap();
    void vurgula(QPushButton* dugme);
    void tahsilatGridiDegisti(int satir);
    void tahsilatSatirlariniNumarala();
    void cmdOdemePlani_Click();
    void cmdTopluTahsilatGirme_Click();

    std::unique_ptr<OdemePlaniHesabi> hesap_;
    QString baslik_;
    bool yuklendi_ = false;
    // Set while the window itself writes into its controls: no input change then.
    bool kendiYaziyor_ = false;
};

}  // namespace quv
