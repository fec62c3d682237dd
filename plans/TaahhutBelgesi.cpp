#include "plans/TaahhutBelgesi.h"

#include "engine/Database.h"
#include "engine/DateService.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "file/FieldReads.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

const QString kSatirSonu = QStringLiteral("\r\n");

}  // namespace

TaahhutBelgesi::TaahhutBelgesi(clsFoyBilgileri& foy) : Foy(foy), FoyKodu(foy.FoyKodu) {}

void TaahhutBelgesi::AddToList(QString& Etiketler, QString& Tutarlar, Money Tutar,
                               const QString& Etiket, Money& Toplam) {
    if (Tutar <= Money())
        return;
    QString etiket = Etiket;
    etiket.remove(QChar(13)).remove(QChar(10));
    if (!Etiketler.isEmpty())
        Etiketler += kSatirSonu;
    Etiketler += QStringLiteral("-TL ") + etiket.trimmed();
    if (!Tutarlar.isEmpty())
        Tutarlar += kSatirSonu;
    Tutarlar += formatNumber(Tutar, FormatMoney);
    Toplam += Tutar;
}

QString TaahhutBelgesi::MasrafDetayiSorgusu(qint32 FoyKodu, bool SadeceResmiMasraflar) {
    // The condition on official expenses ends with a blank; without it the file code
    // still needs one before ORDER BY.
    return QStringLiteral(
               "SELECT fm.masraftutari, mt.ad FROm tblfoy_masraf AS fm INNER JOIN "
               "tblmasrafturu AS mt ON mt.kod = fm.masrafturukodu ") +
           QStringLiteral("WHERE fm.foykodu = ") + QString::number(FoyKodu) +
           (SadeceResmiMasraflar ? QStringLiteral(" AND fm.resmi = 1 ") : QStringLiteral(" ")) +
           QStringLiteral("ORDER BY fm.masraftarihi, fm.masrafkodu");
}

QString TaahhutBelgesi::OranMetni(float Oran) {
    QString sayi = QString::number(static_cast<double>(Oran), 'g', 7);
    sayi.replace(u'.', turkishLocale().decimalPoint());
    return sayi;
}

void TaahhutBelgesi::Olustur() {
    BorcDokumunuOlustur();
    TaksitleriOlustur();
}

void TaahhutBelgesi::BorcDokumunuOlustur() {
    Etiketler.clear();
    Tutarlar.clear();
    ToplamBorc = Money();
    const clsHesapOzeti& o = Foy.HesapOzeti();
    Database& db = shared().connection();
    const QString foyKodu = QString::number(FoyKodu);

    // The lines down to the collections before the start break down what the
    // enforcement total (Takip Çıkışı) already holds: they are shown, but counting them
    // too would add the same debt twice.
    Money dokum;
    const auto goster = [&](Money tutar, const QString& etiket) {
        AddToList(Etiketler, Tutarlar, tutar, etiket, dokum);
    };
    Money toplam;
    const auto ekle = [&](Money tutar, const QString& etiket) {
        AddToList(Etiketler, Tutarlar, tutar, etiket, toplam);
    };

    goster(o.BorcAsli, QStringLiteral("Borç Aslı"));
    goster(o.IslemisFaiz_AsilAlacak,
           QStringLiteral("Asıl Alacağın Takip Tarihine Kadar İşlemiş Faizi"));
    goster(o.IslemisFaiz_Kidem,
           QStringLiteral("Kıdem Tazminatının Takip Tarihine Kadar İşlemiş Faizi"));
    goster(o.IslemisFaiz_DigerIsciAlacagi,
           QStringLiteral("Diğer İşçi Alacaklarının Takip Tarihine Kadar İşlemiş Faizi"));
    goster(o.BSMVIslemisFaiz, QStringLiteral("BSMV %") + OranMetni(Foy.BSMVOrani));
    goster(o.KDVIslemisFaiz,
           QStringLiteral("İ. Faizin KDV'si %") + OranMetni(Foy.FaturaFaiziKDVOrani));
    goster(o.Tazminat, QStringLiteral("Tazminat %") + OranMetni(Foy.TazminatOrani));
    goster(o.Komisyon, QStringLiteral("Komisyon %") + OranMetni(Foy.KomisyonOrani));
    goster(o.KarsiliksizCekTazminati,
           QStringLiteral("Karşılıksız Çek Taz. %") + OranMetni(Foy.KarsiliksizCekTazminatiOrani));
    goster(o.IHGideri, QStringLiteral("İhtiyati Haciz Gideri"));
    goster(o.IHVekaletUcreti + o.IHVekaletUcreti_KDV, QStringLiteral("İ. H. Vekalet Ücreti"));
    if (o.TakipOncesiDigerAlacaklar > Money()) {
        RecordSet rs = db.openRecordSet(
            QStringLiteral("select * from tblfoy_TODA where foykodu = ") + foyKodu);
        while (!rs.eof()) {
            QString etiket = FieldReads::textOrEmpty(rs.value(QStringLiteral("ad")));
            // The claims that bear interest are marked; their interest follows as one line.
            if (!FieldReads::textOrEmpty(rs.value(QStringLiteral("faizbaslangictarihi")))
                     .trimmed()
                     .isEmpty())
                etiket += u'*';
            goster(FieldReads::moneyOrZero(rs.value(QStringLiteral("tutar"))), etiket);
            rs.moveNext();
        }
        rs.close();
        goster(o.IslemisFaiz_TODA, QStringLiteral("(*) İşaretli Alacakların Faizi"));
    }
    goster(o.TakipOncesiToplamTahsilat_Doviz, QStringLiteral("Takip Öncesi Tahsilat"));

    ekle(o.TakipCikisi_TLKismi, QStringLiteral("Takip Çıkışı"));
    if (IlkTakipMasraflariDetayli) {
        ekle(o.BasvuruHarci, QStringLiteral("Başvuru Harcı"));
        ekle(o.VekaletHarci, QStringLiteral("Vekalet Harcı"));
        ekle(o.EvrakGideri, QStringLiteral("Evrak Gideri"));
        ekle(o.PostaGideri, QStringLiteral("Posta Gideri"));
        ekle(o.DamgaPuluGideri, QStringLiteral("Damga Pulu"));
        ekle(o.DosyaGideri, QStringLiteral("Dosya Gideri"));
        ekle(o.BaroPulu, QStringLiteral("Baro Pulu"));
        ekle(o.PesinHarc, QStringLiteral("Peşin Harç"));
        ekle(o.MTSHarci, QStringLiteral("MTS Harcı"));
    } else {
        ekle(o.BasvuruHarci + o.VekaletHarci + o.EvrakGideri + o.PostaGideri + o.DamgaPuluGideri +
                 o.DosyaGideri + o.BaroPulu + o.PesinHarc + o.MTSHarci,
             QStringLiteral("İlk Takip Masrafı"));
    }
    ekle(o.TahliyeHarci, QStringLiteral("Tahliye Harcı"));
    ekle(o.MenkulTeslimHarci, QStringLiteral("Menkul Teslim Harcı"));
    ekle(o.EklenenNafaka, QStringLiteral("Eklenen Nafaka"));

    RecordSet sonraki =
        db.openRecordSet(QStringLiteral("SELECT * FROM tblfoy_sonrakialacak WHERE foykodu = ") +
                         foyKodu + QStringLiteral(" ORDER BY alacakkodu"));
    while (!sonraki.eof()) {
        ekle(FieldReads::moneyOrZero(sonraki.value(QStringLiteral("tutar"))),
             FieldReads::textOrEmpty(sonraki.value(QStringLiteral("alacakadi"))));
        sonraki.moveNext();
    }
    sonraki.close();

    if (MasrafDetayiniYazdir) {
        RecordSet masraflar =
            db.openRecordSet(MasrafDetayiSorgusu(FoyKodu, GayriResmiMasraflariEkleme));
        while (!masraflar.eof()) {
            ekle(FieldReads::moneyOrZero(masraflar.value(QStringLiteral("masraftutari"))),
                 FieldReads::textOrEmpty(masraflar.value(QStringLiteral("ad"))));
            masraflar.moveNext();
        }
        masraflar.close();
    } else {
        ekle(o.ToplamMasraf, QStringLiteral("İcra Giderleri"));
    }

    ekle(o.VekaletUcreti + o.VekaletUcreti_KDV, QStringLiteral("Vekalet Ücreti"));
    ekle(o.TahsilHarci_Odenen + o.TahsilHarci_Kalan - o.PesinHarc, QStringLiteral("Tahsil Harcı"));
    const Money taahhuteKadarFaiz = Foy.TaahhutTarihindeFaizTutari_SonrakiAlacak +
                                    Foy.TaahhutTarihindeFaizTutari_TODA +
                                    Foy.TaahhutTarihindeFaizTutari_AsilAlacak;
    ekle(taahhuteKadarFaiz,
         QStringLiteral("Takip Tarihinden Taahhütte Bulunma Tarihine Kadar İşlemiş Faiz"));
    ekle(o.SonrakiFaiz - taahhuteKadarFaiz,
         QStringLiteral("Taahhütte Bulunma Tarihinden Taahhüt Bitimine Kadar İşleyecek Faiz"));
    ekle(o.BSMVSonrakiFaiz,
         QStringLiteral("Faizin %") + OranMetni(Foy.BSMVOrani) + QStringLiteral(" BSMV'si"));
    ekle(o.KDVSonrakiFaiz, QStringLiteral("Faizin %") + OranMetni(Foy.FaturaFaiziKDVOrani) +
                               QStringLiteral(" KDV'si"));

    // What was collected after the start is shown and then taken off the total.
    if (TakipSonrasitoplamTahsilat > Money()) {
        Money ayri;
        AddToList(Etiketler, Tutarlar, TakipSonrasitoplamTahsilat,
                  QStringLiteral("Takip Sonrası Toplam Tahsilat"), ayri);
        toplam -= TakipSonrasitoplamTahsilat;
    }
    ToplamBorc = toplam;
    if (!Etiketler.isEmpty())
        Etiketler += kSatirSonu;
    Etiketler += QStringLiteral("-TL TOPLAM BORÇ");
    if (!Tutarlar.isEmpty())
        Tutarlar += kSatirSonu;
    Tutarlar += formatNumber(ToplamBorc, FormatMoney);
}

void TaahhutBelgesi::TaksitleriOlustur() {
    SolSira.clear();
    SolTarih.clear();
    SolTutar.clear();
    SagSira.clear();
    SagTarih.clear();
    SagTutar.clear();
    QList<const OdemePlaniSatiri*> taksitler;
    for (const OdemePlaniSatiri& satir : Satirlar)
        if (!satir.Tarih.trimmed().isEmpty() && !satir.Tutar.isZero())
            taksitler.append(&satir);
    // The left half takes the extra row of an odd count.
    const qsizetype solda = (taksitler.size() + 1) / 2;
    const DateService& tarihler = shared().dates();
    for (qsizetype i = 0; i < taksitler.size(); ++i) {
        const OdemePlaniSatiri& satir = *taksitler.at(i);
        const bool sol = i < solda;
        (sol ? SolSira : SagSira) += QString::number(i + 1) + kSatirSonu;
        (sol ? SolTarih : SagTarih) += tarihler.display(satir.Tarih.trimmed()) + kSatirSonu;
        (sol ? SolTutar : SagTutar) +=
            formatNumber(satir.Tutar, FormatMoneyZero) + QStringLiteral(" TL") + kSatirSonu;
    }
}

}  // namespace quv
