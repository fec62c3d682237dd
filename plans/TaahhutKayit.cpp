#include "plans/TaahhutKayit.h"

#include "engine/Database.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "file/FieldReads.h"
#include "plans/OdemePlaniMesajlari.h"

#include <QRandomGenerator>
#include <QThread>

#include <algorithm>

namespace quv {

namespace M = OdemePlaniMesajlari;

QString TaahhutKayitSonucu::Mesaj() const {
    if (Kaydedilen != Istenen)
        return M::TaahhutlerKismenKaydedildi.arg(Istenen).arg(Kaydedilen);
    if (AjandaKaydedilen != AjandaIstenen)
        return M::AjandaKismenKaydedildi.arg(AjandaIstenen).arg(AjandaKaydedilen);
    return M::TaahhutlerKaydedildi;
}

namespace TaahhutKayit {

namespace {

// Every refused number means another user stored a row meanwhile, so the retries make
// progress; the bound only keeps a failure that merely looks like a taken key from
// looping for ever.
constexpr int kEnFazlaDeneme = 1000;
// After this many refusals in a row the writer waits a random few milliseconds, so that
// writers racing for the same numbers fall out of step instead of colliding again.
constexpr int kBeklemedenDeneme = 3;

// The largest value of the query's one column, 0 when there is none.
qint32 enBuyuk(const QString& sql, const QVariantList& parametreler = {}) {
    RecordSet rs = shared().connection().openRecordSet(sql, CursorType::ForwardOnly, parametreler);
    const qint32 deger = rs.eof() || isNull(rs.value(0)) ? 0 : toInt32(rs.value(0));
    rs.close();
    return deger;
}

bool varMi(const QString& sql, const QVariantList& parametreler) {
    RecordSet rs = shared().connection().openRecordSet(sql, CursorType::ForwardOnly, parametreler);
    return !rs.eof() && toInt32(rs.value(0)) > 0;
}

// The database refused a row because its key is already there: SQLSTATE 23505 on the
// server, a failed UNIQUE or PRIMARY KEY constraint on SQLite.
bool anahtarCakismasi(const RuntimeError& hata) {
    const QString& metin = hata.description();
    return metin.contains(QStringLiteral("23505")) ||
           metin.contains(QStringLiteral("duplicate key"), Qt::CaseInsensitive) ||
           metin.contains(QStringLiteral("UNIQUE constraint failed"), Qt::CaseInsensitive);
}

// Inserts with the number; when the insert fails because the number is now taken
// (another user saved meanwhile), goes on with the next free one. Any other failure
// reaches the caller. Returns the number used.
template <class Ekle, class Alindi, class Sonraki>
qint32 cakismadaTekrarla(qint32 numara, Ekle ekle, Alindi alindi, Sonraki sonraki) {
    for (int deneme = 1;; ++deneme) {
        std::optional<RuntimeError> hata;
        try {
            ekle(numara);
            return numara;
        } catch (const RuntimeError& e) {
            hata = e;
        }
        // A key refused as a duplicate (the server says so), or the number found taken.
        bool cakisma = anahtarCakismasi(*hata);
        try {
            cakisma = cakisma || alindi(numara);
        } catch (const RuntimeError&) {
            // The original failure is the one to report.
        }
        if (!cakisma || deneme >= kEnFazlaDeneme)
            throw *hata;
        if (deneme >= kBeklemedenDeneme)
            QThread::msleep(QRandomGenerator::global()->bounded(1u, 2u + std::min(deneme, 50)));
        numara = std::max(numara + 1, sonraki());
    }
}

bool ajandayaKaydet(qint32 FoyKodu, const Borclu& borclu, const OdemePlaniSatiri& satir) {
    return trapped(QStringLiteral("frmShowPlan.AjandayaKaydet"), [&] {
        const QString icerik = borclu.Ad + QStringLiteral(" taahhüdü. ") +
                               formatNumber(satir.Tutar, FormatMoney) + QStringLiteral(".-TL");
        cakismadaTekrarla(
            GetYeniAjandaID(),
            [&](qint32 id) {
                shared().connection().addRow(
                    QStringLiteral("tblajanda"),
                    {{QStringLiteral("ID"), id},
                     {QStringLiteral("kayittarihi"), shared().dates().today()},
                     {QStringLiteral("foykodu"), FoyKodu},
                     {QStringLiteral("kaydeden"), shared().ActiveUserName},
                     {QStringLiteral("muhatap"), QString(QStringLiteral(""))},
                     {QStringLiteral("hatirlatmatarihi"), satir.Tarih},
                     {QStringLiteral("icerik"), icerik},
                     {QStringLiteral("hatirlatmayadevamet"), 1}});
            },
            [&](qint32 id) {
                return varMi(QStringLiteral("select count(*) from tblajanda where ID = ?"), {id});
            },
            [&] { return GetYeniAjandaID(); });
    });
}

}  // namespace

QList<Borclu> BorclulariYukle(qint32 FoyKodu) {
    QList<Borclu> borclular;
    trapped(QStringLiteral("frmShowPlan.LoadBorclular"), [&] {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select foysahiskodu , ad, soyad from tblfoy_sahis where (foykodu = ") +
            QString::number(FoyKodu) + u')');
        for (; !rs.eof(); rs.moveNext())
            borclular.append({toInt32(rs.value(QStringLiteral("foysahiskodu"))),
                              FieldReads::textOrEmpty(rs.value(QStringLiteral("ad"))) + u' ' +
                                  FieldReads::textOrEmpty(rs.value(QStringLiteral("soyad")))});
    });
    return borclular;
}

std::optional<bool> KayitliTaahhutDurumu(qint32 FoyKodu) {
    return trapped<std::optional<bool>>(
        QStringLiteral("frmShowPlan.CheckForTaahhut"), std::nullopt, [&]() -> std::optional<bool> {
            RecordSet rs = shared().connection().openRecordSet(
                QStringLiteral("select * from tblfoy_taahhut where foykodu = ") +
                QString::number(FoyKodu));
            if (rs.eof() || isNull(rs.value(QStringLiteral("taahutdurumu"))))
                return std::nullopt;
            return toBool(rs.value(QStringLiteral("taahutdurumu")));
        });
}

Denetim TaahhutDegerleriOK(const QList<OdemePlaniSatiri>& Satirlar) {
    // Columns "Sıra", "Tarih", "Tutar", "Taah. Kaydet", "Açıklama".
    for (int i = 0; i < Satirlar.size(); ++i) {
        const OdemePlaniSatiri& satir = Satirlar[i];
        if (!satir.taahhutEdilecek())
            continue;
        if (satir.Tarih.isEmpty())
            return {M::TaahhutTarihiGiriniz, QStringLiteral("grdPlan"), i + 1, 1};
        if (satir.Tutar.isZero())
            return {M::TaahhutMiktariGiriniz, QStringLiteral("grdPlan"), i + 1, 2};
    }
    return {};
}

qint32 GetYeniTaahhutKodu(qint32 FoyKodu) {
    return enBuyuk(QStringLiteral("select max(taahhutkodu) from tblfoy_taahhut where foykodu = ?"),
                   {FoyKodu}) +
           1;
}

qint32 GetYeniAjandaID() {
    return enBuyuk(QStringLiteral("select max(ID) from tblajanda")) + 1;
}

TaahhutKayitSonucu TaahhutleriKaydet(qint32 FoyKodu, const Borclu& Borclu,
                                     const QList<OdemePlaniSatiri>& Satirlar, bool Ajandaya,
                                     bool Icrada) {
    TaahhutKayitSonucu sonuc;
    std::optional<qint32> kod;
    for (const OdemePlaniSatiri& satir : Satirlar) {
        if (!satir.taahhutEdilecek())
            continue;
        ++sonuc.Istenen;
        const bool kaydedildi = trapped(QStringLiteral("frmShowPlan.TaahhutKaydet"), [&] {
            if (!kod)
                kod = GetYeniTaahhutKodu(FoyKodu);
            kod = cakismadaTekrarla(
                *kod,
                [&](qint32 numara) {
                    shared().connection().addRow(
                        QStringLiteral("tblfoy_taahhut"),
                        {{QStringLiteral("foykodu"), FoyKodu},
                         {QStringLiteral("taahhutkodu"), numara},
                         {QStringLiteral("foysahiskodu"), Borclu.FoySahisKodu},
                         {QStringLiteral("taahhuttarihi"), satir.Tarih},
                         {QStringLiteral("taahhutmiktari"), satir.Tutar.toSqlValue()},
                         // Not accepted yet: no acceptance date, no notification date.
                         {QStringLiteral("kabultarihi"), QString(QStringLiteral(""))},
                         {QStringLiteral("kabultebligtarihi"), QString(QStringLiteral(""))},
                         {QStringLiteral("odenenmiktar"), Money().toSqlValue()},
                         {QStringLiteral("taahutdurumu"), Icrada ? 1 : 0},
                         {QStringLiteral("parabirimikodu"), 1}});
                },
                [&](qint32 numara) {
                    return varMi(QStringLiteral("select count(*) from tblfoy_taahhut where "
                                                "foykodu = ? and taahhutkodu = ?"),
                                 {FoyKodu, numara});
                },
                [&] { return GetYeniTaahhutKodu(FoyKodu); });
        });
        if (!kaydedildi)
            continue;
        ++sonuc.Kaydedilen;
        kod = *kod + 1;
        if (Ajandaya) {
            ++sonuc.AjandaIstenen;
            if (ajandayaKaydet(FoyKodu, Borclu, satir))
                ++sonuc.AjandaKaydedilen;
        }
    }
    return sonuc;
}

std::optional<TaahhutKayitSonucu> TaahhutKomutu(qint32 FoyKodu,
                                                const std::optional<Borclu>& SecilenBorclu,
                                                const QList<OdemePlaniSatiri>& Satirlar,
                                                bool Icrada) {
    MessageService& mesajlar = shared().messages();
    if (!SecilenBorclu) {
        mesajlar.information(M::TaahhutYapanSahsiSeciniz);
        return std::nullopt;
    }
    const Denetim denetim = TaahhutDegerleriOK(Satirlar);
    if (!denetim.gecti()) {
        mesajlar.information(denetim.Mesaj);
        return std::nullopt;
    }
    const bool ajandaya = mesajlar.question(M::AjandayaKaydedilsinMi);
    TaahhutKayitSonucu sonuc =
        TaahhutleriKaydet(FoyKodu, *SecilenBorclu, Satirlar, ajandaya, Icrada);
    mesajlar.information(sonuc.Mesaj());
    return sonuc;
}

}  // namespace TaahhutKayit

}  // namespace quv
