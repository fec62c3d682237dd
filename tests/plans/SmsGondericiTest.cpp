// The SMS settings and the debtor's numbers on every backend, and sends against fake
// gateways on 127.0.0.1.

#include "SahteSmsServisi.h"

#include "../file/DbFixture.h"
#include "engine/SharedState.h"
#include "plans/SmsGonderici.h"
#include "plans/modSMSGonderme.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace quv {
namespace {

using test::kv;
using Yanit = test::SahteSmsServisi::Yanit;

const QChar CR(13);
const QString kGonderilemedi = QStringLiteral("SMS gönderilemedi. ") + CR;
const QByteArray kBasitYol = "/api_http/sendsms.asp";
const QByteArray kTokenYol = "/api/UserGatewayWS/functions/authenticate";
const QByteArray kGonderYol = "/api/SMSGatewayWS/functions/sendSMS";

class SmsVeritabaniTest : public test::DbFixture {
protected:
    // The options row; the passwords are stored scrambled.
    void ayarlar(QVariant saglayici, const FieldValues& alanlar) {
        FieldValues satir = kv({"kod", 1, "SmsServisSaglayiciId", saglayici});
        satir += alanlar;
        add(QStringLiteral("tbloptions_all"), satir);
    }
};

TEST_P(SmsVeritabaniTest, SettingsAndAvailability) {
    using modSMSGonderme::Decrypt;
    ayarlar(1, kv({"smskullaniciadi", "ofis", "smssifresi", Decrypt(QStringLiteral("gizli şifre")),
                   "SmsHermesKullaniciAdi", "okunmaz"}));
    SmsGonderici sms;
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(sms.SaglayiciId, 1);
    EXPECT_EQ(sms.KullaniciAdi, QStringLiteral("ofis"));
    EXPECT_EQ(sms.Sifre, QStringLiteral("gizli şifre"));
    EXPECT_TRUE(sms.HermesKullaniciAdi.isEmpty()) << "provider 1 reads only its own settings";
    EXPECT_TRUE(sms.Kullanilabilir());

    db_->execute(QStringLiteral("delete from tbloptions_all"));
    const FieldValues tam =
        kv({"SmsHermesKullaniciAdi", "k", "SmsHermesSifresi", Decrypt("p"), "SmsHermesMusteriKodu",
            "m", "SmsHermesVendorId", "v", "SmsHermesApiKey", "a", "SmsHermesOriginatorIdTelNo",
            "o", "smskullaniciadi", "okunmaz"});
    ayarlar(2, tam);
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(sms.SaglayiciId, 2);
    EXPECT_EQ(sms.HermesSifresi, QStringLiteral("p"));
    EXPECT_TRUE(sms.KullaniciAdi.isEmpty());
    EXPECT_TRUE(sms.Kullanilabilir());

    // No options row at all.
    db_->execute(QStringLiteral("delete from tbloptions_all"));
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(sms.SaglayiciId, 0);
    EXPECT_FALSE(sms.Kullanilabilir());
}

TEST_P(SmsVeritabaniTest, NumberListWithIcons) {
    // File 7, debtor 2 (debtor 3 and file 8 must not show).
    const auto arastirma = [&](int kod, int sahis, const char* tel, QVariant sonuc, int tur) {
        add(QStringLiteral("tblfoy_arastirma"),
            kv({"arastirmakodu", kod, "foykodu", 7, "foysahiskodu", sahis, "tel", tel, "sonuc",
                sonuc, "teloradres", tur}));
    };
    arastirma(1, 2, "5551110001", 0, 1);
    arastirma(2, 2, "0'5", 5, 1);  // a quote stays inside its literal
    arastirma(3, 2, "5551110003", 7, 1);
    arastirma(4, 2, "5551110004", QVariant(), 1);
    arastirma(5, 2, "Ankara", 0, 2);  // an address
    arastirma(6, 2, "", 5, 1);
    arastirma(7, 3, "5559990001", 5, 1);
    const auto gorusme = [&](int kod, const char* no, int ulasildi, QVariant neden,
                             const char* tarih) {
        add(QStringLiteral("tblfoy_gorusme"),
            kv({"gorusmekodu", kod, "foykodu", 7, "foysahiskodu", 2, "arananno", no, "ulasildi",
                ulasildi, "ulasilamamanedeni", neden, "gorusmetarihi", tarih}));
    };
    gorusme(1, "0'5", 0, 3, "20240110");  // already listed from the research
    gorusme(2, "5552220001", -1, 0, "20240101");
    gorusme(3, "5552220001", 0, 3, "20240105");  // the latest call of that number
    gorusme(4, "5552220002", -1, QVariant(), "20240102");
    gorusme(5, "5552220003", 0, 9, "20240103");
    add(QStringLiteral("tblfoy_sahis"),
        kv({"foykodu", 7, "foysahiskodu", 2, "ad", "Ali", "soyad", "Veli", "tel1", "5551110001",
            "tel2", QVariant(), "ceptel", "5553330001", "ceptel2", "5552220003"}));
    add(QStringLiteral("tblfoy_sahis"),
        kv({"foykodu", 8, "foysahiskodu", 2, "ad", "Başka", "ceptel", "5559990002"}));

    struct Beklenen {
        const char* numara;
        qint16 kaynak;
        qint16 ikon;
    } beklenen[] = {
        {"5551110001", 1, 2},  // result 0: open
        {"0'5", 1, 3},         // result 5: confirmed
        {"5551110003", 1, 1},  // another result: ruled out
        {"5551110004", 1, 2},  // no result: as 0
        {"5552220001", 2, 1},  // latest call not reached, reason 3
        {"5552220002", 2, 3},  // reached
        {"5552220003", 2, 2},  // not reached for another reason
        {"5553330001", 3, 2},  // the party's record
    };
    const QList<SmsTelefonu> liste = SmsGonderici::TelefonlariYukle(7, 2);
    ASSERT_EQ(liste.size(), std::size(beklenen));
    for (qsizetype i = 0; i < liste.size(); ++i) {
        EXPECT_EQ(liste[i].Numara, QString::fromLatin1(beklenen[i].numara)) << i;
        EXPECT_EQ(liste[i].Kaynak, beklenen[i].kaynak) << beklenen[i].numara;
        EXPECT_EQ(liste[i].Ikon, beklenen[i].ikon) << beklenen[i].numara;
    }
    EXPECT_TRUE(SmsGonderici::TelefonlariYukle(7, 9).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, SmsVeritabaniTest,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

// Sends without a database: the settings are set as the load would leave them.
class SmsGonderimTest : public ::testing::Test {
protected:
    void basit() {
        sms_.SaglayiciId = 1;
        sms_.KullaniciAdi = QStringLiteral("ofis");
        sms_.Sifre = QStringLiteral("gizli şifre");
        sms_.BasitAdres = servis_.adres();
    }
    void tokenli(quint8 saglayici = 2) {
        sms_.SaglayiciId = saglayici;
        sms_.HermesKullaniciAdi = QStringLiteral("kullanıcı");
        sms_.HermesSifresi = QStringLiteral("p@ss w0rd");
        sms_.HermesMusteriKodu = QStringLiteral("M-42");
        sms_.HermesApiKey = QStringLiteral("anahtar");
        sms_.HermesVendorId = QStringLiteral("7");
        sms_.HermesOriginatorIdTelNo = QStringLiteral("ICRA OFIS");
        sms_.TokenAdres = servis_.adres();
    }
    static QByteArray tokenYaniti(const char* token, const char* bitis) {
        return QByteArray(
                   "<AUTH><STATUS><CODE>0</CODE><NAME>NO_ERROR</NAME><DESC>OK</DESC>"
                   "</STATUS><TOKEN_NO>") +
               token +
               "</TOKEN_NO><TOKEN_BEGIN_DATE>2020-01-01T00:00:00.000+03:00"
               "</TOKEN_BEGIN_DATE><TOKEN_END_DATE>" +
               bitis + "</TOKEN_END_DATE></AUTH>";
    }
    SmsKomutSonucu gonder(const QString& metin = QStringLiteral("x")) {
        return sms_.SmsGonderKomutu(QStringLiteral("05321234567"), metin);
    }
    QStringList mesajlar() { return guard_.messages().informations(); }
    QList<QByteArray> yollar() const {
        QList<QByteArray> sonuc;
        for (const auto& istek : servis_.istekler())
            sonuc << istek.yol;
        return sonuc;
    }

    test::SharedStateGuard guard_;
    test::SahteSmsServisi servis_;
    SmsGonderici sms_;
};

TEST_F(SmsGonderimTest, SimpleGatewayBodyByteForByte) {
    basit();
    servis_.yanitla(kBasitYol, {{200, "errno=0&errtext=OK&message_id=77&charge=1&credit=99"}});
    const SmsKomutSonucu sonuc = sms_.SmsGonderKomutu(
        QStringLiteral("5321234567"), QStringLiteral("Ödeme: 1.234,50 TL\r\nTeşekkürler"));
    EXPECT_EQ(sonuc, SmsKomutSonucu::Gonderildi);
    ASSERT_EQ(servis_.istekler().size(), 1);
    const auto& istek = servis_.istekler().first();
    EXPECT_EQ(istek.yontem, "POST");
    EXPECT_EQ(istek.yol, kBasitYol);
    EXPECT_EQ(istek.icerikTuru, "application/x-www-form-urlencoded");
    // Code-page bytes: ş FE, Ö D6, ü FC; the line break became one blank.
    EXPECT_EQ(istek.govde, QByteArray("user=ofis&password=gizli+%FEifre&gsm=05321234567&text="
                                      "%D6deme%3A+1%2E234%2C50+TL+Te%FEekk%FCrler"));
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderildi. ") + CR + "OK"});
    EXPECT_FALSE(sms_.Mesgul());
}

TEST_F(SmsGonderimTest, GatewayErrorsAreShownWithTheirText) {
    basit();
    servis_.yanitla(
        kBasitYol, {{200, "errno=30&errtext=Kredi yetersiz"}, {500, "<html>Sunucu hatası</html>"}});
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_EQ(sms_.SMSResponse.ErrorNo, 30);
    // An HTTP error without the gateway's own error is not a success either.
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_EQ(sms_.SMSResponse.ErrorNo, SmsGonderici::HataHttp);
    EXPECT_EQ(mesajlar(),
              (QStringList{kGonderilemedi + "Kredi yetersiz",
                           kGonderilemedi + "SMS servisi isteği kabul etmedi (HTTP 500)."}));
    // An answer that cannot be read is reported and not taken for a success.
    servis_.yanitla(kBasitYol, {{200, "errno=abc"}});
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().contains(QStringLiteral("Inet1_StateChanged")));
    EXPECT_EQ(mesajlar().last(), kGonderilemedi + "SMS servisinin yanıtı okunamadı.");
}

TEST_F(SmsGonderimTest, TokenGatewayAuthenticatesOnceAndSends) {
    tokenli();
    servis_.yanitla(kTokenYol, {{200, tokenYaniti("tok/1=", "2099-12-31T23:59:59")}});
    servis_.yanitla(kGonderYol, {{200,
                                  "<R><STATUS><NAME>NO_ERROR</NAME></STATUS>"
                                  "<TRANSACTION id=\"T-991\"/></R>"}});
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(gonder(QStringLiteral("Sayın Ali")), SmsKomutSonucu::Gonderildi);
    // The token is reused by the second send.
    EXPECT_EQ(yollar(), (QList<QByteArray>{kTokenYol, kGonderYol, kGonderYol}));
    // FormEncode: ı is FD in the code page, @ 40, - 2D.
    EXPECT_EQ(servis_.istekler()[0].govde,
              QByteArray("userName=kullan%FDc%FD&userPass=p%40ss+w0rd&customerCode=M%2D42&"
                         "apiKey=anahtar&vendorCode=7"));
    // URLEncodeUTF8: ı is C4 B1 in UTF-8; the number list is the JSON array ["05321234567"].
    EXPECT_EQ(servis_.istekler()[1].govde,
              QByteArray("token=tok%2F1%3D&phoneNumbers=%5B%2205321234567%22%5D&templateText="
                         "Say%C4%B1n%20Ali&originatorId=ICRA%20OFIS&isUTF8Allowed=true&"
                         "validityPeriod=1440&isRepeatingDestinationAllowed=false&"
                         "usingIvtboxOptoutSMS=false"));
}

TEST_F(SmsGonderimTest, ExpiredTokenIsRenewedBeforeTheSend) {
    // Any provider other than 1 goes through the token gateway, so it needs the token too.
    for (quint8 saglayici : {2, 3}) {
        SCOPED_TRACE(saglayici);
        tokenli(saglayici);
        servis_.yanitla(kTokenYol, {{200, tokenYaniti("yeni", "2099-12-31T23:59:59")}});
        servis_.yanitla(kGonderYol, {{200, "<NAME>NO_ERROR</NAME><TRANSACTION id=\"9\"/>"}});
        // The token of an earlier send, expired since.
        sms_.SMSResponse.ParseHermesToken(
            QString::fromLatin1(tokenYaniti("eski", "2021-01-01T00:00:00")));
        const qsizetype once = servis_.istekler().size();
        EXPECT_EQ(gonder(), SmsKomutSonucu::Gonderildi);
        ASSERT_EQ(servis_.istekler().size(), once + 2);
        EXPECT_EQ(servis_.istekler()[once].yol, kTokenYol);
        EXPECT_TRUE(servis_.istekler()[once + 1].govde.startsWith("token=yeni&"));
    }
}

TEST_F(SmsGonderimTest, NoTokenNoSend) {
    tokenli();
    servis_.yanitla(kTokenYol, {{200,
                                 "<STATUS><CODE>1</CODE><NAME>AUTHENTICATION_FAILURE</NAME>"
                                 "<DESC>Kullanıcı adı ya da şifre hatalı</DESC></STATUS>"}});
    EXPECT_EQ(gonder(), SmsKomutSonucu::Gonderilmedi);
    EXPECT_EQ(yollar(), QList<QByteArray>{kTokenYol});
    EXPECT_EQ(mesajlar(),
              QStringList{QStringLiteral("İşleme devam edilemiyor. Hermes iletişim için token "
                                         "bilgisi alınamadı.") +
                          CR + QStringLiteral("Kullanıcı adı ya da şifre hatalı")});
}

TEST_F(SmsGonderimTest, AGatewayThatNeverAnswersEndsAfterTheTimeLimit) {
    basit();
    sms_.ZamanAsimiMs = 400;
    servis_.yanitla(kBasitYol, {{200, "", "text/plain", true}});
    // Events keep being processed while the request waits.
    bool olayIslendi = false;
    QTimer::singleShot(50, [&] { olayIslendi = true; });
    QElapsedTimer sure;
    sure.start();
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_GE(sure.elapsed(), 400);
    EXPECT_LT(sure.elapsed(), 10000);
    EXPECT_TRUE(olayIslendi);
    EXPECT_EQ(sms_.SMSResponse.ErrorNo, SmsGonderici::HataYanitYok);
    EXPECT_EQ(mesajlar(), QStringList{kGonderilemedi + "SMS servisi yanıt vermedi."});
    EXPECT_FALSE(sms_.Mesgul());
    // The next request goes out and is answered.
    servis_.yanitla(kBasitYol, {{200, "errno=0&errtext=OK"}});
    EXPECT_EQ(gonder(), SmsKomutSonucu::Gonderildi);
}

TEST_F(SmsGonderimTest, UnreachableOrUnconfiguredGateway) {
    basit();
    // A port nobody listens on: the one of a server that has been closed.
    {
        test::SahteSmsServisi kapali;
        sms_.BasitAdres = kapali.adres();
    }
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_EQ(sms_.SMSResponse.ErrorNo, SmsGonderici::HataBaglanti);
    EXPECT_TRUE(mesajlar().last().startsWith(kGonderilemedi + "SMS servisine ulaşılamadı: "));
    // No address configured.
    sms_.BasitAdres.clear();
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_EQ(mesajlar().last(),
              kGonderilemedi +
                  "SMS servisinin adresi tanımlı değil (QUV_SMS_BASIT_URL ortam değişkeni).");
    // No password in any message.
    for (const QString& m : mesajlar())
        EXPECT_FALSE(m.contains(QStringLiteral("gizli"))) << m.toStdString();
}

}  // namespace
}  // namespace quv
