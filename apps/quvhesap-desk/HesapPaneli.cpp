#include "HesapPaneli.h"

#include "engine/SharedState.h"
#include "file/clsFoyBilgileri.h"
#include "summary/HesapOzetiGosterimi.h"
#include "ui/DateEdit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quv::desk {

namespace {

// The engine ends message lines with a carriage return, alone or before a line feed.
QString mesajSatirlari(QString mesaj) {
    mesaj.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    mesaj.replace(u'\r', u'\n');
    while (mesaj.startsWith(u'\n'))
        mesaj.remove(0, 1);
    while (mesaj.endsWith(u'\n'))
        mesaj.chop(1);
    return mesaj;
}

}  // namespace

HesapPaneli::HesapPaneli(QWidget* parent)
    : QWidget(parent),
      tarih_(new DateEdit),
      kaydet_(new QCheckBox(QStringLiteral("Kaydet"))),
      hesapla_(new QPushButton(QStringLiteral("Hesapla"))),
      baslik_(new QLabel),
      ozet_(new QTreeWidget),
      mesaj_(new QPlainTextEdit),
      uyarilar_(new QLabel) {
    auto* secenekler = new QGroupBox(QStringLiteral("Hesaplama"));
    auto* form = new QFormLayout(secenekler);
    tarih_->setToolTip(QStringLiteral("Boş bırakılırsa föyün kayıtlı hesap tarihi kullanılır."));
    form->addRow(QStringLiteral("Hesap tarihi:"), tarih_);
    kaydet_->setToolTip(
        QStringLiteral("İşaretliyse yeni hesap tarihi ve hesap özeti föye kaydedilir."));
    form->addRow(QString(), kaydet_);
    hesapla_->setDefault(true);
    form->addRow(QString(), hesapla_);

    baslik_->setWordWrap(true);
    QFont kalin = baslik_->font();
    kalin.setBold(true);
    baslik_->setFont(kalin);

    ozet_->setColumnCount(2);
    ozet_->setHeaderLabels({QStringLiteral("Kalem"), QStringLiteral("Tutar")});
    ozet_->setRootIsDecorated(false);
    ozet_->setSelectionMode(QAbstractItemView::NoSelection);
    ozet_->header()->setStretchLastSection(false);
    ozet_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ozet_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    mesaj_->setReadOnly(true);
    mesaj_->setPlaceholderText(QStringLiteral("Hesaplamanın mesajı yok."));
    mesaj_->setMaximumHeight(90);

    uyarilar_->setObjectName(QStringLiteral("lblUyarilar"));
    uyarilar_->setWordWrap(true);
    uyarilar_->setStyleSheet(QStringLiteral("color: #a04000;"));
    uyarilar_->setVisible(false);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(secenekler);
    duzen->addWidget(baslik_);
    duzen->addWidget(ozet_, 1);
    duzen->addWidget(new QLabel(QStringLiteral("Mesaj:")));
    duzen->addWidget(mesaj_);
    duzen->addWidget(uyarilar_);
    temizle(QStringLiteral("Hesaplamak için listeden bir föy seçin."));
}

void HesapPaneli::sonucuGoster(clsFoyBilgileri& foy, bool kaydedildi, const QStringList& uyarilar) {
    baslik_->setText(
        QStringLiteral("Föy %1, hesap tarihi %2 (%3)")
            .arg(foy.FoyKodu)
            .arg(shared().dates().display(foy.GununTarihi),
                 kaydedildi ? QStringLiteral("kaydedildi") : QStringLiteral("kaydedilmedi")));
    ozet_->clear();
    const QList<HesapOzetiGrubu> gruplar = hesapOzetiGruplari(foy.HesapOzeti());
    for (const HesapOzetiGrubu& grup : gruplar) {
        auto* grupSatiri = new QTreeWidgetItem(ozet_, {grup.baslik});
        grupSatiri->setFirstColumnSpanned(true);
        QFont kalin = grupSatiri->font(0);
        kalin.setBold(true);
        grupSatiri->setFont(0, kalin);
        for (const auto& [etiket, deger] : grup.satirlar) {
            auto* satir = new QTreeWidgetItem(ozet_, {QStringLiteral("    ") + etiket, deger});
            satir->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (gruplar.isEmpty())
        new QTreeWidgetItem(ozet_, {QStringLiteral("Hesap özetinde tutar yok.")});
    mesaj_->setPlainText(mesajSatirlari(foy.Mesaj));
    QStringList satirlar;
    for (const QString& uyari : uyarilar)
        satirlar << QStringLiteral("Uyarı: ") + uyari;
    uyarilar_->setText(satirlar.join(u'\n'));
    uyarilar_->setVisible(!uyarilar.isEmpty());
}

void HesapPaneli::temizle(const QString& baslikMetni) {
    baslik_->setText(baslikMetni);
    ozet_->clear();
    mesaj_->clear();
    uyarilar_->clear();
    uyarilar_->setVisible(false);
}

QString HesapPaneli::gosterilenMetin() const {
    QStringList satirlar{baslik_->text()};
    for (int i = 0; i < ozet_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* satir = ozet_->topLevelItem(i);
        const QString deger = satir->text(1);
        satirlar << (deger.isEmpty() ? satir->text(0) : satir->text(0).trimmed() + u'\t' + deger);
    }
    satirlar << QStringLiteral("Mesaj:");
    if (!mesaj_->toPlainText().isEmpty())
        satirlar << mesaj_->toPlainText();
    if (!uyarilar_->text().isEmpty())
        satirlar << uyarilar_->text();
    return satirlar.join(u'\n');
}

}  // namespace quv::desk
