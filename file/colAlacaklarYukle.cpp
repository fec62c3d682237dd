// The claim loaders: general claims, rent, alimony, later claims and
// pre-enforcement other claims (TODA).
#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "file/FaizTablosu.h"
#include "file/FieldReads.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"

namespace quv {

using namespace FieldReads;

namespace {

// The date the loaders measure interest starts against: the enforcement date, or
// the calculation date of a file not yet enforced.
QString bazTarih(const clsFoyBilgileri& foy) {
    return foy.TakipTarihi.isEmpty() ? foy.GununTarihi : foy.TakipTarihi;
}

RecordSet oku(const QString& sql) {
    return shared().connection().openRecordSet(sql);
}

qint16 artir(qint16 sayi) {
    return toInt16(static_cast<qint32>(sayi) + 1);
}

// The name of a claim in a cheque, bill, contract or invoice file, by its kind.
QString cekSenetAdi(const RecordSet& rs) {
    switch (zeroPrefixedInt16(rs.value(QStringLiteral("alacakturu")))) {
        case E_AT49163_Cek:
            return QStringLiteral("Çek");
        case E_AT49163_Kira:
            return QStringLiteral("Kira");
        case E_AT49163_KiraFarki:
            return QStringLiteral("Kira Farkı");
        case E_AT49163_Senet:
            return QStringLiteral("Senet");
        case E_AT49163_Sozlesme:
            return QStringLiteral("Sözleşme");
        case E_AT49163_YonetimGideri:
            return QStringLiteral("Yönetim Gideri");
        case E_AT49163_Aidat: {
            QString aciklama = textOrEmpty(rs.value(QStringLiteral("aciklama")));
            return aciklama.isEmpty() ? QStringLiteral("Aidat") : aciklama;
        }
        case E_AT49163_TrafikSigortasiRucu:
            return QStringLiteral("Trafik Sigortası Rücu");
        case E_AT49163_KaskoRucu:
            return QStringLiteral("Kasko Rücu");
        case E_AT49163_Diger: {
            QString ad = textOrEmpty(rs.value(QStringLiteral("digeralacakadi")));
            return ad.isEmpty() ? textOrEmpty(rs.value(QStringLiteral("aciklama"))) : ad;
        }
        default:
            return QString();
    }
}

QString krediKartiAdi(const RecordSet& rs) {
    return toText(rs.value(QStringLiteral("kartno"))) + QStringLiteral(" nolu kredi kartı ");
}

QString genelAlacakAdi(qint16 alacakTipi, const RecordSet& rs) {
    switch (alacakTipi) {
        case E_AT_49Fatura:
            return QStringLiteral("Fatura");
        case E_AT_49KrediKarti:
            return krediKartiAdi(rs);
        case E_AT_49KrediKombo:
            return zeroPrefixedInt16(rs.value(QStringLiteral("alacakturu"))) == 1
                       ? krediKartiAdi(rs)
                       : textOrEmpty(rs.value(QStringLiteral("bankasubesi")));
        case E_AT_55CocukTeslimi:
        case E_AT_53IlamliAlacak:
        case E_AT_151IpotekIcraEmri:
        case E_AT_152IpotekOdemeEmri:
        case E_AT_53IrtifakHakki:
        case E_AT_53IsciAlacagi:
        case E_AT_53IsinYapilmasi:
        case E_AT_49Kredi:
        case E_AT_54MenkulTeslimi:
        case E_AT_50RehinliMenkul:
        case E_AT_201RehinliMenkul:
        case E_AT_53_54IlamliAlacak_Tahliye:
        case E_AT_53_54IlamliAlacak_MenkulTeslimi:
        case E_AT_53_55IlamliAlacak_cocukTeslimi:
        case E_AT_153IsciAlacagi:
        case E_AT_49IsciAlacagi:
            return textOrEmpty(rs.value(QStringLiteral("bankasubesi")));
        case E_AT_163CekSenet:
        case E_AT_49CekSenetSozlesme:
        case E_AT_153Ceksenet:
        case E_AT_52CekSenet:
            return cekSenetAdi(rs);
        case E_AT_54Tahliye:
        case E_AT_56Tahliye:
            return QStringLiteral("Asıl Alacak");
        default:
            return QString();
    }
}

// The rent due date of a month: the payment day is lowered until the date exists,
// so day 31 becomes the month's last day.
QString kiraVadesi(qint16 yil, qint16 ay, qint16 odemeGunu) {
    for (qint16 gun = odemeGunu;; --gun) {
        if (gun < 1)
            throw RuntimeError::typeMismatch();
        QString tarih = QStringLiteral("%1%2%3")
                            .arg(yil, 4, 10, QChar(u'0'))
                            .arg(ay, 2, 10, QChar(u'0'))
                            .arg(gun, 2, 10, QChar(u'0'));
        try {
            shared().dates().toDate(tarih);
            return tarih;
        } catch (const RuntimeError& e) {
            if (e.number() != ErrNo::TypeMismatch)
                throw;
        }
    }
}

}  // namespace

void colAlacaklar::Yukle(clsFoyBilgileri& ParentFoy) {
    trapped(QStringLiteral("colAlacaklar.Yukle"), [&] {
        bosalt();
        switch (ParentFoy.AlacakTipi) {
            case E_AT_51Kira:
                AlacakYukleKira(ParentFoy);
                break;
            case E_AT_53Nafaka:
            case E_AT_49Nafaka:
                AlacakYukleNafaka(ParentFoy);
                break;
            default:
                if (ParentFoy.AlacakTipi >= 1 && ParentFoy.AlacakTipi <= 28)
                    BorcYukleGenel(ParentFoy);
                break;
        }
        FaizBilgileriniTamamla(ParentFoy);
    });
}

void colAlacaklar::BorcYukleGenel(clsFoyBilgileri& ParentFoy) {
    trapped(QStringLiteral("colAlacaklar.BorcYukleGenel"), [&] {
        const QString baz = bazTarih(ParentFoy);
        const bool cekSenetDosyasi = ParentFoy.AlacakTipi == E_AT_163CekSenet ||
                                     ParentFoy.AlacakTipi == E_AT_49CekSenetSozlesme ||
                                     ParentFoy.AlacakTipi == E_AT_153Ceksenet ||
                                     ParentFoy.AlacakTipi == E_AT_52CekSenet;
        // The claims in the order of their codes: their items of the same day and kind are
        // replayed, and paid, in the order they are loaded, and a server returns rows
        // without an ORDER BY in whatever order its plan gives.
        RecordSet rs = oku(QStringLiteral("select * from tblfoy_alacak where foykodu = ") +
                           QString::number(ParentFoy.FoyKodu) +
                           QStringLiteral(" order by alacakkodu"));
        for (; !rs.eof(); rs.moveNext()) {
            const Money tutar = Money::fromVariant(rs.value(QStringLiteral("tutar")));
            clsAlacakKalemi& kalem =
                Add(toInt16(rs.value(QStringLiteral("alacakkodu"))),
                    genelAlacakAdi(ParentFoy.AlacakTipi, rs), tutar,
                    tarihDenetle(toText(rs.value(QStringLiteral("tarih"))), "tblfoy_alacak",
                                 "tarih", ParentFoy.FoyKodu),
                    Money::fromVariant(rs.value(QStringLiteral("birikmisfaiz"))),
                    rateOrZero(rs.value(QStringLiteral("faizorani"))),
                    zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                    zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosufoykodu"))),
                    zeroPrefixedMoney(rs.value(QStringLiteral("faizislemeyecektutar"))));
            // A claim that falls due after the enforcement date bears interest from it.
            if (kalem.FaizBaslangicTarihi > baz)
                kalem.FaizBaslangicTarihi = baz;
            if (cekSenetDosyasi) {
                qint16 tur = zeroPrefixedInt16(rs.value(QStringLiteral("alacakturu")));
                if (tur == E_AT49163_Cek) {
                    CekSayisi = artir(CekSayisi);
                    CekToplami += moneyOrZero(rs.value(QStringLiteral("ceksenettutari")));
                    TakibeKonuCekToplami += tutar;
                } else if (tur == E_AT49163_Senet) {
                    SenetSayisi = artir(SenetSayisi);
                    SenetToplami += moneyOrZero(rs.value(QStringLiteral("ceksenettutari")));
                    TakibeKonuSenetToplami += tutar;
                }
            }
            ToplamAlacak += tutar;
        }
    });
}

void colAlacaklar::AlacakYukleKira(clsFoyBilgileri& ParentFoy) {
    trapped(QStringLiteral("colAlacaklar.AlacakYukleKira"), [&] {
        const QString baz = bazTarih(ParentFoy);
        RecordSet rs =
            oku(QStringLiteral("select * from tblfoy_alacak where foykodu = ") +
                QString::number(ParentFoy.FoyKodu) + QStringLiteral(" order by yil, birinciay"));
        QString ilkVade;
        bool kiraVar = false;
        bool kiraFarkiVar = false;
        bool ilkSatir = true;
        for (; !rs.eof(); rs.moveNext()) {
            const qint16 yil = toInt16(rs.value(QStringLiteral("yil")));
            const qint16 birinciAy = toInt16(rs.value(QStringLiteral("birinciay")));
            const qint16 ikinciAy = toInt16(rs.value(QStringLiteral("ikinciay")));
            const qint16 odemeGunu = toInt16(rs.value(QStringLiteral("odemegunu")));
            const bool kira = zeroPrefixedInt16(rs.value(QStringLiteral("alacakturu"))) == 1;
            const Money tutar = moneyOrZero(rs.value(QStringLiteral("tutar")));
            if (ilkSatir) {
                ilkVade = kiraVadesi(yil, birinciAy, odemeGunu);
                ilkSatir = false;
            }
            for (qint16 ay = birinciAy; ay <= ikinciAy; ++ay) {
                if (!ParentFoy.Muacceliyet) {
                    const QString vade = kiraVadesi(yil, ay, odemeGunu);
                    Add(int16OrZero(rs.value(QStringLiteral("alacakkodu"))),
                        kira ? QStringLiteral("Kira") : QStringLiteral("Kira Farkı"), tutar,
                        vade < baz ? vade : baz, Money(),
                        rateOrZero(rs.value(QStringLiteral("faizorani"))),
                        zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                        zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosufoykodu"))),
                        Money());
                }
                (kira ? kiraVar : kiraFarkiVar) = true;
                ToplamAlacak += tutar;
            }
        }
        // With acceleration the whole rent debt is one claim due from the first month.
        if (ParentFoy.Muacceliyet && !ilkVade.isEmpty()) {
            QString ad = kiraVar && kiraFarkiVar ? QStringLiteral("Kira ve Kira Farkı")
                         : kiraVar               ? QStringLiteral("Kira")
                                                 : QStringLiteral("Kira Farkı");
            Add(0, ad, ToplamAlacak, ilkVade < baz ? ilkVade : baz, Money(), 0.0f, 0, 0, Money());
        }
    });
}

void colAlacaklar::AlacakYukleNafaka(clsFoyBilgileri& ParentFoy) {
    trapped(QStringLiteral("colAlacaklar.AlacakYukleNafaka"), [&] {
        DateService& tarihler = shared().dates();
        // The claims in the order of their codes: their items of the same day and kind are
        // replayed, and paid, in the order they are loaded, and a server returns rows
        // without an ORDER BY in whatever order its plan gives.
        RecordSet rs = oku(QStringLiteral("select * from tblfoy_alacak where foykodu = ") +
                           QString::number(ParentFoy.FoyKodu) +
                           QStringLiteral(" order by alacakkodu"));
        for (; !rs.eof(); rs.moveNext()) {
            const QDate baslangic =
                tarihler.toDate(tarihDenetle(toText(rs.value(QStringLiteral("tarih"))),
                                             "tblfoy_alacak", "tarih", ParentFoy.FoyKodu));
            const QString duzenleme =
                tarihDenetle(textOrEmpty(rs.value(QStringLiteral("duzenlemetarihi"))),
                             "tblfoy_alacak", "duzenlemetarihi", ParentFoy.FoyKodu);
            QDate bitis;
            if (!duzenleme.isEmpty())
                bitis = tarihler.toDate(duzenleme);
            else if (!ParentFoy.GununTarihi.isEmpty())
                bitis = tarihler.toDate(ParentFoy.GununTarihi);
            // Files registered after 14 March 2008 owe the first instalment on the start date.
            QDate taksit = ParentFoy.FoyKayitTarihi > QStringLiteral("20080314")
                               ? baslangic
                               : baslangic.addMonths(1);
            const QString nafakaFaizBaslangici =
                tarihDenetle(textOrEmpty(rs.value(QStringLiteral("nafakafaizbaslangictarihi"))),
                             "tblfoy_alacak", "nafakafaizbaslangictarihi", ParentFoy.FoyKodu);
            while (bitis.isValid() && taksit < bitis) {
                const QString taksitTarihi = tarihler.toText(taksit);
                clsAlacakKalemi& kalem =
                    Add(int16OrZero(rs.value(QStringLiteral("alacakkodu"))),
                        taksit.toString(QStringLiteral("dd.MM.yyyy")) +
                            QStringLiteral(" tarihli nafaka"),
                        moneyOrZero(rs.value(QStringLiteral("tutar"))), taksitTarihi, Money(),
                        rateOrZero(rs.value(QStringLiteral("faizorani"))),
                        zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                        zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosufoykodu"))),
                        Money());
                if (nafakaFaizBaslangici > taksitTarihi)
                    kalem.NafakaFaizBaslangicTarihi = nafakaFaizBaslangici;
                else if (!nafakaFaizBaslangici.isEmpty())
                    kalem.NafakaFaizBaslangicTarihi = taksitTarihi;
                kalem.AlacakTuru = zeroPrefixedInt16(rs.value(QStringLiteral("alacakturu")));
                taksit = taksit.addMonths(1);
            }
        }
    });
}

void colAlacaklar::SonrakiAlacaklariYukle(clsFoyBilgileri& ParentFoy) {
    SonrakiAlacaklariOku(ParentFoy, false);
}

void colAlacaklar::SonrakiAlacaklariTODAOlarakYukle(clsFoyBilgileri& ParentFoy) {
    SonrakiAlacaklariOku(ParentFoy, true);
}

void colAlacaklar::SonrakiAlacaklariOku(clsFoyBilgileri& ParentFoy, bool todaOlarak) {
    trapped(QStringLiteral("colAlacaklar.SonrakiAlacaklariYukle"), [&] {
        bosalt();
        const QString baz = bazTarih(ParentFoy);
        RecordSet rs =
            oku(QStringLiteral("SELECT * FROM tblfoy_sonrakialacak WHERE foykodu = ") +
                QString::number(ParentFoy.FoyKodu) + QStringLiteral(" ORDER BY tarih, alacakkodu"));
        for (; !rs.eof(); rs.moveNext()) {
            const Money tutar = Money::fromVariant(rs.value(QStringLiteral("tutar")));
            clsAlacakKalemi& kalem = Add(
                toInt16(rs.value(QStringLiteral("alacakkodu"))),
                textOrEmpty(rs.value(QStringLiteral("alacakadi"))), tutar,
                tarihDenetle(textOrEmpty(rs.value(QStringLiteral("tarih"))), "tblfoy_sonrakialacak",
                             "tarih", ParentFoy.FoyKodu),
                Money(), rateOrZero(rs.value(QStringLiteral("faizorani"))),
                zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosufoykodu"))), Money());
            if (todaOlarak) {
                // As pre-enforcement claims they bear interest from the base date at the latest.
                if (!kalem.FaizBaslangicTarihi.isEmpty()) {
                    if (kalem.FaizBaslangicTarihi > baz)
                        kalem.FaizBaslangicTarihi = baz;
                    FaizIsleyecekTODAToplami += kalem.Tutar;
                } else {
                    FaizsizTODAlarinToplami += kalem.Tutar;
                }
            } else {
                // A later claim bears interest from the enforcement date at the earliest.
                if (kalem.FaizBaslangicTarihi < baz)
                    kalem.FaizBaslangicTarihi = baz;
                if (zeroPrefixedByte(rs.value(QStringLiteral("matrahlaradahil"))) == 1)
                    MatrahaDahilOlanSonrakiAlacakToplami += tutar;
            }
            ToplamAlacak += tutar;
        }
        FaizBilgileriniTamamla(ParentFoy);
    });
}

void colAlacaklar::TODALariYukle(clsFoyBilgileri& ParentFoy) {
    trapped(QStringLiteral("colAlacaklar.TODALariYukle"), [&] {
        bosalt();
        const QString baz = bazTarih(ParentFoy);
        RecordSet rs =
            oku(QStringLiteral("SELECT T1.* ") + QStringLiteral("FROM tblfoy_toda T1  ") +
                QStringLiteral("WHERE T1.foykodu = ") + QString::number(ParentFoy.FoyKodu) + u' ' +
                QStringLiteral(" AND tutar > 0 ") + QStringLiteral("ORDER BY alacakkodu "));
        for (; !rs.eof(); rs.moveNext()) {
            const Money tutar = moneyOrZero(rs.value(QStringLiteral("tutar")));
            const QString baslangic =
                tarihDenetle(textOrEmpty(rs.value(QStringLiteral("faizbaslangictarihi"))),
                             "tblfoy_toda", "faizbaslangictarihi", ParentFoy.FoyKodu);
            clsAlacakKalemi& kalem = Add(
                int16OrZero(rs.value(QStringLiteral("alacakkodu"))),
                textOrEmpty(rs.value(QStringLiteral("ad"))), tutar, baslangic, Money(),
                rateOrZero(rs.value(QStringLiteral("faizorani"))),
                zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosukodu"))),
                zeroPrefixedInt32(rs.value(QStringLiteral("faizoranitablosufoykodu"))), Money());
            if (baslangic.isEmpty()) {
                FaizsizTODAlarinToplami += tutar;
            } else if (baslangic <= baz) {
                FaizIsleyecekTODAToplami += tutar;
            } else {
                TakipTarFaizIsleyecekTODATop += tutar;
                kalem.FaizBaslangicTarihi = baz;
            }
            ToplamAlacak += tutar;
        }
        FaizBilgileriniTamamla(ParentFoy);
    });
}

void colAlacaklar::FaizBilgileriniTamamla(clsFoyBilgileri& ParentFoy) {
    for (clsAlacakKalemi& kalem : *this) {
        if (kalem.FaizBaslangicTarihi.isEmpty() || kalem.Tutar <= Money())
            continue;
        if (kalem.FaizOraniTablosuKodu != 0 || kalem.FaizOrani != 0.0f) {
            if (kalem.TabloOran() == E_TO_TabloKullan)
                kalem.FaizOraniTablosu().Yukle(
                    kalem.FaizOraniTablosuFoyKodu, kalem.FaizOraniTablosuKodu,
                    kalem.FaizBaslangicTarihi, ParentFoy.GununTarihi, true);
            continue;
        }
        // A claim without a rule of its own follows the file's.
        if (ParentFoy.TabloOran != E_TO_OranKullan) {
            kalem.FaizOraniTablosu().TablodanKopyala(ParentFoy.FaizTablosu());
            kalem.FaizOraniTablosuKodu = ParentFoy.FaizOraniTablosuKodu;
            kalem.FaizOraniTablosuFoyKodu = ParentFoy.FaizOraniTablosuFoyKodu;
        } else {
            kalem.FaizOrani = ParentFoy.FaizOrani;
        }
    }
}

}  // namespace quv
