// SMS from the plan display.

#include "plans/frmShowPlan.h"

#include "engine/Trap.h"
#include "plans/SmsGonderici.h"

#include <QColor>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace quv {

namespace {

// The number list's icons: 1 not reachable (red), 2 unknown (amber), 3 reached (green).
QIcon telefonIkonu(qint16 ikon) {
    static const QColor renkler[] = {QColor(200, 40, 40), QColor(230, 160, 20),
                                     QColor(40, 150, 60)};
    const QColor renk = renkler[std::clamp<int>(ikon, 1, 3) - 1];
    QPixmap resim(16, 16);
    resim.fill(Qt::transparent);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(renk.darker(140));
    p.setBrush(renk);
    p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    p.end();
    return QIcon(resim);
}

}  // namespace

frmShowPlan::~frmShowPlan() = default;

void frmShowPlan::SmsAyarlariniYukle() {
    sms_ = std::make_unique<SmsGonderici>();
    const bool yuklendi =
        trapped(QStringLiteral("SmsAyarlariniYukle"), [&] { sms_->SmsAyarlariniYukle(); });
    const bool kullanilabilir = yuklendi && sms_->Kullanilabilir();
    cboTelefon->setEnabled(kullanilabilir);
    cmdSmsGonder->setEnabled(kullanilabilir);
}

void frmShowPlan::TelefonlariYukle() {
    cboTelefon->clear();
    cboTelefon->setEditText(QString());
    const std::optional<Borclu> borclu = SecilenBorclu();
    if (!borclu)
        return;
    trapped(QStringLiteral("TelefonlariYukle"), [&] {
        // Stored numbers are often written in groups ("0532 411 27 80"); the list offers
        // them as the digits the gateway takes, so a chosen number passes the check.
        for (const SmsTelefonu& t : SmsGonderici::TelefonlariYukle(FoyKodu, borclu->FoySahisKodu))
            cboTelefon->addItem(telefonIkonu(t.Ikon), QString(t.Numara).remove(u' '),
                                QVariant::fromValue(t.Ikon));
    });
    cboTelefon->setCurrentIndex(-1);
    cboTelefon->setEditText(QString());
}

void frmShowPlan::cmdSmsGonder_Click() {
    if (!sms_ || sms_->Mesgul())
        return;
    cmdSmsGonder->setEnabled(false);
    const QPointer<frmShowPlan> pencere(this);
    trapped(QStringLiteral("SMSGonder_Click"), [&] {
        const std::optional<Borclu> borclu = SecilenBorclu();
        const QString metin =
            SmsGonderici::SmsMetniOlustur(borclu ? borclu->Ad : QString(), Satirlar());
        sms_->SmsGonderKomutu(cboTelefon->currentText(), metin);
    });
    // The send processes events while it waits; the window may be gone by now.
    if (pencere)
        cmdSmsGonder->setEnabled(true);
}

}  // namespace quv
