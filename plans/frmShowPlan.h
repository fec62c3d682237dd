#pragma once

#include "engine/Money.h"
#include "plans/OdemePlani.h"
#include "plans/TaahhutKayit.h"

#include <QDialog>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quv {

class DataGrid;
class DocumentService;
struct Document;
class SmsGonderici;
class clsFoyBilgileri;

// The plan display: the computed instalments, the debtor who makes the commitment,
// saving the instalments as commitments (with agenda reminders when the user agrees),
// the commitment document and the SMS to the debtor.
class frmShowPlan : public QDialog {
    Q_OBJECT
public:
    explicit frmShowPlan(QWidget* parent = nullptr);
    ~frmShowPlan() override;

    // Inputs set by the opener before the window is shown.
    qint32 FoyKodu = 0;
    // The plan's working copy of the file; the document reads its summary.
    std::shared_ptr<clsFoyBilgileri> FoyBilgileri;
    // Collections received after the start of proceedings on the real file.
    Money TakipSonrasitoplamTahsilat;
    // Leave unofficial expenses off the document.
    bool GayriResmiMasraflariEkleme = false;

    // Fills the grid with the plan's rows (one tab-separated row each), shows the
    // total and takes the plan's collection total and expense choice.
    void PlaniGoster(const OdemePlani& Plan);
    // Loads the SMS settings, the debtor list and the place of stored commitments;
    // showing the window does it when the opener has not.
    void FormYukle();

    // The plan rows as the grid holds them now.
    QList<OdemePlaniSatiri> Satirlar() const;
    // The debtor chosen in the list; none when no entry is selected.
    std::optional<Borclu> SecilenBorclu() const;
    // The sum of the "Tutar" column, shown in lblToplamOdeme.
    Money FindTotal();

    // Prints the commitment document (a preview for the default printer); a real
    // service unless replaced.
    void setDocumentService(std::shared_ptr<DocumentService> service);
    DocumentService& documentService() const { return *documentService_; }
    // The SMS sender behind cmdSmsGonder (made by the SMS settings load).
    SmsGonderici* Sms() const { return sms_.get(); }

    // Controls.
    DataGrid* grdPlan = nullptr;
    QLabel* lblToplamOdeme = nullptr;
    QComboBox* cboborclu = nullptr;
    QCheckBox* chkTaahhutlerIcrada = nullptr;
    // Document options.
    QCheckBox* chkDetayliHesapDokumu = nullptr;
    QCheckBox* chkIlkTakipMasraflarininDetayiniYazdir = nullptr;
    QCheckBox* chkMasrafDetayiniYazdir = nullptr;
    QCheckBox* chkHesapDokumunuMetneEkle = nullptr;
    // The debtor's phone numbers for the SMS (editable: a number may be typed).
    QComboBox* cboTelefon = nullptr;
    QPushButton* cmdTaahhud = nullptr;
    QPushButton* cmdPrint = nullptr;
    // Saves the commitment document as a PDF file (no printer needed).
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdSmsGonder = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadGridProperties();
    void LoadBorclular();
    void CheckForTaahhut();
    void cmdTaahhud_Click();
    // The commitment document (defined with the document's texts).
    void cmdPrint_Click();
    void TaahhutBelgesiYazdir(bool DetayliHesapDokumu, bool IlkTakipMasraflariDetayli);
    void cmdPdf_Click();
    // The debtor check of the document commands (message and focus when none is chosen).
    bool belgeIcinBorcluSecili();
    // The document with the window's choices; raises when the plan has no working copy.
    Document taahhutBelgesi(bool DetayliHesapDokumu, bool IlkTakipMasraflariDetayli);
    // SMS (defined with the SMS sender).
    void SmsAyarlariniYukle();
    void TelefonlariYukle();
    void cmdSmsGonder_Click();

    std::shared_ptr<DocumentService> documentService_;
    std::unique_ptr<SmsGonderici> sms_;
    bool yuklendi_ = false;
};

}  // namespace quv
