// The commitment document of the plan display.

#include "plans/frmShowPlan.h"

#include "engine/MessageService.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/ui/DocumentService.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace quv {

void frmShowPlan::cmdPrint_Click() {
    if (!SecilenBorclu()) {
        shared().messages().information(OdemePlaniMesajlari::TaahhutYapanSahsiSeciniz);
        cboborclu->setFocus();
        return;
    }
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

void frmShowPlan::TaahhutBelgesiYazdir(bool DetayliHesapDokumu, bool IlkTakipMasraflariDetayli) {
    trapped(QStringLiteral("Hesap.frmShowPlan.TaahhutBelgesiYazdir"), [&] {
        if (!FoyBilgileri)
            throw RuntimeError(91,
                               QStringLiteral("Object variable or With block variable not set"));
        TaahhutBelgesi belge(*FoyBilgileri);
        if (FoyKodu != 0)
            belge.FoyKodu = FoyKodu;
        belge.Satirlar = Satirlar();
        belge.TakipSonrasitoplamTahsilat = TakipSonrasitoplamTahsilat;
        belge.IlkTakipMasraflariDetayli = IlkTakipMasraflariDetayli;
        belge.MasrafDetayiniYazdir = chkMasrafDetayiniYazdir->isChecked();
        belge.GayriResmiMasraflariEkleme = GayriResmiMasraflariEkleme;
        belge.Olustur();
        documentService().preview(
            taahhutBelgesiDocument(belge, chkHesapDokumunuMetneEkle->isChecked(),
                                   DetayliHesapDokumu),
            this);
    });
}

}  // namespace quv
