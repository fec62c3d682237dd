#include "tools/BasitHesap.h"

#include "calc/Enumerations.h"
#include "calc/clsKademeliFaizKalemi.h"
#include "calc/colKademeliFaizler.h"
#include "engine/NumberFormat.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "engine/modGeneral.h"
#include "file/Enumerations.h"
#include "file/FaizTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

#include <QDateTime>

namespace quv {

namespace {

const QString kBakiye = QStringLiteral("BAKİYE");
const QString kTakipCikisi = QStringLiteral("TAKİP ÇIKIŞI");

// A rate as it reads in a sentence: "9", "9,75".
QString oranMetni(float oran) {
    QLocale yerel = turkishLocale();
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    return yerel.toString(static_cast<double>(oran), 'g', 7);
}

QString kademeAciklamasi(const clsKademeliFaizKalemi& kademe) {
    DateService& tarihler = shared().dates();
    auto tarih = [&](const QString& t) {
        return t.isEmpty() ? QString() : tarihler.display(t, QStringLiteral("."));
    };
    return tarih(kademe.BaslangicTarihi) + QStringLiteral(" - ") + tarih(kademe.BitisTarihi) +
           QStringLiteral(" Asıl Alacağın Yıllık %") + oranMetni(kademe.Oran) +
           QStringLiteral(" İşlemiş Faizi");
}

}  // namespace

bool BasitHesapSatiri::Vurgulu() const {
    return Aciklama == kBakiye || Aciklama == kTakipCikisi;
}

BasitHesap::Dogrulama BasitHesap::ValuesOK() const {
    auto hata = [](Alan alan, const QString& mesaj) { return Dogrulama{alan, mesaj}; };
    if (AsilAlacakTutari <= Money())
        return hata(Alan::AsilAlacakTutari, QStringLiteral("Lütfen asıl alacak tutarını giriniz."));
    if (FaizOrani <= 0.0f && !TabloSecili())
        return hata(
            Alan::FaizOrani,
            QStringLiteral("Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."));
    if (FaizOrani > 0.0f && TabloSecili())
        return hata(
            Alan::FaizOrani,
            QStringLiteral("Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz."));
    // A date as typed that names no calendar day is named before any rule reads it.
    const struct {
        Alan alan;
        const char* ad;
        const QString& deger;
    } tarihler[] = {{Alan::FaizBaslangicTarihi, "faiz başlangıç tarihi", FaizBaslangicTarihi},
                    {Alan::TakipTarihi, "takip tarihi", TakipTarihi},
                    {Alan::GununTarihi, "günün tarihi", GununTarihi}};
    for (const auto& t : tarihler)
        if (QString mesaj = TextDate::invalidMessage(QString::fromUtf8(t.ad), t.deger);
            !mesaj.isEmpty())
            return hata(t.alan, mesaj);
    if (FaizBaslangicTarihi.isEmpty())
        return hata(Alan::FaizBaslangicTarihi,
                    QStringLiteral("Lütfen faiz başlangıç tarihini giriniz."));
    if (GununTarihi.isEmpty())
        return hata(Alan::GununTarihi, QStringLiteral("Lütfen günün tarihini giriniz."));
    if (GununTarihi <= FaizBaslangicTarihi)
        return hata(Alan::GununTarihi,
                    QStringLiteral("Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."));
    // A claim whose interest starts after the enforcement start is not part of the
    // enforced debt, so the principal would vanish from the result.
    if (!TakipTarihi.isEmpty() && TakipTarihi < FaizBaslangicTarihi)
        return hata(Alan::TakipTarihi,
                    QStringLiteral("Takip tarihi faiz başlangıç tarihinden önce olamaz."));
    return {};
}

QList<FaizOraniTablosuSecenegi> BasitHesap::FaizOraniTablolari() {
    QList<FaizOraniTablosuSecenegi> tablolar;
    trapped(QStringLiteral("Hesap.frmBasitHesap.FaizOraniTablolariniDoldur"), [&] {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select distinct foykodu, faizoranitablosukodu,faizoranitablosuadi "
                           "from tblfaizoranitablosu ") +
            QStringLiteral("where (foykodu = 0)order by faizoranitablosuadi "));
        for (; !rs.eof(); rs.moveNext())
            tablolar.append(
                {toInt32(modGeneral::NullKontrol(rs.value(QStringLiteral("foykodu")), true)),
                 toInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                 toText(modGeneral::NullKontrol(rs.value(QStringLiteral("faizoranitablosuadi")),
                                                false))});
        rs.close();
    });
    return tablolar;
}

std::shared_ptr<clsFoyBilgileri> BasitHesap::FoyOlustur() const {
    auto foy = std::make_shared<clsFoyBilgileri>();
    clsFoyBilgileri& f = *foy;
    f.KademeliFaizBilgileriniTut = true;
    // The record exists only in memory: its summary belongs to no stored file and
    // is never written to tblfoy_hesap.
    f.Kaydedilecek = false;
    f.FormTipi = E_FT_7_49;
    f.DosyaSonucu = E_DS_Derdest;
    f.AlacakTipi = E_AT_49CekSenetSozlesme;
    f.AlacakliSayisi = 1;
    f.BorcluSayisi = BorcluSayisi;
    f.ParaBirimiKodu = 1;
    f.ParaBirimiSimgesi = QStringLiteral("TL");
    f.TakipTarihi = TakipTarihi;
    f.GununTarihi = GununTarihi;
    f.IlkHacizTarihi.clear();
    f.IlkSatisTarihi.clear();
    f.MahsupTarihi.clear();
    f.IhtiyatiHacizTarihi.clear();
    f.MahsupSirasi = E_TMS_BorcAslindan;
    f.KalanTahsilHarciHesaplamaSekli = E_KTHS_IcrayaYatan;
    f.TahsilHarciHesapla = true;
    f.VekaletHarciHesapla = true;
    f.BorcluTahsilHarciHesapla = true;
    f.HarcHesapla = HarcHesapla;
    f.FaizYildakiGunSayisi = YildakiGunSayisi;

    if (FaizOrani <= 0.0f) {
        f.FaizOrani = 0.0f;
        f.TabloOran = E_TO_TabloKullan;
        f.FaizOraniTablosuKodu = FaizOraniTablosuKodu;
        f.FaizOraniTablosuFoyKodu = FaizOraniTablosuFoyKodu;
        clsFaizTablosu& tablo = f.FaizTablosu();
        if (YillikFaizUygula)
            tablo.YillikOranlariYukle(FaizBaslangicTarihi, GununTarihi, FaizOraniTablosuKodu);
        else
            tablo.OranlariDBdenYukle(FaizOraniTablosuFoyKodu, FaizOraniTablosuKodu,
                                     FaizBaslangicTarihi);
    } else {
        f.FaizOrani = FaizOrani;
        f.TabloOran = E_TO_OranKullan;
        f.FaizOraniTablosuKodu = 0;
        f.FaizOraniTablosuFoyKodu = 0;
        f.setFaizTablosu(nullptr);
    }

    colAlacaklar& alacaklar = f.Alacaklar();
    clsAlacakKalemi& asil = alacaklar.Add(
        1, QStringLiteral("Asıl Alacak"), AsilAlacakTutari, FaizBaslangicTarihi, Money(),
        f.FaizOrani, f.FaizOraniTablosuKodu, f.FaizOraniTablosuFoyKodu, Money());
    if (f.TabloOran == E_TO_TabloKullan)
        asil.FaizOraniTablosu().TablodanKopyala(f.FaizTablosu());
    alacaklar.ToplamAlacak += AsilAlacakTutari;

    if (FaizIslemeyenAlacak > Money()) {
        colAlacaklar& todalar = f.TODAs();
        todalar.Add(1, QStringLiteral("Faiz İşlemeyen Alacaklar"), FaizIslemeyenAlacak, QString(),
                    Money(), 0.0f, 0, 0, Money());
        todalar.FaizsizTODAlarinToplami += FaizIslemeyenAlacak;
        todalar.ToplamAlacak += FaizIslemeyenAlacak;
    }
    return foy;
}

bool BasitHesap::Hesapla(clsHesapAna& hesap) {
    const quint64 oncekiHatalar = shared().reportedErrors();
    Satirlar.clear();
    Foy.reset();
    trapped(QStringLiteral("Hesap.frmBasitHesap.cmdHesapla_Click"), [&] {
        clsParametreler& parametreler = hesap.Parametreler();
        parametreler.TumParametreleriYukle(GununTarihi);
        Foy = FoyOlustur();
        parametreler.FaizYildakiGunSayisi = YildakiGunSayisi;
        hesap.IlgiliHesabiCagir(*Foy, QString());
        Satirlar = SatirlariOlustur(*Foy);
    });
    // A run that reported an error (a tariff that did not load, say) has no lines to
    // show, print or export: its amounts would be wrong.
    if (shared().reportedErrors() == oncekiHatalar)
        return true;
    Satirlar.clear();
    return false;
}

QList<BasitHesapSatiri> BasitHesap::SatirlariOlustur(clsFoyBilgileri& foy) const {
    const clsHesapOzeti& o = foy.HesapOzeti();
    QList<BasitHesapSatiri> satirlar;
    auto ekle = [&](Money tutar, const QString& aciklama) { satirlar.append({tutar, aciklama}); };
    // The rate periods of the principal, before or after the enforcement start (the
    // period that ends at the start belongs to the interest before it).
    auto kademeler = [&](bool takiptenSonra) {
        if (foy.Alacaklar().Count() == 0)
            return;
        std::shared_ptr<colKademeliFaizler> detay = foy.Alacaklar().Item(1).KademeliFaizDetayiPtr();
        if (!detay)
            return;
        for (const clsKademeliFaizKalemi& kademe : *detay)
            if (kademe.TakiptenSonra == takiptenSonra)
                ekle(kademe.Tutar, kademeAciklamasi(kademe));
    };

    ekle(o.BorcAsli, QStringLiteral("Asıl Alacak"));
    if (FaizDetayiGoster)
        kademeler(false);
    else
        ekle(o.IslemisFaiz, QStringLiteral("İşlemiş Faiz"));
    ekle(o.TakipOncesiDigerAlacaklar, QStringLiteral("Faiz İşlemeyen Alacak"));
    ekle(o.TakipCikisi_TLKismi, kTakipCikisi);

    const QList<std::pair<Money, QString>> ilkMasraflar = {
        {o.BasvuruHarci, QStringLiteral("Başvuru Harcı")},
        {o.VekaletHarci, QStringLiteral("Vekalet Harcı")},
        {o.EvrakGideri, QStringLiteral("Evrak Masrafı")},
        {o.PostaGideri, QStringLiteral("Posta Masrafı")},
        {o.DamgaPuluGideri, QStringLiteral("Damga Pulu")},
        {o.DosyaGideri, QStringLiteral("Dosya Gideri")},
        {o.BaroPulu, QStringLiteral("Baro Pulu")},
        {o.PesinHarc, QStringLiteral("Peşin Harç")},
        {o.MTSHarci, QStringLiteral("MTS Harcı")},
    };
    if (HarcDetayiGoster) {
        for (const auto& [tutar, aciklama] : ilkMasraflar)
            ekle(tutar, aciklama);
    } else {
        Money toplam;
        for (const auto& masraf : ilkMasraflar)
            toplam += masraf.first;
        ekle(toplam, QStringLiteral("İlk Takip Masrafları"));
    }

    // The advance fee paid at the start counts against the collection fee.
    ekle(o.TahsilHarci_Odenen + o.TahsilHarci_Kalan - o.PesinHarc, QStringLiteral("Tahsil Harcı"));
    ekle(o.VekaletUcreti + o.VekaletUcreti_KDV, QStringLiteral("Vekalet Ücreti"));
    if (FaizDetayiGoster)
        kademeler(true);
    else
        ekle(o.SonrakiFaiz, QStringLiteral("Sonraki Faiz"));
    ekle(o.BakiyeGuncelTL, kBakiye);
    return satirlar;
}

QString BasitHesap::TutarMetni(Money tutar) {
    return formatNumber(tutar, FormatMoneyZero);
}

QString BasitHesap::YaziciBasligi(const QDateTime& an) {
    return QStringLiteral("HESAP DÖKÜMÜ ") + QStringLiteral("\r\n") + QStringLiteral("Tarih : ") +
           an.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

QStringList BasitHesap::TutarSutunu(const QList<BasitHesapSatiri>& satirlar) {
    QStringList sutun;
    for (const BasitHesapSatiri& satir : satirlar) {
        if (satir.Vurgulu())
            sutun << QStringLiteral("----------");
        sutun << TutarMetni(satir.Tutar);
    }
    return sutun;
}

QStringList BasitHesap::AciklamaSutunu(const QList<BasitHesapSatiri>& satirlar) {
    QStringList sutun;
    for (const BasitHesapSatiri& satir : satirlar) {
        if (satir.Vurgulu())
            sutun << QStringLiteral("-----------------");
        sutun << satir.Aciklama;
    }
    return sutun;
}

}  // namespace quv
