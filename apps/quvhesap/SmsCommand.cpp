#include "CliSupport.h"
#include "KomutMotoru.h"
#include "PlanSecenekleri.h"

#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/SmsGonderici.h"
#include "plans/TaahhutKayit.h"

namespace quv::cli {

namespace {

// The messages of the run: to standard output after a send the gateway accepted,
// otherwise to the error output.
void mesajlariYaz(const QStringList& mesajlar, bool basarili) {
    for (const QString& mesaj : mesajlar)
        basarili ? printOut(satirMetni(mesaj)) : printErr(satirMetni(mesaj));
}

}  // namespace

// quvhesap sms --db <path-or-url> --foy N --debtor CODE --number NUMBER
//   (--text TEXT | the plan options of quvhesap plan)
// Sends the text, or the instalments of the plan computed from the options, to the
// number through the office's SMS gateway (settings in tbloptions_all, addresses in
// QUV_SMS_BASIT_URL and QUV_SMS_TOKEN_URL).
int sms(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("db"), QStringLiteral("Veritabanı"), QStringLiteral("path-or-url")});
    parser.addOption({QStringLiteral("foy"), QStringLiteral("Föy kodu"), QStringLiteral("N")});
    parser.addOption(
        {QStringLiteral("debtor"), QStringLiteral("Borçlu şahsın kodu"), QStringLiteral("CODE")});
    parser.addOption({QStringLiteral("number"), QStringLiteral("Cep telefonu numarası"),
                      QStringLiteral("NUMBER")});
    parser.addOption(
        {QStringLiteral("text"), QStringLiteral("Gönderilecek metin"), QStringLiteral("TEXT")});
    PlanSecenekleri::ekle(parser);
    parse(parser, QStringLiteral("sms"), arguments);

    const QString url = required(parser, QStringLiteral("db"));
    const qint32 foyKodu = fileCode(required(parser, QStringLiteral("foy")), QStringLiteral("foy"));
    const QString borcluMetni = required(parser, QStringLiteral("debtor"));
    const qint32 borcluKoduDegeri = borcluKodu(borcluMetni);
    const QString numara = required(parser, QStringLiteral("number"));
    const bool metinVar = parser.isSet(QStringLiteral("text"));
    const bool planVar = PlanSecenekleri::verildi(parser);
    if (metinVar == planVar)
        throw UsageError(
            QStringLiteral("--text ya da plan seçenekleri (--count, --amount, "
                           "--manual ...) verilmeli; ikisi birlikte verilemez."));
    std::optional<PlanSecenekleri> secenekler;
    if (planVar)
        secenekler = PlanSecenekleri::oku(parser);

    KomutMotoru motor(url);
    const auto& raporcu = motor.raporcu;
    const auto& mesajlar = motor.mesajlar;
    clsHesapAna& hesap = motor.hesap;

    const std::optional<Borclu> borclu = borcluBul(foyKodu, borcluKoduDegeri);
    if (!borclu) {
        if (!raporcu->messages().isEmpty())
            return ExitFailed;
        throw borcluHatasi(borcluMetni);
    }

    SmsGonderici sms;
    if (!trapped(QStringLiteral("SmsAyarlariniYukle"), [&] { sms.SmsAyarlariniYukle(); }))
        return ExitFailed;
    if (!sms.Kullanilabilir()) {
        printErr(
            QStringLiteral("SMS gönderimi için ayarlar eksik (tbloptions_all): servis "
                           "sağlayıcının kullanıcı adı, şifresi ve diğer bilgileri "
                           "girilmeli."));
        return ExitFailed;
    }

    QString metin = parser.value(QStringLiteral("text"));
    if (secenekler) {
        OdemePlaniHesabi plan(hesap, foyKodu);
        if (const std::optional<int> cikis = motor.calismaKopyasiniYukle(plan))
            return *cikis;
        const bool hesaplandi = secenekler->hesapla(plan);
        if (!plan.SonDenetim.gecti()) {
            printErr(satirMetni(plan.SonDenetim.Mesaj));
            return ExitUsage;
        }
        const std::optional<OdemePlani> sonuc =
            hesaplandi ? plan.PlanOlustur() : std::optional<OdemePlani>();
        if (!sonuc) {
            mesajlariYaz(mesajlar->informations(), false);
            return ExitFailed;
        }
        metin = SmsGonderici::SmsMetniOlustur(borclu->Ad, sonuc->Satirlar);
        mesajlar->clear();
    }
    printOut(QStringLiteral("SMS metni: ") + metin);

    const SmsKomutSonucu sonuc = sms.SmsGonderKomutu(numara, metin);
    const bool gonderildi = sonuc == SmsKomutSonucu::Gonderildi && raporcu->messages().isEmpty();
    mesajlariYaz(mesajlar->informations(), gonderildi);
    if (gonderildi)
        return ExitOk;
    return sonuc == SmsKomutSonucu::NumaraGecersiz ? ExitUsage : ExitFailed;
}

}  // namespace quv::cli
