#include "plans/SmsGonderici.h"

#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "file/FieldReads.h"
#include "plans/Cp1254.h"
#include "plans/SmsMesajlari.h"
#include "plans/modSMSGonderme.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace quv {

namespace M = SmsMesajlari;
using modSMSGonderme::FormEncode;
using modSMSGonderme::URLEncodeUTF8;

namespace {

// A setting as text; a Null is the empty text.
QString ayar(const RecordSet& rs, const char* ad) {
    return FieldReads::textOrEmpty(rs.value(QString::fromLatin1(ad)));
}

// The numeric value at the start of a text ("2", " 2 ", "2.0"); 0 when there is none.
quint8 saglayici(const QString& metin) {
    const QString t = metin.trimmed();
    qsizetype son = 0;
    while (son < t.size() && (t[son].isDigit() || t[son] == u'.'))
        ++son;
    bool ok = false;
    const double deger = t.left(son).toDouble(&ok);
    return ok ? toByte(deger) : 0;
}

// The answer as text: the code page when the gateway names it, UTF-8 otherwise.
QString yanitMetni(QNetworkReply& yanit) {
    const QByteArray govde = yanit.readAll();
    const QString tur = yanit.header(QNetworkRequest::ContentTypeHeader).toString().toLower();
    if (tur.contains(QStringLiteral("1254")) || tur.contains(QStringLiteral("8859-9")))
        return Cp1254::coz(govde);
    return QString::fromUtf8(govde);
}

}  // namespace

SmsGonderici::SmsGonderici(QObject* parent)
    : QObject(parent),
      BasitAdres(qEnvironmentVariable(BasitAdresDegiskeni)),
      TokenAdres(qEnvironmentVariable(TokenAdresDegiskeni)),
      ag_(new QNetworkAccessManager(this)) {}

SmsGonderici::~SmsGonderici() = default;

void SmsGonderici::SmsAyarlariniYukle() {
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("SELECT * from tbloptions_all where kod=1"));
    SaglayiciId = 0;
    for (QString* alan :
         {&KullaniciAdi, &Sifre, &HermesKullaniciAdi, &HermesSifresi, &HermesMusteriKodu,
          &HermesVendorId, &HermesApiKey, &HermesOriginatorIdTelNo})
        alan->clear();
    if (rs.eof())
        return;
    SaglayiciId = saglayici(ayar(rs, "SmsServisSaglayiciId"));
    if (SaglayiciId == 1) {
        KullaniciAdi = ayar(rs, "smskullaniciadi");
        Sifre = modSMSGonderme::Decrypt(ayar(rs, "smssifresi"));
    } else {
        HermesKullaniciAdi = ayar(rs, "SmsHermesKullaniciAdi");
        HermesSifresi = modSMSGonderme::Decrypt(ayar(rs, "SmsHermesSifresi"));
        HermesMusteriKodu = ayar(rs, "SmsHermesMusteriKodu");
        HermesVendorId = ayar(rs, "SmsHermesVendorId");
        HermesApiKey = ayar(rs, "SmsHermesApiKey");
        HermesOriginatorIdTelNo = ayar(rs, "SmsHermesOriginatorIdTelNo");
    }
    rs.close();
}

bool SmsGonderici::Kullanilabilir() const {
    if (SaglayiciId == 1)
        return !KullaniciAdi.isEmpty() && !Sifre.isEmpty();
    return !HermesKullaniciAdi.isEmpty() && !HermesSifresi.isEmpty() &&
           !HermesMusteriKodu.isEmpty() && !HermesVendorId.isEmpty() && !HermesApiKey.isEmpty() &&
           !HermesOriginatorIdTelNo.isEmpty();
}

SmsKomutSonucu SmsGonderici::SmsGonderKomutu(const QString& Numara, const QString& Metin) {
    return trapped(QStringLiteral("SMSGonder_Click"), SmsKomutSonucu::HataOlustu, [&] {
        MessageService& mesajlar = shared().messages();
        const std::optional<QString> numara = NumaraDenetle(Numara);
        if (!numara) {
            mesajlar.information(M::GecersizNumara);
            return SmsKomutSonucu::NumaraGecersiz;
        }
        if (!SmsGonder(*numara, Metin))
            return SmsKomutSonucu::Gonderilmedi;
        if (SMSResponse.ErrorNo != 0) {
            mesajlar.information(M::Gonderilemedi + SMSResponse.ErrorText);
            return SmsKomutSonucu::Hatali;
        }
        mesajlar.information(M::Gonderildi + SMSResponse.ErrorText);
        return SmsKomutSonucu::Gonderildi;
    });
}

bool SmsGonderici::SmsGonder(const QString& Numara, const QString& Metin) {
    if (!TokenHazirla()) {
        shared().messages().information(M::TokenAlinamadi + SMSResponse.ErrorText);
        return false;
    }
    if (SaglayiciId == 1)
        BasitSmsGonder(Numara, Metin);
    else
        HermesSmsGonder(Numara, Metin);
    return true;
}

bool SmsGonderici::TokenHazirla() {
    // Every provider other than 1 sends through the token gateway, so every one of them
    // needs the token.
    if (SaglayiciId == 1)
        return true;
    if (SMSResponse.IsHermesTokenValid())
        return true;
    HermesTokenAl();
    return SMSResponse.IsHermesTokenValid();
}

void SmsGonderici::HermesTokenAl() {
    IstekTuru = 4;
    const std::optional<QUrl> url =
        Adres(TokenAdres, TokenAdresDegiskeni, QStringLiteral("https"),
              QStringLiteral("/api/UserGatewayWS/functions/authenticate"));
    if (!url)
        return;
    const QString govde = QStringLiteral("userName=") + FormEncode(HermesKullaniciAdi) +
                          QStringLiteral("&userPass=") + FormEncode(HermesSifresi) +
                          QStringLiteral("&customerCode=") + FormEncode(HermesMusteriKodu) +
                          QStringLiteral("&apiKey=") + FormEncode(HermesApiKey) +
                          QStringLiteral("&vendorCode=") + FormEncode(HermesVendorId);
    HttpPost(*url, govde.toLatin1());
}

void SmsGonderici::HermesSmsGonder(const QString& Numara, const QString& Metin) {
    IstekTuru = 5;
    const std::optional<QUrl> url = Adres(TokenAdres, TokenAdresDegiskeni, QStringLiteral("https"),
                                          QStringLiteral("/api/SMSGatewayWS/functions/sendSMS"));
    if (!url)
        return;
    // The numbers go as a JSON array of strings, here with one element.
    const QString numaralar = QStringLiteral("[\"") + Numara + QStringLiteral("\"]");
    const QString govde =
        QStringLiteral("token=") + URLEncodeUTF8(SMSResponse.HermesToken(), false) +
        QStringLiteral("&phoneNumbers=") + URLEncodeUTF8(numaralar, false) +
        QStringLiteral("&templateText=") + URLEncodeUTF8(Metin, false) +
        QStringLiteral("&originatorId=") + URLEncodeUTF8(HermesOriginatorIdTelNo, false) +
        QStringLiteral("&isUTF8Allowed=true") + QStringLiteral("&validityPeriod=1440") +
        QStringLiteral("&isRepeatingDestinationAllowed=false") +
        QStringLiteral("&usingIvtboxOptoutSMS=false");
    HttpPost(*url, govde.toLatin1());
}

void SmsGonderici::BasitSmsGonder(const QString& Numara, const QString& Metin) {
    IstekTuru = 2;
    const std::optional<QUrl> url = Adres(BasitAdres, BasitAdresDegiskeni, QStringLiteral("http"),
                                          QStringLiteral("/api_http/sendsms.asp"));
    if (!url)
        return;
    QString metin = Metin;
    metin.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    const QString govde = QStringLiteral("user=") + FormEncode(KullaniciAdi) +
                          QStringLiteral("&password=") + FormEncode(Sifre) +
                          QStringLiteral("&gsm=") + FormEncode(Numara) + QStringLiteral("&text=") +
                          FormEncode(metin);
    HttpPost(*url, govde.toLatin1());
}

std::optional<QUrl> SmsGonderici::Adres(const QString& Taban, const char* Degisken,
                                        const QString& VarsayilanSema, const QString& Yol) {
    const QString degisken = QString::fromLatin1(Degisken);
    QString taban = Taban.trimmed();
    SMSResponse.ClearClass();
    if (taban.isEmpty()) {
        SMSResponse.ErrorNo = HataAdres;
        SMSResponse.ErrorText = M::AdresTanimsiz.arg(degisken);
        return std::nullopt;
    }
    if (!taban.contains(QStringLiteral("://")))
        taban = VarsayilanSema + QStringLiteral("://") + taban;
    QUrl url(taban, QUrl::StrictMode);
    const QString sema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (sema != QStringLiteral("http") && sema != QStringLiteral("https"))) {
        SMSResponse.ErrorNo = HataAdres;
        SMSResponse.ErrorText = M::AdresGecersiz.arg(degisken);
        return std::nullopt;
    }
    QString yol = url.path();
    while (yol.endsWith(u'/'))
        yol.chop(1);
    url.setPath(yol + Yol);
    return url;
}

void SmsGonderici::HttpPost(const QUrl& Url, const QByteArray& Govde) {
    if (mesgul_)
        throw RuntimeError::application(M::OncekiIstekSuruyor);
    mesgul_ = true;
    SMSResponse.ClearClass();
    QNetworkRequest istek(Url);
    istek.setHeader(QNetworkRequest::ContentTypeHeader,
                    QStringLiteral("application/x-www-form-urlencoded"));
    QPointer<QNetworkReply> yanit = ag_->post(istek, Govde);
    QEventLoop dongu;
    QTimer sure;
    sure.setSingleShot(true);
    sure.setTimerType(Qt::PreciseTimer);
    connect(yanit, &QNetworkReply::finished, &dongu, &QEventLoop::quit);
    connect(&sure, &QTimer::timeout, &dongu, &QEventLoop::quit);
    sure.start(ZamanAsimiMs);
    const QPointer<SmsGonderici> bu(this);
    dongu.exec();
    if (!bu)
        return;
    if (yanit && yanit->isFinished()) {
        IstekTamamlandi(*yanit);
    } else {
        // No answer in time: the request ends as a failed connection does.
        if (yanit) {
            yanit->disconnect(&dongu);
            yanit->abort();
        }
        SMSResponse.ClearClass();
        SMSResponse.ErrorNo = HataYanitYok;
        SMSResponse.ErrorText = M::YanitVermedi;
    }
    if (yanit)
        yanit->deleteLater();
    mesgul_ = false;
}

void SmsGonderici::IstekTamamlandi(QNetworkReply& Yanit) {
    const bool okundu = trapped(QStringLiteral("Inet1_StateChanged"), [&] {
        const QVariant durum = Yanit.attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!durum.isValid()) {
            // No answer at all: the connection failed (refused, name unknown, TLS ...).
            SMSResponse.ClearClass();
            SMSResponse.ErrorNo = HataBaglanti;
            SMSResponse.ErrorText = M::BaglantiHatasi.arg(Yanit.errorString());
            return;
        }
        const QString metin = yanitMetni(Yanit);
        switch (IstekTuru) {
            case 4:
                SMSResponse.ParseHermesToken(metin);
                break;
            case 5:
                SMSResponse.ParseHermesSMSTelNoIle(metin);
                break;
            default:
                SMSResponse.ParseResponse(metin);
                break;
        }
        // An HTTP error the gateway did not describe itself is still an error.
        const int kod = durum.toInt();
        if ((kod < 200 || kod > 299) && SMSResponse.ErrorNo == 0) {
            SMSResponse.ErrorNo = HataHttp;
            if (SMSResponse.ErrorText.isEmpty())
                SMSResponse.ErrorText = M::HttpHatasi.arg(kod);
        }
    });
    // An answer that could not be read says nothing about the send: not a success.
    if (!okundu && SMSResponse.ErrorNo == 0) {
        SMSResponse.ErrorNo = HataYanitOkunamadi;
        SMSResponse.ErrorText = M::YanitOkunamadi;
    }
}

}  // namespace quv
