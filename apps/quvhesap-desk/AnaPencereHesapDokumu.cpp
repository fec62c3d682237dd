// The account statement of the selected file: calculated as of the panel's date
// without saving, then previewed for the default printer or written as a PDF.

#include "AnaPencere.h"
#include "HesapPaneli.h"

#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "summary/HesapDokumu.h"
#include "summary/HesapDokumuBelgesi.h"
#include "ui/DateEdit.h"
#include "ui/DocumentService.h"

namespace quv::desk {

namespace {

void bildir(const QString& metin) {
    shared().messages().information(metin);
}

}  // namespace

void AnaPencere::setDocumentService(std::shared_ptr<DocumentService> servis) {
    belgeler_ = std::move(servis);
}

DocumentService& AnaPencere::belgeler() {
    if (!belgeler_)
        belgeler_ = std::make_shared<DocumentService>();
    return *belgeler_;
}

bool AnaPencere::hesapDokumuHazirla(Document& belge) {
    if (!veritabaniGerekli())
        return false;
    const qint32 kod = seciliFoyKodu();
    if (kod == 0) {
        bildir(QStringLiteral("Hesap dökümü için listeden bir föy seçin."));
        return false;
    }
    const QString yazilan = panel_->tarihKutusu()->text().trimmed();
    const QString tarih = panel_->tarihKutusu()->textDate();
    if (!yazilan.isEmpty() && tarih.isEmpty()) {
        bildir(QStringLiteral("Hesap tarihi geçerli bir tarih değil: ") + yazilan);
        return false;
    }
    const quint64 oncekiHatalar = shared().reportedErrors();
    const std::optional<HesapDokumu> dokum = hesapDokumuHesapla(*hesap_, kod, tarih);
    if (!dokum) {
        // A failed run has shown its error; the statement of it would be wrong.
        bildir(shared().reportedErrors() == oncekiHatalar
                   ? QStringLiteral("%1 numaralı föy bulunamadı.").arg(kod)
                   : QStringLiteral("Föy %1 hesaplanamadı; hesap dökümü hazırlanmadı.").arg(kod));
        return false;
    }
    belge = hesapDokumuBelgesi(*dokum);
    return true;
}

void AnaPencere::hesapDokumu() {
    if (!belgeler().hasDefaultPrinter()) {
        bildir(QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz."));
        return;
    }
    Document belge;
    if (!hesapDokumuHazirla(belge))
        return;
    trapped(QStringLiteral("quvHesapDesk.AnaPencere.hesapDokumu"),
            [&] { belgeler().preview(belge, this); });
}

void AnaPencere::hesapDokumuPdf() {
    Document belge;
    if (!hesapDokumuHazirla(belge))
        return;
    const QString yol =
        belgeler().askPdfPath(this, QStringLiteral("Hesap-Dokumu-%1.pdf").arg(seciliFoyKodu()));
    if (yol.isEmpty())
        return;
    if (!belgeler().writePdf(belge, yol))
        bildir(QStringLiteral("PDF dosyası yazılamadı: ") + yol);
}

}  // namespace quv::desk
