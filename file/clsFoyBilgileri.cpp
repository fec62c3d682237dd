#include "file/clsFoyBilgileri.h"

#include "calc/colHesapKalemleri.h"
#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/TebligatTakibi.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FaizTablosu.h"
#include "file/FieldReads.h"
#include "file/MahsupSirasiTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

using namespace FieldReads;

namespace {

RecordSet oku(const QString& sql) {
    return shared().connection().openRecordSet(sql);
}

qint16 topla16(qint16 a, qint32 b) {
    return toInt16(static_cast<qint32>(a) + b);
}

// The party types that receive notifications.
const QString kTebligatSahisTipleri =
    QStringLiteral("foysahistipi in (") + QStringLiteral("1,2,5,6,7,8");

}  // namespace

clsFoyBilgileri::clsFoyBilgileri() = default;
clsFoyBilgileri::~clsFoyBilgileri() = default;

colAlacaklar& clsFoyBilgileri::Alacaklar() {
    if (!alacaklar_)
        alacaklar_ = std::make_unique<colAlacaklar>();
    return *alacaklar_;
}

colAlacaklar& clsFoyBilgileri::SonrakiAlacaklar() {
    if (!sonrakiAlacaklar_)
        sonrakiAlacaklar_ = std::make_unique<colAlacaklar>();
    return *sonrakiAlacaklar_;
}

colAlacaklar& clsFoyBilgileri::TODAs() {
    if (!todas_)
        todas_ = std::make_unique<colAlacaklar>();
    return *todas_;
}

colTahsilatlar& clsFoyBilgileri::Tahsilatlar() {
    if (!tahsilatlar_)
        tahsilatlar_ = std::make_unique<colTahsilatlar>();
    return *tahsilatlar_;
}

colMasraflar& clsFoyBilgileri::Masraflar() {
    if (!masraflar_)
        masraflar_ = std::make_unique<colMasraflar>();
    return *masraflar_;
}

clsMahsupSirasiTablosu& clsFoyBilgileri::MahsupSirasiTablosu() {
    if (!mahsupSirasiTablosu_)
        mahsupSirasiTablosu_ = std::make_unique<clsMahsupSirasiTablosu>();
    return *mahsupSirasiTablosu_;
}

clsHesapOzeti& clsFoyBilgileri::HesapOzeti() {
    if (!hesapOzeti_)
        hesapOzeti_ = std::make_unique<clsHesapOzeti>();
    return *hesapOzeti_;
}

clsFaizTablosu& clsFoyBilgileri::FaizTablosu() {
    if (!faizTablosu_)
        faizTablosu_ = std::make_shared<clsFaizTablosu>();
    return *faizTablosu_;
}

bool clsFoyBilgileri::FoyBilgileriniYukle(qint32 kod) {
    return trapped<bool>(QStringLiteral("Hesap.clsFoyBilgileri.FoyBilgileriniYukle"), false, [&] {
        ClearClass();
        if (FoyFormundanYukle(kod))
            return true;
        ClearIHFormundanGelenler();
        ClearHacizSatisFormundanGelenler();
        HesapOzeti().ClearClass();
        return false;
    });
}

bool clsFoyBilgileri::FoyFormundanYukle(qint32 kod) {
    return trapped<bool>(QStringLiteral("Hesap.clsFoyBilgileri.FoyFormundanYukle"), false, [&] {
        RecordSet rs = oku(
            QStringLiteral("select t1.borclusayisi, t1.formtipi, t1.takiptarihi, ") +
            QStringLiteral("t1.dosyasonucu, t1.sonuctarihi, t1.hesaptarihi, t1.foykayittarihi, ") +
            QStringLiteral(
                "t1.alacaktipi, t1.parabirimikodu, t1.faizorani,t1.faizoranitablosufoykodu, "
                "t1.faizoranitablosukodu, t1.bsmvorani, ") +
            QStringLiteral("t1.tazminatorani, t1.cekkarsiliksiztazminatorani, t1.yillikkira, "
                           "t1.vekaletucreti, ") +
            QStringLiteral("t1.kidemtazminati,t1.kidemfaizorani, t1.kidemfaizoranitablosufoykodu,"
                           "t1.kidemfaizoranitablosukodu, t1.sozlesmevekaletucretiorani, ") +
            QStringLiteral("t1.kidemfaizbastarihi, t1.tahsilatmahsupsirasi, t1.ilkhaciztarihi, "
                           "t1.ilksatistarihi, ") +
            QStringLiteral("t1.ihtiyatihacizvar, t1.kidemtms, t1.komisyonorani, "
                           "t1.sonrakitahsilharcihesaplamasekli, ") +
            QStringLiteral(
                "t2.harchesapla, t2.tahsilharcihesapla,t2.ihharcihesapla, t2.faturafaizinekdvekle, "
                "t2.vekaletharcihesapla, t2.pesinharchesapla, t2.ceksenetfaizinekdvekle, "
                "t2.onornekceksenetfaizinekdvekle, t3.simge, ") +
            QStringLiteral("t2.faizyildakigunsayisi, t2.mtsharcihesapla, im1.ismts as "
                           "isicramudurlugumts, im2.ismts "
                           "as ismtsicramudurlugumts, ") +
            QStringLiteral("(SELECT  MIN(tahsilharcihesapla) FROM tblfoy_sahis t4 WHERE t4.foykodu "
                           "= t1.foykodu) AS "
                           "borclutahsilharcihesapla ") +
            QStringLiteral("from (((tblfoy t1 inner join tblalacakli t2 on "
                           "t1.alacaklikodu=t2.alacaklikodu) inner "
                           "join ") +
            QStringLiteral("tblparabirimi t3 on t1.parabirimikodu=t3.kod) ") +
            QStringLiteral(
                "left join tblicramudurlugu as im1 ON t1.icramudurlugukodu = im1.kod) ") +
            QStringLiteral(
                "left join tblicramudurlugu as im2 ON t1.mtsicramudurlugukodu =  im2.kod ") +
            QStringLiteral("Where t1.FoyKodu = ") + QString::number(kod));
        if (rs.eof()) {
            ClearFoyFormundanGelenler();
            rs.close();
            return false;
        }
        auto v = [&](const char* name) -> const QVariant& {
            return rs.value(QLatin1StringView(name));
        };
        auto tarih = [&](const char* name) {
            return tarihDenetle(textOrEmpty(v(name)), "tblfoy", name, kod);
        };

        FoyKodu = kod;
        FormTipi = int16OrZero(v("formtipi"));
        TakipTarihi = tarih("takiptarihi");
        DosyaSonucu = int16OrZero(v("dosyasonucu"));
        SonucTarihi = tarih("sonuctarihi");
        GununTarihi = tarih("hesaptarihi");
        FoyKayitTarihi = tarih("foykayittarihi");
        AlacakTipi = int16OrZero(v("alacaktipi"));
        FaturaFaizineKDVEkle = flagOrFalse(v("faturafaizinekdvekle"));
        CekSenetFaizineKDVEkle = flagOrFalse(v("ceksenetfaizinekdvekle"));
        OnOrnekCekSenetFaizineKDVEkle = flagOrFalse(v("onornekceksenetfaizinekdvekle"));

        BorcluSayisi = int16OrZero(v("borclusayisi"));
        BorcluSayisi = topla16(BorcluSayisi, modGeneral::GetTebligGonderVekilSayisi(FoyKodu));
        AlacakliSayisi = AlacakliSayisiBul(FoyKodu);

        ParaBirimiKodu = byteOrZero(v("parabirimikodu"));
        ParaBirimiSimgesi = textOrEmpty(v("simge"));

        // Read with the text default: a Null rate is a conversion failure that ends the load.
        FaizOrani = toRate(modGeneral::NullKontrol(v("faizorani"), false));
        FaizYildakiGunSayisi = int16OrZero(v("faizyildakigunsayisi"));

        if (FaizOrani == 0.0f) {
            FaizOraniTablosuKodu = int32OrZero(v("faizoranitablosukodu"));
            FaizOraniTablosuFoyKodu = int32OrZero(v("faizoranitablosufoykodu"));
            TabloOran = E_TO_TabloKullan;
            FaizTablosu().Yukle(FaizOraniTablosuFoyKodu, FaizOraniTablosuKodu,
                                GetMinAlacakTarihi(FoyKodu), GununTarihi, true);
        } else {
            faizTablosu_.reset();
            FaizOraniTablosuKodu = 0;
            FaizOraniTablosuFoyKodu = 0;
            TabloOran = E_TO_OranKullan;
        }

        BSMVOrani = rateOrZero(v("bsmvorani"));
        TazminatOrani = rateOrZero(v("tazminatorani"));
        KarsiliksizCekTazminatiOrani = rateOrZero(v("cekkarsiliksiztazminatorani"));
        YillikKira = moneyOrZero(v("yillikkira"));
        MaktuVekaletUcreti = moneyOrZero(v("vekaletucreti"));

        // 0 or no value means: as if the rest were paid into the enforcement office.
        if (zeroPrefixedNumber(v("sonrakitahsilharcihesaplamasekli")) == 0.0)
            KalanTahsilHarciHesaplamaSekli = E_KTHS_IcrayaYatan;
        else
            KalanTahsilHarciHesaplamaSekli = toInt16(v("sonrakitahsilharcihesaplamasekli"));

        if (FoyGruplari::isciAlacagi(AlacakTipi)) {
            auto kidem = std::make_shared<clsAlacakKalemi>();
            kidem->AlacakAdi = QStringLiteral("Kıdem Tazminatı");
            kidem->Tutar = moneyOrZero(v("kidemtazminati"));
            kidem->FaizOrani = rateOrZero(v("kidemfaizorani"));
            kidem->FaizBaslangicTarihi = tarih("kidemfaizbastarihi");
            kidem->FaizOraniTablosuKodu = int32OrZero(v("kidemfaizoranitablosukodu"));
            kidem->FaizOraniTablosuFoyKodu = int32OrZero(v("kidemfaizoranitablosufoykodu"));
            KidemTazminatiKalemi = kidem;
            if (kidem->TabloOran() == E_TO_TabloKullan)
                kidem->FaizOraniTablosu().Yukle(kidem->FaizOraniTablosuFoyKodu,
                                                kidem->FaizOraniTablosuKodu,
                                                kidem->FaizBaslangicTarihi, GununTarihi, true);
        }

        IsciAlacagiMahsupSirasi = int16OrZero(v("kidemtms"));
        IlkHacizTarihi = tarih("ilkhaciztarihi");
        IlkSatisTarihi = tarih("ilksatistarihi");
        TahsilHarciHesapla = flagOrFalse(v("tahsilharcihesapla"));
        BorcluTahsilHarciHesapla = flagOrFalse(v("borclutahsilharcihesapla"));
        VekaletHarciHesapla = flagOrFalse(v("vekaletharcihesapla"));
        PesinHarcHesapla = flagOrFalse(v("pesinharchesapla"));
        MTSHarciHesapla = flagOrFalse(v("mtsharcihesapla"));
        HarcHesapla = flagOrFalse(v("harchesapla"));
        IHHarciHesapla = flagOrFalse(v("ihharcihesapla"));

        IhtiyatiHacizVar = toBool(modGeneral::NullKontrol(v("ihtiyatihacizvar"), false));
        if (IhtiyatiHacizVar)
            IhtiyatiHacizFormundanYukle();

        MahsupSirasi = toInt16(modGeneral::NullKontrol(v("tahsilatmahsupsirasi"), false));
        if (MahsupSirasi == E_TMS_TabloKullanilmakta)
            MahsupSirasiTablosu().DBdenYukle(FoyKodu);

        if (FormTipi == E_FT_13_51 || FormTipi == E_FT_2_54 || FormTipi == E_FT_14_56 ||
            FormTipi == E_FT_53_54) {
            SozlesmeTablosundanYukle(FoyKodu);
        } else {
            TahliyeVekaletUcretiEkle = false;
            VekaletUcretiniYillikKiraUzerindenHesapla = false;
            Muacceliyet = false;
        }

        SozlesmeVekaletUcretiOrani = rateOrZero(v("sozlesmevekaletucretiorani"));
        KomisyonOrani = rateOrZero(v("komisyonorani"));

        if (FormTipi == E_FT_4_5_53 || FormTipi == E_FT_2_54 || FormTipi == E_FT_3_55 ||
            FormTipi == E_FT_53_54 || FormTipi == E_FT_53_55) {
            MahsupBilgileriniYukle();
        } else {
            MahsupTarihi.clear();
            ToplamMahsup = Money();
        }

        IsMTSTakibi = zeroPrefixedByte(v("isicramudurlugumts")) == 1 ||
                      zeroPrefixedByte(v("ismtsicramudurlugumts")) == 1;
        rs.close();

        RecordSet ek = oku(QStringLiteral("SELECT * FROM tblfoy_eksahalar WHERE foykodu = ") +
                           QString::number(FoyKodu));
        if (!ek.eof()) {
            IsBuFoyIcinPesinHarcHesaplanmasin =
                zeroPrefixedByte(ek.value(QStringLiteral("pesinharchesaplanmasin"))) != 0;
            IsBuFoyIcinIlkTebligatGideriEklenmesin =
                zeroPrefixedByte(ek.value(QStringLiteral("ilktebligatgiderieklenmesin"))) != 0;
        }
        ek.close();

        IkinciAdresiOlanlarinSayisi = 0;
        RecordSet sahis =
            oku(QStringLiteral("select t1.* ") +
                QStringLiteral(
                    "from tblfoy_sahis t1 where t1.foysahistipi in (1,2,7,8,10,11,12,13,14) and "
                    "t1.foykodu = ") +
                QString::number(FoyKodu) +
                QStringLiteral(" and t1.tumadresleregonderilsin = 1 and "
                               "t1.muvekkiletebligatgonderilmesin = 0"));
        for (; !sahis.eof(); sahis.moveNext())
            if (!textOrEmpty(sahis.value(QStringLiteral("adres2"))).trimmed().isEmpty())
                IkinciAdresiOlanlarinSayisi = topla16(IkinciAdresiOlanlarinSayisi, 1);
        return true;
    });
}

qint16 clsFoyBilgileri::AlacakliSayisiBul(qint32 kod) {
    RecordSet rs = oku(
        QStringLiteral("SELECT COUNT(*) AS alacaklisayisi FROM tblfoy_alacakli WHERE foykodu = ") +
        QString::number(kod));
    if (rs.eof())
        return 1;
    // The main creditor stands on the file row itself.
    return topla16(int16OrZero(rs.value(QStringLiteral("alacaklisayisi"))), 1);
}

void clsFoyBilgileri::AlacaklariYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.AlacaklariYukle"),
            [&] { Alacaklar().Yukle(*this); });
}

void clsFoyBilgileri::SonrakiAlacaklariYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.SonrakiAlacaklariYukle"),
            [&] { SonrakiAlacaklar().SonrakiAlacaklariYukle(*this); });
}

void clsFoyBilgileri::TODALariYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.TahsilatlariYukle"),
            [&] { TODAs().TODALariYukle(*this); });
}

void clsFoyBilgileri::SonrakiAlacaklariTODAOlarakYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.TahsilatlariYukle"),
            [&] { TODAs().SonrakiAlacaklariTODAOlarakYukle(*this); });
}

void clsFoyBilgileri::TahsilatlariYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.TahsilatlariYukle"),
            [&] { Tahsilatlar().Yukle(FoyKodu, ParaBirimiKodu); });
}

void clsFoyBilgileri::MasraflariYukle(bool blnSadeceResmiMasraflar) {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.MasraflariYukle"),
            [&] { Masraflar().Yukle(FoyKodu, TakipTarihi, blnSadeceResmiMasraflar); });
}

void clsFoyBilgileri::MahsupSirasiTablosuYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.FaizTablosuYukle"), [&] {
        if (MahsupSirasi == E_TMS_TabloKullanilmakta)
            MahsupSirasiTablosu().DBdenYukle(FoyKodu);
    });
}

void clsFoyBilgileri::IhtiyatiHacizFormundanYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.IhtiyatiHacizFormundanYukle"), [&] {
        RecordSet rs =
            oku(QStringLiteral(
                    "select t1.taleptarihi, t1.takiptarihi, t1.durusmali, t2.mahkemegorevikodu, "
                    "t1.giderhesapla, t1.vekaletucretihesapla ") +
                QStringLiteral(
                    "from tblfoy_ihtiyatihaciz t1 left join tblmahkeme t2 on t1.mahkemekodu = "
                    "t2.mahkemekodu ") +
                QStringLiteral("where t1.foykodu = ") + QString::number(FoyKodu));
        if (rs.eof()) {
            ClearIHFormundanGelenler();
            return;
        }
        IhtiyatiHacizTarihi = tarihDenetle(textOrEmpty(rs.value(QStringLiteral("taleptarihi"))),
                                           "tblfoy_ihtiyatihaciz", "taleptarihi", FoyKodu);
        CevirmeTarihi = tarihDenetle(textOrEmpty(rs.value(QStringLiteral("takiptarihi"))),
                                     "tblfoy_ihtiyatihaciz", "takiptarihi", FoyKodu);
        IHMahkemeGorevi = int16OrZero(rs.value(QStringLiteral("mahkemegorevikodu")));
        IHDurusmali = flagOrFalse(rs.value(QStringLiteral("durusmali")));
        IHGideriHesapla = flagOrFalse(rs.value(QStringLiteral("giderhesapla")));
        IHVekaletUcretiHesapla = flagOrFalse(rs.value(QStringLiteral("vekaletucretihesapla")));
        IhtiyatiHacizDurumu = !IhtiyatiHacizTarihi.isEmpty() && IhtiyatiHacizTarihi >= TakipTarihi;
    });
}

void clsFoyBilgileri::SozlesmeTablosundanYukle(qint32 kod) {
    Muacceliyet = false;
    TahliyeVekaletUcretiEkle = false;
    RecordSet rs = oku(QStringLiteral("select muacceliyetdurumu, tahliyevekaletucretiekle, "
                                      "VekaletUcretiniYillikKiraUzerindenHesapla ") +
                       QStringLiteral("from tblfoy_sozlesme ") +
                       QStringLiteral("where foykodu = ") + QString::number(kod));
    if (rs.eof())
        return;
    // 1 means no acceleration, 2 acceleration; anything else leaves it off.
    QVariant muacceliyet = rs.value(QStringLiteral("muacceliyetdurumu"));
    if (!isNull(muacceliyet) && toInt16(muacceliyet) == 2)
        Muacceliyet = true;
    TahliyeVekaletUcretiEkle =
        zeroPrefixedInt16(rs.value(QStringLiteral("tahliyevekaletucretiekle"))) == 1;
    VekaletUcretiniYillikKiraUzerindenHesapla =
        zeroPrefixedInt16(rs.value(QStringLiteral("VekaletUcretiniYillikKiraUzerindenHesapla"))) ==
        1;
}

void clsFoyBilgileri::MahsupBilgileriniYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.MahsupBilgileriniYukle"), [&] {
        ToplamMahsup = Money();
        MahsupTarihi.clear();
        RecordSet toplam =
            oku(QStringLiteral("select sum(mahsupmiktari) from tblfoy_mahsup where foykodu = ") +
                QString::number(FoyKodu));
        if (!toplam.eof())
            ToplamMahsup = moneyOrZero(toplam.value(0));
        RecordSet ilam = oku(QStringLiteral("select * from tblfoy_ilam where foykodu = ") +
                             QString::number(FoyKodu));
        if (ilam.eof())
            return;
        switch (int16OrZero(ilam.value(QStringLiteral("mahkemeornoter")))) {
            case 1:
            case 3:
                MahsupTarihi = tarihDenetle(toText(ilam.value(QStringLiteral("karartarihi"))),
                                            "tblfoy_ilam", "karartarihi", FoyKodu);
                break;
            case 2:
                MahsupTarihi = tarihDenetle(toText(ilam.value(QStringLiteral("notertarihi"))),
                                            "tblfoy_ilam", "notertarihi", FoyKodu);
                break;
            default:
                break;
        }
    });
}

void clsFoyBilgileri::HacizFormundanDegisiklikYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.HacizFormundanDegisiklikYukle"), [&] {
        RecordSet rs = oku(QStringLiteral("select ilkhaciztarihi from tblfoy where foykodu = ") +
                           QString::number(FoyKodu));
        IlkHacizTarihi =
            rs.eof() ? QString()
                     : tarihDenetle(textOrEmpty(rs.value(0)), "tblfoy", "ilkhaciztarihi", FoyKodu);
    });
}

void clsFoyBilgileri::SatisFormlarindanDegisiklikYukle() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.SatisFormlarindanDegisiklikYukle"), [&] {
        RecordSet rs = oku(QStringLiteral("select ilksatistarihi from tblfoy where foykodu = ") +
                           QString::number(FoyKodu));
        IlkSatisTarihi =
            rs.eof() ? QString()
                     : tarihDenetle(textOrEmpty(rs.value(0)), "tblfoy", "ilksatistarihi", FoyKodu);
    });
}

void clsFoyBilgileri::GununTarihiniGuncelle(const QString& YeniTarih) {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.GununTarihiniGuncelle"), [&] {
        shared().connection().execute(
            QStringLiteral("update tblfoy set hesaptarihi = '") + SqlText::escaped(YeniTarih) +
            QStringLiteral("' where foykodu = ") + QString::number(FoyKodu));
        GununTarihi = YeniTarih;
    });
}

QVariant clsFoyBilgileri::GetGonderilecekTebligatSayisi() {
    return trapped<QVariant>(
        QStringLiteral("Hesap.clsFoyBilgileri.GetGonderilecekTebligatSayisi"), QVariant(), [&] {
            const QString f = QString::number(FoyKodu);
            const QStringList sorgular = {
                // parties
                QStringLiteral("SELECT COUNT(*) FROM tblfoy_sahis WHERE foykodu = ") + f +
                    QStringLiteral(" AND muvekkiletebligatgonderilmesin = 0 AND ") +
                    kTebligatSahisTipleri + u')',
                // their second addresses
                QStringLiteral("SELECT COUNT(*) FROM tblfoy_sahis WHERE FoyKodu = ") + f +
                    QStringLiteral(" AND tumadresleregonderilsin = 1 AND "
                                   "muvekkiletebligatgonderilmesin = 0 AND adres1 <> "
                                   "'' AND Adres2 <> '' AND ") +
                    kTebligatSahisTipleri + u')',
                // attorneys, each name once
                QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT vekiladisoyadi, vekilsoyadi "
                               "FROM tblfoy_sahis WHERE "
                               "foykodu = ") +
                    f +
                    QStringLiteral(" AND  vekiletebligatgonder = 1 AND vekiladisoyadi<>'' AND "
                                   "vekilsoyadi<>'' AND  ") +
                    kTebligatSahisTipleri + QStringLiteral(")) AS Table1"),
            };
            qint16 toplam = 0;
            for (const QString& sql : sorgular) {
                RecordSet rs = oku(sql);
                if (!rs.eof())
                    toplam = topla16(toplam, static_cast<qint32>(zeroPrefixedNumber(rs.value(0))));
            }
            return QVariant::fromValue<qint16>(toplam);
        });
}

QString clsFoyBilgileri::GetMinAlacakTarihi(qint32 kod) {
    RecordSet rs =
        oku(QStringLiteral("SELECT MIN(tarih) as ilktarih FROM tblfoy_alacak WHERE foykodu = ") +
            QString::number(kod));
    return rs.eof() ? QString()
                    : tarihDenetle(textOrEmpty(rs.value(QStringLiteral("ilktarih"))),
                                   "tblfoy_alacak", "tarih", kod);
}

QString clsFoyBilgileri::GetMinSonOdemeTarihi() {
    RecordSet rs =
        oku(QStringLiteral("select min(sonodemetarihi) from tblfoy_tebligat_iz where foykodu = ") +
            QString::number(FoyKodu));
    return rs.eof() ? QString()
                    : tarihDenetle(textOrEmpty(rs.value(0)), "tblfoy_tebligat_iz", "sonodemetarihi",
                                   FoyKodu);
}

void clsFoyBilgileri::ClearClass() {
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.ClearClass"), [&] {
        ClearFoyFormundanGelenler();
        ClearIHFormundanGelenler();
        ClearHacizSatisFormundanGelenler();
        ToplamMahsup = Money();
        MahsupTarihi.clear();
        FaturaFaiziKDVOrani = 0.0f;
    });
}

void clsFoyBilgileri::ClearFoyFormundanGelenler() {
    IhtiyatiHacizVar = false;
    FoyKodu = 0;
    FaizOrani = 0.0f;
    FoyKayitTarihi.clear();
    // Without a file row the fee switches default to computing the fees.
    HarcHesapla = IHHarciHesapla = TahsilHarciHesapla = BorcluTahsilHarciHesapla =
        VekaletHarciHesapla = PesinHarcHesapla = true;
    FaturaFaizineKDVEkle = CekSenetFaizineKDVEkle = OnOrnekCekSenetFaizineKDVEkle =
        MTSHarciHesapla = false;
    IsciAlacagiMahsupSirasi = 0;
    KarsiliksizCekTazminatiOrani = 0.0f;
    FormTipi = 0;
    TakipTarihi.clear();
    SonucTarihi.clear();
    GununTarihi.clear();
    DosyaSonucu = 0;
    BorcluSayisi = 0;
    YillikKira = Money();
    TazminatOrani = 0.0f;
    SozlesmeVekaletUcretiOrani = 0.0f;
    BSMVOrani = 0.0f;
    FaizOraniTablosuFoyKodu = FaizOraniTablosuKodu = 0;
    TakipTarihindeKur = GununKuru = IhtiyatiHacizdeKur = MahsupKuru = Money();
    KomisyonOrani = 0.0f;
    Sabit_HarcaEsasDeger = Sabit_IlkGider = Sabit_PesinHarc = Sabit_VekaletUcreti = Money();
    TaahhutTarihindeFaizTutari_AsilAlacak = TaahhutTarihindeFaizTutari_TODA =
        TaahhutTarihindeFaizTutari_SonrakiAlacak = Money();
    IsMTSTakibi = IsBuFoyIcinPesinHarcHesaplanmasin = IsBuFoyIcinIlkTebligatGideriEklenmesin =
        false;
    KidemTazminatiKalemi.reset();
    faizTablosu_.reset();
}

void clsFoyBilgileri::ClearHacizSatisFormundanGelenler() {
    IlkHacizTarihi.clear();
    IlkSatisTarihi.clear();
}

void clsFoyBilgileri::ClearIHFormundanGelenler() {
    IHMahkemeGorevi = 0;
    IhtiyatiHacizTarihi.clear();
    CevirmeTarihi.clear();
    IhtiyatiHacizDurumu = false;
}

QString clsFoyBilgileri::Duzelt(const QVariant& dd, qint16 uz) {
    QString text = isNull(dd) ? QString() : toText(dd);
    int bosluk = uz - static_cast<int>(text.size());
    return (bosluk > 0 ? QString(bosluk, u' ') : QString()) + text;
}

}  // namespace quv
