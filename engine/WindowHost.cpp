#include "engine/WindowHost.h"

#include "engine/RuntimeError.h"

namespace quv {

Money NoUserWindowHost::askExchangeRate(const QString& tarih, quint8 doviz,
                                        const QString& aciklama) {
    QString text = QStringLiteral(
                       "%1 kodlu para biriminin %2 tarihli kuru kayıtlı değil ve kuru girecek bir "
                       "kullanıcı yok.")
                       .arg(doviz)
                       .arg(tarih);
    if (!aciklama.isEmpty())
        text += QStringLiteral(" (") + aciklama + u')';
    throw RuntimeError::application(text);
}

KurGirilmedi::KurGirilmedi(const QString& tarih, quint8 doviz, Money iptalDegeri)
    : RuntimeError(ErrNo::Application,
                   QStringLiteral("%1 kodlu para biriminin %2 tarihli kuru girilmedi; kur "
                                  "girişi iptal edildi.")
                       .arg(doviz)
                       .arg(tarih)),
      iptalDegeri(iptalDegeri) {}

namespace {

[[noreturn]] void pencereYok(const QString& pencere) {
    throw RuntimeError::application(
        QStringLiteral("%1 penceresi açılamıyor: pencere gösterilebilecek bir ortam yok.")
            .arg(pencere));
}

}  // namespace

void WindowHost::showBasitHesap(clsHesapAna&) {
    pencereYok(QStringLiteral("frmBasitHesap"));
}
void WindowHost::showBatchUpdate(clsHesapAna&) {
    pencereYok(QStringLiteral("frmTopluFoyGunle"));
}
void WindowHost::showWizard(clsHesapAna&, qint32) {
    pencereYok(QStringLiteral("frmOdemePlani"));
}

}  // namespace quv
