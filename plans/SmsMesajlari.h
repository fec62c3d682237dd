#pragma once

#include <QChar>
#include <QString>

// The texts the SMS sending shows, exactly as the user sees them. Lines are separated
// by a carriage return.
namespace quv::SmsMesajlari {

inline const QChar CR(13);

inline const QString GecersizNumara =
    QStringLiteral("Geçersiz Cep Telefonu Numarası.") + CR +
    QStringLiteral(
        "Tel Numarası 3 basamak operatör kodu 7 basamak numara olmak üzere en az 10 "
        "basamaktan oluşan rakam olmalı. Düzeltip tekrar deneyiniz.");
// Followed by the gateway's text.
inline const QString Gonderilemedi = QStringLiteral("SMS gönderilemedi. ") + CR;
inline const QString Gonderildi = QStringLiteral("SMS gönderildi. ") + CR;
inline const QString TokenAlinamadi =
    QStringLiteral("İşleme devam edilemiyor. Hermes iletişim için token bilgisi alınamadı.") + CR;

// The message text: the opening after "Sayın " and the debtor's name.
inline const QString MetinGirisi = QStringLiteral(
    ", ofisimizle yapmış olduğunuz taksitlendirme sistemimize kaydedilmiştir. "
    "Taksitlendirme dökümü aşağıdadır. ");

// Failures of the connection itself, held as the response's error text.
inline const QString YanitVermedi = QStringLiteral("SMS servisi yanıt vermedi.");
inline const QString YanitOkunamadi = QStringLiteral("SMS servisinin yanıtı okunamadı.");
// %1: the network's description of the failure.
inline const QString BaglantiHatasi = QStringLiteral("SMS servisine ulaşılamadı: %1");
// %1: the HTTP status code.
inline const QString HttpHatasi = QStringLiteral("SMS servisi isteği kabul etmedi (HTTP %1).");
// %1: the environment variable that names the gateway.
inline const QString AdresTanimsiz =
    QStringLiteral("SMS servisinin adresi tanımlı değil (%1 ortam değişkeni).");
// %1: the environment variable (its value is not shown: it may carry a user name).
inline const QString AdresGecersiz = QStringLiteral(
    "SMS servisinin adresi geçersiz (%1 ortam değişkeni); bir http ya da https "
    "adresi olmalı.");
inline const QString OncekiIstekSuruyor = QStringLiteral("Önceki SMS isteği henüz tamamlanmadı.");

}  // namespace quv::SmsMesajlari
