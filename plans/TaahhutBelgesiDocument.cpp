#include "plans/TaahhutBelgesiDocument.h"

#include "file/clsFoyBilgileri.h"
#include "summary/HesapOzetiGosterimi.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

// The lines of a column text; the CR LF that ends the last entry opens no line.
QStringList satirlar(const QString& metin) {
    QStringList liste = documentLines(metin);
    if (!liste.isEmpty() && liste.last().isEmpty())
        liste.removeLast();
    return liste;
}

}  // namespace

Document taahhutBelgesiDocument(const TaahhutBelgesi& belge, bool HesapDokumunuMetneEkle,
                                bool DetayliHesapDokumu) {
    Document document;
    document.title =
        QStringLiteral("TAAHHÜT BELGESİ\nFöy Kodu : ") + QString::number(belge.FoyKodu);

    DocumentBlock dokum;
    dokum.heading = QStringLiteral("Borç Dökümü");
    dokum.columns << satirlar(belge.Tutarlar) << satirlar(belge.Etiketler);
    dokum.alignments << Qt::AlignRight << Qt::AlignLeft;
    document.blocks << dokum;

    DocumentBlock plan;
    plan.heading = QStringLiteral("Ödeme Planı");
    plan.columns << satirlar(belge.SolSira) << satirlar(belge.SolTarih) << satirlar(belge.SolTutar)
                 << satirlar(belge.SagSira) << satirlar(belge.SagTarih) << satirlar(belge.SagTutar);
    plan.alignments << Qt::AlignRight << Qt::AlignLeft << Qt::AlignRight << Qt::AlignRight
                    << Qt::AlignLeft << Qt::AlignRight;
    document.blocks << plan;

    if (HesapDokumunuMetneEkle) {
        DocumentBlock baslik;
        baslik.heading = QStringLiteral("Hesap Dökümü");
        document.blocks << baslik;
        for (const HesapOzetiGrubu& grup : hesapOzetiGruplari(belge.Foy.HesapOzeti())) {
            if (!DetayliHesapDokumu && grup.baslik != QStringLiteral("Bakiye"))
                continue;
            DocumentBlock blok;
            blok.heading = grup.baslik;
            QStringList etiketler;
            QStringList degerler;
            for (const auto& [etiket, deger] : grup.satirlar) {
                etiketler << etiket;
                degerler << deger;
            }
            blok.columns << etiketler << degerler;
            blok.alignments << Qt::AlignLeft << Qt::AlignRight;
            document.blocks << blok;
        }
    }
    return document;
}

}  // namespace quv
