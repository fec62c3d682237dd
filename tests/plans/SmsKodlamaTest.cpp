// The SMS encoders, the password scrambling, the gateways' answers, the message text
// and the number check.

#include "engine/RuntimeError.h"
#include "plans/Cp1254.h"
#include "plans/SmsGonderici.h"
#include "plans/clsSMSResponse.h"
#include "plans/modSMSGonderme.h"
#include "support/TestEnvironment.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace quv {
namespace {

using namespace modSMSGonderme;

TEST(SmsKodlama, Encoders) {
    struct Durum {
        const char* girdi;
        const char* url;     // URLEncodeUTF8 without the sub-delimiters
        const char* urlAlt;  // URLEncodeUTF8 keeping them
        const char* form;    // FormEncode
    } durumlar[] = {
        // ş is U+015F: UTF-8 C5 9F; in the code page the byte FE.
        {"ş", "%C5%9F", "%C5%9F", "%FE"},
        {"a b", "a%20b", "a%20b", "a+b"},
        {"0532-1", "0532-1", "0532-1", "0532%2D1"},
        {"!'()*", "%21%27%28%29%2A", "!'()*", "%21%27%28%29%2A"},
        // A character the code page cannot write is sent as "?".
        {"€✓", "%E2%82%AC%E2%9C%93", "%E2%82%AC%E2%9C%93", "%80%3F"},
    };
    for (const Durum& d : durumlar) {
        const QString girdi = QString::fromUtf8(d.girdi);
        EXPECT_EQ(URLEncodeUTF8(girdi, false), QString::fromLatin1(d.url)) << d.girdi;
        EXPECT_EQ(URLEncodeUTF8(girdi, true), QString::fromLatin1(d.urlAlt)) << d.girdi;
        EXPECT_EQ(FormEncode(girdi), QString::fromLatin1(d.form)) << d.girdi;
    }
}

TEST(SmsKodlama, Decrypt) {
    // "aş" in the code page is 61 FE.
    //   pass 1, key "TzaNoRiLe": 61 ^ 54 ('T') = 35, FE ^ 7A ('z') = 84
    //   pass 2, key "20030917":  35 ^ 32 ('2') = 07, 84 ^ 30 ('0') = B4 (´)
    EXPECT_EQ(Decrypt(QStringLiteral("aş")), QString(QChar(0x07)) + QChar(0xB4));
    // Ten 'a' (61): the first key starts again at position 10, the second at 9.
    //   position 9:  61 ^ 65 ('e') = 04, 04 ^ 32 ('2') = 36 ('6')
    //   position 10: 61 ^ 54 ('T') = 35, 35 ^ 30 ('0') = 05
    const QString on = Decrypt(QString(10, u'a'));
    EXPECT_EQ(on[8], QChar(u'6'));
    EXPECT_EQ(on[9], QChar(0x05));
    // Scrambling twice gives the text back, for every byte of the code page.
    QByteArray baytlar;
    for (int b = 0; b < 256; ++b)
        baytlar.append(static_cast<char>(b));
    const QString hepsi = Cp1254::coz(baytlar);
    EXPECT_EQ(Cp1254::kodla(hepsi), baytlar);
    EXPECT_EQ(Decrypt(Decrypt(hepsi)), hepsi);
}

TEST(SmsYaniti, SimpleGateway) {
    // Pairs without "=" and unknown keys are ignored; a value splits at its first "=".
    // "error text id status final charge credit" with the amounts x 10,000.
    const std::pair<const char*, const char*> durumlar[] = {
        {"errno=0&errtext=OK&message_id=77&status=3|1", "0 OK 77 3 1 0 0"},
        {"errno=0&status=4", "0   4 0 0 0"},
        {"errno=12&errtext=a=b&junk&other=1&charge=0.25&credit=1200.5",
         "12 a=b  0 0 2500 12005000"},
    };
    for (const auto& [yanit, beklenen] : durumlar) {
        clsSMSResponse r;
        r.MessageID = QStringLiteral("eski");
        r.ParseResponse(QString::fromLatin1(yanit));
        EXPECT_EQ(QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                      .arg(r.ErrorNo)
                      .arg(r.ErrorText, r.MessageID)
                      .arg(r.SMSStatus)
                      .arg(r.MesajSonDurumaUlasti)
                      .arg(r.Charge.raw())
                      .arg(r.Credit.raw()),
                  QString::fromLatin1(beklenen));
    }
}

QString tokenYaniti(const char* ad, const char* no, const char* bas, const char* son) {
    return QString::fromUtf8(
               "<RESPONSE><STATUS><CODE>0</CODE><NAME>%1</NAME><DESC>Açıklama</DESC>"
               "</STATUS><TOKEN_NO>%2</TOKEN_NO><TOKEN_BEGIN_DATE>%3</TOKEN_BEGIN_"
               "DATE><TOKEN_END_DATE>%4</TOKEN_END_DATE></RESPONSE>")
        .arg(QLatin1String(ad), QLatin1String(no), QLatin1String(bas), QLatin1String(son));
}

// A token is valid between its dates, unless it is blank or the gateway refused; a
// refusal drops the token and keeps the description.
TEST(SmsYaniti, Token) {
    clsSMSResponse r;
    EXPECT_FALSE(r.IsHermesTokenValid());
    r.ParseHermesToken(tokenYaniti("NO_ERROR", " tok/1= ", "2020-01-02T03:04:05.000+03:00",
                                   "2099-12-31T23:59:58"));
    EXPECT_EQ(r.HermesToken(), QStringLiteral(" tok/1= "));
    EXPECT_EQ(r.TokenBaslangic(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    EXPECT_EQ(r.TokenBitis(), QDateTime(QDate(2099, 12, 31), QTime(23, 59, 58)));
    EXPECT_TRUE(r.IsHermesTokenValid());
    for (auto [ad, no, bas, son] :
         {std::tuple{"NO_ERROR", "t", "2020-01-01T00:00:00", "2021-01-01T00:00:00"},
          {"NO_ERROR", "t", "2098-01-01T00:00:00", "2099-01-01T00:00:00"},
          {"NO_ERROR", "  ", "2020-01-01T00:00:00", "2099-01-01T00:00:00"},
          {"AUTHENTICATION_FAILURE", "t", "2020-01-01T00:00:00", "2099-01-01T00:00:00"}}) {
        r.ParseHermesToken(tokenYaniti(ad, no, bas, son));
        EXPECT_FALSE(r.IsHermesTokenValid()) << ad << no << bas;
    }
    EXPECT_TRUE(r.HermesToken().isEmpty());
    EXPECT_EQ(r.ErrorText, QStringLiteral("Açıklama"));
    for (const char* metin : {"", "2024-13-01T00:00:00", "2024-01-01 00:00"})
        EXPECT_THROW(clsSMSResponse::ConvertHermesDate(QString::fromLatin1(metin)), RuntimeError)
            << metin;
}

TEST(SmsYaniti, TokenGatewaySend) {
    // "error|text|id|charge x 10,000"
    const std::pair<const char*, const char*> durumlar[] = {
        {"<R><STATUS><CODE>0</CODE><NAME>NO_ERROR</NAME><DESC>OK</DESC></STATUS>"
         "<TRANSACTION count=\"1\" id=\"T-991\"/></R>",
         "0||T-991|10000"},
        {"<R><STATUS><CODE>402</CODE><NAME>PERMISSION_NO_ACTIVE_VENDOR_CREDIT</NAME>"
         "<DESC>Kredi yok</DESC></STATUS></R>",
         "20|402 - Kredi yok||0"},
        {"<NAME>INVALID_USER_NAME</NAME><CODE>3</CODE><DESC>Ad</DESC>", "-1001|3 - Ad||0"},
        // Not the gateway's answer at all.
        {"<html><body>Bad gateway</body></html>", "-2001| - ||0"},
    };
    for (const auto& [yanit, beklenen] : durumlar) {
        clsSMSResponse r;
        r.ParseHermesSMSTelNoIle(QString::fromLatin1(yanit));
        EXPECT_EQ(QStringLiteral("%1|%2|%3|%4")
                      .arg(r.ErrorNo)
                      .arg(r.ErrorText, r.MessageID)
                      .arg(r.Charge.raw()),
                  QString::fromLatin1(beklenen));
    }
}

TEST(SmsMetni, FilledRowsOnlyAndAFullStopAtTheEnd) {
    test::SharedStateGuard guard;
    QList<OdemePlaniSatiri> satirlar;
    for (auto [tarih, tutar] : {std::pair{"20240115", "1000"},
                                {"", "500"},
                                {"20240215", "1234.56"},
                                {"20240315", "0"},
                                {"20240415", "0.5"}})
        satirlar.append(
            {0, QString::fromLatin1(tarih), Money::parse(QString::fromLatin1(tutar)), {}, {}});
    const QString giris = QStringLiteral(
        ", ofisimizle yapmış olduğunuz taksitlendirme sistemimize "
        "kaydedilmiştir. Taksitlendirme dökümü aşağıdadır.");
    EXPECT_EQ(SmsGonderici::SmsMetniOlustur(QStringLiteral("Ayşe Yılmaz"), satirlar),
              QStringLiteral("Sayın Ayşe Yılmaz") + giris +
                  QStringLiteral(" 15.01.2024'de 1.000,00 TL, 15.02.2024'de 1.234,56 TL, "
                                 "15.04.2024'de 0,50 TL."));
    EXPECT_EQ(SmsGonderici::SmsMetniOlustur(QStringLiteral("Ali"), {}),
              QStringLiteral("Sayın Ali") + giris);
}

TEST(SmsNumarasi, Check) {
    const std::pair<const char*, const char*> durumlar[] = {
        {"5321234567", "05321234567"},     // 10 digits without the 0
        {"0532123456", "0532123456"},      // 10 digits with it: as it is
        {"905321234567", "905321234567"},  // longer: as it is
        {"532123456", nullptr},            // 9 digits
        {"53212345e7", nullptr},           // not a digit
    };
    for (const auto& [girdi, beklenen] : durumlar) {
        const std::optional<QString> n = SmsGonderici::NumaraDenetle(QString::fromLatin1(girdi));
        if (beklenen)
            EXPECT_EQ(n.value_or(QStringLiteral("-")), QString::fromLatin1(beklenen)) << girdi;
        else
            EXPECT_FALSE(n) << girdi;
    }
}

}  // namespace
}  // namespace quv
