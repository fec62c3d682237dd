#include "KomutMotoru.h"

#include "CliSupport.h"
#include "TerminalKurSorucu.h"

#include "engine/SharedState.h"

#include <QProcessEnvironment>

namespace quv::cli {

KomutMotoru::KomutMotoru(const QString& url)
    : raporcu(std::make_shared<ConsoleErrorReporter>()),
      mesajlar(std::make_shared<ScriptedMessageService>(false)) {
    shared().setErrorReporter(raporcu);
    shared().setMessageService(mesajlar);
    shared().setWindowHost(std::make_shared<TerminalKurSorucu>());
    db = connect(url);
    hesap.setActiveConnection(db);
    hesap.setActiveVeritabaniTuru(db->veritabaniTuru());
    const QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    hesap.setActiveUserName(
        ortam.value(QStringLiteral("USER"), ortam.value(QStringLiteral("USERNAME"))));
}

std::optional<int> KomutMotoru::calismaKopyasiniYukle(OdemePlaniHesabi& plan) {
    if (plan.CalismaKopyasiniYukle())
        return std::nullopt;
    if (!raporcu->messages().isEmpty())
        return ExitFailed;
    printErr(QStringLiteral("%1 numaralı föy bulunamadı.").arg(plan.FoyKodu));
    return ExitUsage;
}

UsageError borcluHatasi(const QString& deger) {
    return UsageError(
        QStringLiteral("--debtor için föyün şahıslarından birinin kodunu girin: \"%1\"")
            .arg(deger));
}

qint32 borcluKodu(const QString& deger) {
    bool ok = false;
    const qint32 kod = deger.trimmed().toInt(&ok);
    if (!ok)
        throw borcluHatasi(deger);
    return kod;
}

std::optional<Borclu> borcluBul(qint32 foyKodu, qint32 kod) {
    for (const Borclu& b : TaahhutKayit::BorclulariYukle(foyKodu))
        if (b.FoySahisKodu == kod)
            return b;
    return std::nullopt;
}

}  // namespace quv::cli
