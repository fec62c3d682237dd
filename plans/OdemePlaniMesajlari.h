#pragma once

#include <QChar>
#include <QString>

// The texts the payment-plan wizard and the plan display show, exactly as the user sees
// them. Lines are separated by a carriage return.
namespace quv::OdemePlaniMesajlari {

inline const QChar CR(13);

// Computations.
inline const QString PesinatBorcuKarsiliyor =
    QStringLiteral("Peşinat tüm borcu karşılıyor. Taksitlendirme yapılmadı.");
inline const QString TaksitSayisi150yiGeciyor =
    QStringLiteral(
        "Girdiğiniz değerlerle borcun kapanması için gerekli taksit sayısı 150'yi "
        "geçiyor.") +
    CR + QStringLiteral("Lütfen değerleri kontrol edip tekrar deneyiniz.") + CR +
    QStringLiteral("Taksitlendirme yapılmadı.");
// The search for the instalment amount stops after this many halvings.
inline const QString PlanHesaplanamadi = QStringLiteral(
    "Ödeme planı 200 denemede hesaplanamadı; lütfen koşulları değiştirip "
    "yeniden deneyiniz.");

// Plan rows.
inline const QString TaksitTutariniBelirleyin =
    QStringLiteral("Lütfen taksit tutarını belirleyip tekrar deneyiniz.");
inline const QString SonTaksitTutariniBelirleyin =
    QStringLiteral("Lütfen son taksit tutarını belirleyip tekrar deneyiniz.");
inline const QString TekrarHesapYaptirin =
    QStringLiteral("Lütfen istediğiniz kriterlere göre takrar hesap yaptırıp tekrar deneyiniz.");
inline const QString Pesinat = QStringLiteral("Peşinat.");

// Input checks of the wizard.
inline const QString FaizIndirimi100 =
    QStringLiteral("Faiz inidirim oranı %100'den büyük olamaz.") + CR +
    QStringLiteral("Lütfen kontrol ediniz.");
inline const QString FaizOraniGiriniz =
    QStringLiteral("Lütfen faiz oranını veya faiz tablosunu giriniz.");
inline const QString KidemFaizOraniGiriniz =
    QStringLiteral("Lütfen kıdem tazminatı faiz oranını veya faiz tablosunu giriniz.");
inline const QString FaizBaslangicTarihiGiriniz =
    QStringLiteral("Lütfen faiz oranının geçerlilik başlangıç tarihini giriniz.");
inline const QString FaizOraniniGiriniz = QStringLiteral("Lütfen faiz oranını giriniz.");
inline const QString MahsupTarihiGiriniz =
    QStringLiteral("Lütfen mahsup sırası geçerlilik başlangıç tarihini giriniz.");
inline const QString MahsupSirasiSeciniz = QStringLiteral("Lütfen mahsup sırasını seçiniz.");
inline const QString OnceTahsilatGiriniz = QStringLiteral("Lütfen önce tahsilat giriniz.");
inline const QString TahsilatTarihiGiriniz = QStringLiteral("Lütfen tahsilat tarihini giriniz.");
inline const QString TahsilatTarihiOnceOlamaz =
    QStringLiteral("Tahsilat tarihi hesap tarihinden önce olamaz.") + CR +
    QStringLiteral("Lütfen kontrol edip tekrar deneyiniz");
inline const QString TahsilatTutariGiriniz = QStringLiteral("Lütfen tahsilat tutarını giriniz.");
inline const QString TaksitSayisiniGiriniz = QStringLiteral("Lütfen Taksit Sayısını Giriniz.");
inline const QString IlkTaksitTarihiniGiriniz =
    QStringLiteral("Lütfen İlk Taksit Tarihini Giriniz.");
inline const QString IlkTaksitTarihiSonraOlmali1 =
    QStringLiteral("İlk Taksit Tarihi Föyün Hesap Tarihinden Sonra Olmalıdır.");
inline const QString TaksitTutariniGiriniz = QStringLiteral("Lütfen Taksit Tutarını Giriniz.");
// The by-amount check has always been spelled this way.
inline const QString IlkTaksitTarihiSonraOlmali2 =
    QStringLiteral("İlk Taksit Tarihi Föyün Hesap Tarihinden Sonra Olmalidır.");

// Commitments.
inline const QString TaahhutYapanSahsiSeciniz =
    QStringLiteral("Lütfen taahhüdü yapan şahsı seçiniz.") + CR +
    QStringLiteral("Hiçbir şahıs yoksa ilgili föyde tanımlayınız.");
inline const QString TaahhutTarihiGiriniz =
    QStringLiteral("Lütfen kaydedilecek taahhüdün tarihini giriniz.");
inline const QString TaahhutMiktariGiriniz =
    QStringLiteral("Lütfen kaydedilecek taahhüdün miktarını giriniz.");
inline const QString AjandayaKaydedilsinMi =
    QStringLiteral("Taahhütlerin ajandaya da kaydedilmesini istiyor musunuz?");
inline const QString TaahhutlerKaydedildi = QStringLiteral("Taahhütler kaydedildi.");
// %1 commitments asked for, %2 of them stored.
inline const QString TaahhutlerKismenKaydedildi = QStringLiteral(
    "%1 taahhüdün %2 tanesi kaydedildi; kaydedilemeyenler için hata iletilerine "
    "bakınız.");
// %1 agenda entries asked for, %2 of them stored (every commitment was stored).
inline const QString AjandaKismenKaydedildi = QStringLiteral(
    "Taahhütler kaydedildi; %1 ajanda kaydının %2 tanesi kaydedildi, "
    "kaydedilemeyenler için hata iletilerine bakınız.");

}  // namespace quv::OdemePlaniMesajlari
