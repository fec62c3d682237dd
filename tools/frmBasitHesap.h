#pragma once

#include "engine/Money.h"
#include "tools/BasitHesap.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace quv {

class DataGrid;
class DateEdit;
class DocumentService;
class MoneyEdit;
class clsHesapAna;

// The simple interest calculator: the debt of one principal amount at a fixed rate
// or by a rate table, computed by the full engine on a file record in memory and
// listed as amount and description, to be printed or exported to a spreadsheet.
// The inputs, their checks and the calculation are BasitHesap's.
class frmBasitHesap : public QDialog {
    Q_OBJECT
public:
    explicit frmBasitHesap(QWidget* parent = nullptr);
    ~frmBasitHesap() override;

    // The facade the window was opened from; its parameter set and engine run the
    // calculation. Without one the window uses a facade of its own.
    clsHesapAna* AktifHesap = nullptr;

    // Prints the statement (a preview for the default printer); a real one unless
    // replaced.
    void setDocumentService(std::shared_ptr<DocumentService> service);
    DocumentService& documentService() const { return *documentService_; }

    // Where the spreadsheet export writes its workbook (a folder of the system's
    // temporary files unless set), and the workbook written last.
    QString ExcelKlasoru;
    QString SonExcelDosyasi;

    // Fills the rate-table list and the days-in-year choice; showing the window
    // does it when the caller has not.
    void FormYukle();

    // The calculator behind the window: its inputs as last read from the controls
    // and the result lines of the last calculation.
    const BasitHesap& Hesap() const { return hesap_; }

    // Inputs.
    MoneyEdit* oceAsilAlacakTutari = nullptr;
    MoneyEdit* oceFaizIslemeyenAlacak = nullptr;
    MoneyEdit* oceFaizOrani = nullptr;
    QComboBox* cboFaizOraniTablosu = nullptr;
    QCheckBox* chkYilliFaizUygula = nullptr;
    DateEdit* otrFaizBaslangicTarihi = nullptr;
    DateEdit* otrTakipTarihi = nullptr;
    DateEdit* otrGununTarihi = nullptr;
    MoneyEdit* oceBorcluSayisi = nullptr;
    QCheckBox* chkHarcHesapla = nullptr;
    QCheckBox* chkFaizDetayiGoster = nullptr;
    // Lists the initial fees and expenses one by one instead of their sum.
    QCheckBox* chkHarcDetayiGoster = nullptr;
    QComboBox* cboYildakiGunSayisi = nullptr;
    // Results.
    DataGrid* grdHesap = nullptr;
    // Commands.
    QPushButton* cmdHesapla = nullptr;
    QPushButton* cmdYazdir = nullptr;
    QPushButton* cmdExcel = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdHesapla_Click();
    void cmdYazdir_Click();
    void cmdExcel_Click();
    // Reads the controls into the calculator; false (with the message shown and the
    // focus on the field) when a rule is broken.
    bool ValuesOK();
    void HesabiGriddeGoster();
    void HesapGridineSatirEkle(const BasitHesapSatiri& satir);
    QWidget* alanKontrolu(BasitHesap::Alan alan) const;
    clsHesapAna& hesapAna();

    BasitHesap hesap_;
    std::shared_ptr<DocumentService> documentService_;
    std::unique_ptr<clsHesapAna> kendiHesabi_;
    bool yuklendi_ = false;
};

}  // namespace quv
