// The SMS settings and the debtor's numbers on every backend, and sends against fake
// gateways on 127.0.0.1.

#include "SahteSmsServisi.h"

#include "../file/DbFixture.h"
#include "engine/SharedState.h"
#include "plans/SmsGonderici.h"
#include "plans/modSMSGonderme.h"

#include <QElapsedTimer>
#include <QTimer>

namespace quv {
namespace {

using modSMSGonderme::Decrypt;
const QString kGonderilemedi = QStringLiteral("SMS gönderilemedi. \r");
const QByteArray kBasitYol = "/api_http/sendsms.asp";
const QByteArray kTokenYol = "/api/UserGatewayWS/functions/authenticate";
const QByteArray kGonderYol = "/api/SMSGatewayWS/functions/sendSMS";

class SmsVeritabaniTest : public test::DbFixture {};

// Each provider reads only its own settings; the passwords are stored scrambled.
TEST_P(SmsVeritabaniTest, SettingsAndAvailability) {
    add(QStringLiteral("tbloptions_all"),
        kv({"kod", 1, "SmsServisSaglayiciId", 1, "smskullaniciadi", "ofis", "smssifresi",
            Decrypt(QStringLiteral("gizli şifre")), "SmsHermesKullaniciAdi", "okunmaz"}));
    SmsGonderici sms;
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(QStringList({QString::number(sms.SaglayiciId), sms.KullaniciAdi, sms.Sifre,
                           sms.HermesKullaniciAdi}),
              (QStringList{"1", "ofis", "gizli şifre", ""}));
    EXPECT_TRUE(sms.Kullanilabilir());

    db_->execute(QStringLiteral("delete from tbloptions_all"));
    add(QStringLiteral("tbloptions_all"),
        kv({"kod", 1, "SmsServisSaglayiciId", 2, "SmsHermesKullaniciAdi", "k", "SmsHermesSifresi",
            Decrypt("p"), "SmsHermesMusteriKodu", "m", "SmsHermesVendorId", "v", "SmsHermesApiKey",
            "a", "SmsHermesOriginatorIdTelNo", "o", "smskullaniciadi", "okunmaz"}));
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(QStringList({QString::number(sms.SaglayiciId), sms.HermesSifresi, sms.KullaniciAdi}),
              (QStringList{"2", "p", ""}));
    EXPECT_TRUE(sms.Kullanilabilir());

    // No options row at all.
    db_->execute(QStringLiteral("delete from tbloptions_all"));
    sms.SmsAyarlariniYukle();
    EXPECT_EQ(sms.SaglayiciId, 0);
    EXPECT_FALSE(sms.Kullanilabilir());
}

// File 7, debtor 2: research first, then the latest call of each number not researched,
// then the party's own numbers not listed yet; debtor 3 and file 8 must not show.
TEST_P(SmsVeritabaniTest, NumberListWithIcons) {
    int kod = 0;
    for (const auto& [sahis, tel, sonuc, tur] :
         {std::tuple<int, const char*, QVariant, int>{2, "5551110001", 0, 1},
          {2, "0'5", 5, 1},  // a quote stays inside its literal
          {2, "5551110003", 7, 1},
          {2, "Ankara", 0, 2},  // an address
          {2, "", 5, 1},
          {3, "5559990001", 5, 1}})
        add(QStringLiteral("tblfoy_arastirma"),
            kv({"arastirmakodu", ++kod, "foykodu", 7, "foysahiskodu", sahis, "tel", tel, "sonuc",
                sonuc, "teloradres", tur}));
    for (const auto& [no, ulasildi, neden, tarih] :
         {std::tuple<const char*, int, QVariant, const char*>{"0'5", 0, 3, "20240110"},
          {"5552220001", -1, 0, "20240101"},
          {"5552220001", 0, 3, "20240105"},  // the latest call of that number
          {"5552220002", -1, QVariant(), "20240102"},
          {"5552220003", 0, 9, "20240103"}})
        add(QStringLiteral("tblfoy_gorusme"),
            kv({"gorusmekodu", ++kod, "foykodu", 7, "foysahiskodu", 2, "arananno", no, "ulasildi",
                ulasildi, "ulasilamamanedeni", neden, "gorusmetarihi", tarih}));
    add(QStringLiteral("tblfoy_sahis"),
        kv({"foykodu", 7, "foysahiskodu", 2, "ad", "Ali", "tel1", "5551110001", "tel2", QVariant(),
            "ceptel", "5553330001"}));
    add(QStringLiteral("tblfoy_sahis"),
        kv({"foykodu", 8, "foysahiskodu", 2, "ad", "Başka", "ceptel", "5559990002"}));
    QStringList liste;
    for (const SmsTelefonu& t : SmsGonderici::TelefonlariYukle(7, 2))
        liste << QStringLiteral("%1 %2 %3").arg(t.Numara).arg(t.Kaynak).arg(t.Ikon);
    // Source: 1 research, 2 call, 3 party. Icon: 1 ruled out, 2 open, 3 confirmed.
    EXPECT_EQ(liste, (QStringList{
                         "5551110001 1 2",  // result 0: open
                         "0'5 1 3",         // result 5: confirmed
                         "5551110003 1 1",  // another result: ruled out
                         "5552220001 2 1",  // latest call not reached, reason 3
                         "5552220002 2 3",  // reached
                         "5552220003 2 2",  // not reached for another reason
                         "5553330001 3 2",
                     }));
    EXPECT_TRUE(SmsGonderici::TelefonlariYukle(7, 9).isEmpty());
}

QUV_ON_BACKENDS(SmsVeritabaniTest);

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
    static QByteArray token(const char* no, const char* bitis) {
        return QByteArray("<AUTH><STATUS><CODE>0</CODE><NAME>NO_ERROR</NAME></STATUS><TOKEN_NO>") +
               no +
               "</TOKEN_NO><TOKEN_BEGIN_DATE>2020-01-01T00:00:00.000+03:00"
               "</TOKEN_BEGIN_DATE><TOKEN_END_DATE>" +
               bitis + "</TOKEN_END_DATE></AUTH>";
    }
    SmsKomutSonucu gonder(const QString& metin = QStringLiteral("x")) {
        return sms_.SmsGonderKomutu(QStringLiteral("05321234567"), metin);
    }
    QList<QByteArray> yollar() const {
        QList<QByteArray> sonuc;
        for (const auto& istek : servis_.istekler)
            sonuc << istek.yol;
        return sonuc;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }

    test::SharedStateGuard guard_;
    test::SahteSmsServisi servis_;
    SmsGonderici sms_;
};

// A send that fails says why, under the gateway's own text where there is one, and never
// shows the password. An HTTP error or an answer that cannot be read is not a success.
TEST_F(SmsGonderimTest, FailedSendsSayWhy) {
    const QString kapali = test::SahteSmsServisi().adres();  // a port nobody listens on
    const struct {
        bool tokenli;
        test::SahteSmsServisi::Yanit yanit;
        std::optional<QString> adres;  // none: the fake gateway
        QString mesaj;                 // the start of the message
    } durumlar[] = {
        {false, {200, "errno=30&errtext=Kredi yetersiz"}, {}, "Kredi yetersiz"},
        {false,
         {500, "<html>Sunucu hatası</html>"},
         {},
         "SMS servisi isteği kabul etmedi (HTTP 500)."},
        {false, {200, "errno=abc"}, {}, "SMS servisinin yanıtı okunamadı."},
        {false, {}, kapali, "SMS servisine ulaşılamadı: "},
        {false,
         {},
         QString(),
         "SMS servisinin adresi tanımlı değil (QUV_SMS_BASIT_URL ortam değişkeni)."},
        // No token, no send.
        {true,
         {200,
          "<STATUS><CODE>1</CODE><NAME>AUTHENTICATION_FAILURE</NAME><DESC>Kullanıcı adı ya "
          "da şifre hatalı</DESC></STATUS>"},
         {},
         "İşleme devam edilemiyor. Hermes iletişim için token bilgisi alınamadı.\rKullanıcı adı ya "
         "da şifre hatalı"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesaj.toStdString());
        d.tokenli ? tokenli() : basit();
        servis_.yanitla(d.tokenli ? kTokenYol : kBasitYol, {d.yanit});
        sms_.BasitAdres = d.adres.value_or(sms_.BasitAdres);
        const qsizetype once = servis_.istekler.size();
        EXPECT_EQ(gonder(), d.tokenli ? SmsKomutSonucu::Gonderilmedi : SmsKomutSonucu::Hatali);
        EXPECT_TRUE(
            mesajlar().last().startsWith((d.tokenli ? QString() : kGonderilemedi) + d.mesaj))
            << mesajlar().last().toStdString();
        EXPECT_FALSE(mesajlar().last().contains(QStringLiteral("gizli")));
        // The token gateway refused: nothing is sent.
        EXPECT_EQ(servis_.istekler.size() - once, d.adres ? 0 : 1);
    }
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().contains(QStringLiteral("Inet1_StateChanged")));
}

// Any provider other than 1 goes through the token gateway; the token of an earlier
// send, expired since, is renewed first and then reused by the next send.
TEST_F(SmsGonderimTest, TokenGatewayRenewsAnExpiredTokenOnceAndSends) {
    tokenli(3);
    sms_.SMSResponse.ParseHermesToken(QString::fromLatin1(token("eski", "2021-01-01T00:00:00")));
    servis_.yanitla(kTokenYol, {{200, token("tok/1=", "2099-12-31T23:59:59")}});
    servis_.yanitla(kGonderYol, {{200, "<NAME>NO_ERROR</NAME><TRANSACTION id=\"9\"/>"}});
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(gonder(QStringLiteral("Sayın Ali")), SmsKomutSonucu::Gonderildi);
    EXPECT_EQ(yollar(), (QList<QByteArray>{kTokenYol, kGonderYol, kGonderYol}));
    // FormEncode: ı is FD in the code page, @ 40, - 2D.
    EXPECT_EQ(servis_.istekler[0].govde,
              QByteArray("userName=kullan%FDc%FD&userPass=p%40ss+w0rd&customerCode=M%2D42&"
                         "apiKey=anahtar&vendorCode=7"));
    // URLEncodeUTF8: ı is C4 B1 in UTF-8; the number list is the JSON array ["05321234567"].
    EXPECT_EQ(servis_.istekler[2].govde,
              QByteArray("token=tok%2F1%3D&phoneNumbers=%5B%2205321234567%22%5D&templateText="
                         "Say%C4%B1n%20Ali&originatorId=ICRA%20OFIS&isUTF8Allowed=true&"
                         "validityPeriod=1440&isRepeatingDestinationAllowed=false&"
                         "usingIvtboxOptoutSMS=false"));
}

// A gateway that never answers ends the send after the time limit; events keep being
// processed while the request waits, and the next request goes out, in code-page bytes:
// ş FE, Ö D6, ü FC; the line break became one blank.
TEST_F(SmsGonderimTest, SimpleGatewayTimeLimitAndBodyByteForByte) {
    basit();
    sms_.ZamanAsimiMs = 400;
    servis_.yanitla(kBasitYol, {{200, "", true}, {200, "errno=0&errtext=OK&message_id=77"}});
    bool olayIslendi = false;
    QTimer::singleShot(50, [&] { olayIslendi = true; });
    QElapsedTimer sure;
    sure.start();
    EXPECT_EQ(gonder(), SmsKomutSonucu::Hatali);
    EXPECT_GE(sure.elapsed(), 400);
    EXPECT_LT(sure.elapsed(), 10000);
    EXPECT_TRUE(olayIslendi);
    EXPECT_EQ(sms_.SMSResponse.ErrorNo, SmsGonderici::HataYanitYok);
    EXPECT_FALSE(sms_.Mesgul());

    EXPECT_EQ(sms_.SmsGonderKomutu(QStringLiteral("5321234567"),
                                   QStringLiteral("Ödeme: 1.234,50 TL\r\nTeşekkürler")),
              SmsKomutSonucu::Gonderildi);
    EXPECT_EQ(mesajlar(), (QStringList{kGonderilemedi + "SMS servisi yanıt vermedi.",
                                       QStringLiteral("SMS gönderildi. \rOK")}));
    ASSERT_EQ(servis_.istekler.size(), 2);
    const auto& istek = servis_.istekler[1];
    EXPECT_EQ(istek.yontem + " " + istek.yol + " " + istek.icerikTuru,
              "POST " + kBasitYol + " application/x-www-form-urlencoded");
    EXPECT_EQ(istek.govde, QByteArray("user=ofis&password=gizli+%FEifre&gsm=05321234567&text="
                                      "%D6deme%3A+1%2E234%2C50+TL+Te%FEekk%FCrler"));
}

}  // namespace
}  // namespace quv
