#pragma once

#include "plans/OdemePlani.h"
#include "plans/clsSMSResponse.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace quv {

// One number of the debtor's number list.
struct SmsTelefonu {
    QString Numara;
    // 1 research result (tblfoy_arastirma), 2 a call (tblfoy_gorusme), 3 the party's record.
    qint16 Kaynak = 0;
    // 1 not reachable, 2 unknown, 3 reached.
    qint16 Ikon = 0;
};

// What the send command ended with.
enum class SmsKomutSonucu {
    NumaraGecersiz,  // the number was refused; nothing was sent
    Gonderilmedi,    // no send request was made (no token)
    Hatali,          // the gateway or the connection reported an error
    Gonderildi,      // the gateway accepted the message
    HataOlustu,      // a run-time error was reported
};

// Sends the plan to the debtor by SMS through the office's gateway: provider 1 is the
// simple gateway (one form POST over HTTP), any other provider the token gateway (an
// authentication that yields a token with a validity window, then the send, over
// HTTPS). One request is in flight at a time; while it runs, events keep being
// processed, so the window stays responsive. A request that gets no answer within the
// time limit ends as a connection error.
class SmsGonderici : public QObject {
    Q_OBJECT
public:
    // Error numbers the response holds when the connection itself failed.
    static constexpr qint16 HataBaglanti = -3001;  // no connection, a TLS failure ...
    static constexpr qint16 HataYanitYok = -3002;  // no answer within the time limit
    static constexpr qint16 HataHttp = -3003;      // an HTTP error status without a gateway error
    static constexpr qint16 HataAdres = -3004;     // the gateway address is missing or invalid
    static constexpr qint16 HataYanitOkunamadi = -3005;  // an answer that could not be read

    // The environment variables naming the gateways: a URL, or a host (and port) to
    // which the scheme is added: http for the simple gateway, https for the token one.
    static inline const char* const BasitAdresDegiskeni = "QUV_SMS_BASIT_URL";
    static inline const char* const TokenAdresDegiskeni = "QUV_SMS_TOKEN_URL";

    explicit SmsGonderici(QObject* parent = nullptr);
    ~SmsGonderici() override;

    // Settings (tbloptions_all, row kod = 1).
    quint8 SaglayiciId = 0;
    QString KullaniciAdi;
    QString Sifre;
    QString HermesKullaniciAdi;
    QString HermesSifresi;
    QString HermesMusteriKodu;
    QString HermesVendorId;
    QString HermesApiKey;
    QString HermesOriginatorIdTelNo;

    // The gateways' addresses, taken from the environment when the sender is made.
    QString BasitAdres;
    QString TokenAdres;
    // How long a request may wait for its answer.
    int ZamanAsimiMs = 30000;

    // The outcome of the last request and the token gateway's token.
    clsSMSResponse SMSResponse;
    // 2 simple send, 4 token authentication, 5 token-gateway send.
    qint16 IstekTuru = 0;
    bool Mesgul() const { return mesgul_; }

    // Loads the settings; the passwords are unscrambled.
    void SmsAyarlariniYukle();
    // Whether the settings of the chosen gateway are complete.
    bool Kullanilabilir() const;

    // The debtor's numbers: research results, then the latest call of every other
    // number called, then the numbers of the party's record not listed yet.
    static QList<SmsTelefonu> TelefonlariYukle(qint32 FoyKodu, qint32 FoySahisKodu);
    // The message: the greeting with the debtor's name and every plan row that has
    // a date and an amount.
    static QString SmsMetniOlustur(const QString& BorcluAdi,
                                   const QList<OdemePlaniSatiri>& Satirlar);
    // The number to send to: at least 10 digits and nothing else; 10 digits without a
    // leading 0 get one. None when the number cannot be used.
    static std::optional<QString> NumaraDenetle(const QString& Numara);

    // The send command: the number check (its message stops it), the send and its
    // closing message. Run-time errors are reported with the source "SMSGonder_Click".
    SmsKomutSonucu SmsGonderKomutu(const QString& Numara, const QString& Metin);

    // Sends through the chosen gateway; true when a send request was made (its outcome
    // is then in SMSResponse), false when the token could not be had (after a message).
    bool SmsGonder(const QString& Numara, const QString& Metin);
    // The token gateway's token, renewed when it is missing or expired.
    bool TokenHazirla();
    void HermesTokenAl();
    void HermesSmsGonder(const QString& Numara, const QString& Metin);
    void BasitSmsGonder(const QString& Numara, const QString& Metin);
    // Posts a form body and waits, processing events, until the answer has been handled,
    // the connection failed or the time limit passed.
    void HttpPost(const QUrl& Url, const QByteArray& Govde);

private:
    // The full address of a gateway path; none (with the error in SMSResponse) when
    // the base address is missing or unusable.
    std::optional<QUrl> Adres(const QString& Taban, const char* Degisken,
                              const QString& VarsayilanSema, const QString& Yol);
    // The completed request: the answer parsed by the request kind, or the failure.
    void IstekTamamlandi(QNetworkReply& Yanit);

    QNetworkAccessManager* ag_ = nullptr;
    bool mesgul_ = false;
};

}  // namespace quv
