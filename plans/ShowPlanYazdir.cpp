// The commitment document of the plan display.

#include "plans/frmShowPlan.h"

#include "engine/MessageService.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "ui/DocumentService.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace quv {

bool frmShowPlan::belgeIcinBorcluSecili() {
    if (SecilenBorclu())
        return true;
    shared().messages().information(OdemePlaniMesajlari::TaahhutYapanSahsiSeciniz);
    cboborclu->setFocus();
    return false;
}

void frmShowPlan::cmdPrint_Click() {
    if (!belgeIcinBorcluSecili())
        return;
    if (!documentService().hasDefaultPrinter()) {
        shared().messages().information(
            QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz."));
        return;
    }
    cmdPrint->setEnabled(false);
    TaahhutBelgesiYazdir(chkDetayliHesapDokumu->isChecked(),
                         chkIlkTakipMasraflarininDetayiniYazdir->isChecked());
    cmdPrint->setEnabled(true);
}

Document frmShowPlan::taahhutBelgesi(bool DetayliHesapDokumu, bool IlkTakipMasraflariDetayli) {
    if (!FoyBilgileri)
        throw RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
    TaahhutBelgesi belge(*FoyBilgileri);
    if (FoyKodu != 0)
        belge.FoyKodu = FoyKodu;
    belge.Satirlar = Satirlar();
    belge.TakipSonrasitoplamTahsilat = TakipSonrasitoplamTahsilat;
    belge.IlkTakipMasraflariDetayli = IlkTakipMasraflariDetayli;
    belge.MasrafDetayiniYazdir = chkMasrafDetayiniYazdir->isChecked();
    belge.GayriResmiMasraflariEkleme = GayriResmiMasraflariEkleme;
    belge.Olustur();
    return taahhutBelgesiDocument(belge, chkHesapDokumunuMetneEkle->isChecked(),
                                  DetayliHesapDokumu);
}

void frmShowPlan::TaahhutBelgesiYazdir(bool DetayliHesapDokumu, bool IlkTakipMasraflariDetayli) {
    trapped(QStringLiteral("Hesap.frmShowPlan.TaahhutBelgesiYazdir"), [&] {
        documentService().preview(taahhutBelgesi(DetayliHesapDokumu, IlkTakipMasraflariDetayli),
                                  this);
    });
}

// The same document saved as a PDF file, for offices that send it by e-mail or have no
// printer at hand.
void frmShowPlan::cmdPdf_Click() {
    if (!belgeIcinBorcluSecili())
        return;
    cmdPdf->setEnabled(false);
    trapped(QStringLiteral("Hesap.frmShowPlan.TaahhutBelgesiKaydet"), [&] {
        const Document belge = taahhutBelgesi(chkDetayliHesapDokumu->isChecked(),
                                              chkIlkTakipMasraflarininDetayiniYazdir->isChecked());
        const QString yol = documentService().askPdfPath(
            this, QStringLiteral("Taahhut-Belgesi-%1.pdf").arg(FoyKodu));
        if (yol.isEmpty())
            return;
        if (!documentService().writePdf(belge, yol))
            shared().messages().information(QStringLiteral("PDF dosyası yazılamadı: ") + yol);
    });
    cmdPdf->setEnabled(true);
}

}  // namespace quv
