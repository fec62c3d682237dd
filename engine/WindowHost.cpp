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

}  // namespace quv
