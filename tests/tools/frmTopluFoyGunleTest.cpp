#include "TopluGuncellemeTestVerisi.h"
#include "engine/SharedState.h"
#include "engine/ui/DateEdit.h"
#include "engine/ui/MoneyEdit.h"
#include "engine/ui/WidgetWindowHost.h"
#include "tools/frmTopluFoyGunle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

#include <gtest/gtest.h>

namespace quv::test {
namespace {

QStringList girdiler(const QComboBox& liste) {
    QStringList out;
    for (int i = 0; i < liste.count(); ++i)
        out << liste.itemText(i);
    return out;
}

QList<QVariant> veriler(const QComboBox& liste) {
    QList<QVariant> out;
    for (int i = 0; i < liste.count(); ++i)
        out << liste.itemData(i);
    return out;
}

class frmTopluFoyGunleTest : public TopluGuncellemeTesti {
protected:
    std::unique_ptr<frmTopluFoyGunle> ac() {
        auto pencere = std::make_unique<frmTopluFoyGunle>();
        pencere->ActiveHesap = hesap_.get();
        pencere->show();
        return pencere;
    }
    const QStringList& mesajlar() { return guard_.messages().informations(); }
};

TEST_P(frmTopluFoyGunleTest, OpensWithItsListsAndNamedControls) {
    auto p = ac();
    for (const char* ad :
         {"cboFoyKoduOp", "oceFoyKodu1", "oceFoyKodu2", "cboTakipTarihiOp", "otrTakipTarihi1",
          "otrTakipTarihi2", "cboDosyaSonucu", "cboAvukat", "otrHesapTarihi",
          "chkHesapBilgileriniGunle", "chkTabligatBilgileriniTazele", "opbGuncelle", "lblNumber",
          "cmdGuncel", "cmdIptal"})
        EXPECT_NE(p->findChild<QWidget*>(QString::fromLatin1(ad)), nullptr) << ad;
    const QStringList operatorler = {"=", ">", "<", ">=", "<=", "Arasında"};
    EXPECT_EQ(girdiler(*p->cboFoyKoduOp), operatorler);
    EXPECT_EQ(girdiler(*p->cboTakipTarihiOp), operatorler);
    EXPECT_EQ(girdiler(*p->cboDosyaSonucu),
              (QStringList{"Tümü", "Aciz ile İnfaz", "Derdest", "Dosya İade",
                           "Faiz İndirimi ile İnfaz", "Komite ile İnfaz", "Tahsil ile İnfaz",
                           "Feragat", "Düşme", "Temlik", "Birleştirme", "Rehin Açığı Belgesi"}));
    EXPECT_EQ(veriler(*p->cboDosyaSonucu),
              (QList<QVariant>{QVariant(), 2, 1, 6, 3, 4, 5, 7, 8, 9, 10, 11}));
    // Ordered by first name, then surname.
    EXPECT_EQ(girdiler(*p->cboAvukat),
              (QStringList{"Tümü", "Ayşe Kaya", "Ayşe Yılmaz", "Mehmet Demir"}));
    EXPECT_EQ(veriler(*p->cboAvukat).mid(1), (QList<QVariant>{3, 1, 2}));
    EXPECT_EQ(p->cmdIptal->text(), QStringLiteral("İ&ptal"));
    if (GetParam().name == QStringLiteral("SQLite")) {
        p->cboFoyKoduOp->setCurrentText(QStringLiteral("Arasında"));
        p->oceFoyKodu1->setText(QStringLiteral("1001"));
        p->oceFoyKodu2->setText(QStringLiteral("1010"));
        p->otrHesapTarihi->setTextDate(QStringLiteral("20240301"));
        const QString yol =
            QCoreApplication::applicationDirPath() + QStringLiteral("/frmTopluFoyGunle-bos.png");
        EXPECT_TRUE(p->grab().save(yol, "PNG")) << yol.toStdString();
        p->cboFoyKoduOp->setCurrentIndex(0);
    }

    // The second boxes only for "Arasında".
    EXPECT_TRUE(p->oceFoyKodu2->isHidden());
    EXPECT_TRUE(p->otrTakipTarihi2->isHidden());
    p->cboFoyKoduOp->setCurrentText(QStringLiteral("Arasında"));
    EXPECT_FALSE(p->oceFoyKodu2->isHidden());
    EXPECT_TRUE(p->otrTakipTarihi2->isHidden());
    p->cboTakipTarihiOp->setCurrentIndex(5);
    EXPECT_FALSE(p->otrTakipTarihi2->isHidden());
    p->cboFoyKoduOp->setCurrentIndex(0);
    EXPECT_TRUE(p->oceFoyKodu2->isHidden());
}

TEST_P(frmTopluFoyGunleTest, ValidationMessagesStopTheStart) {
    auto p = ac();
    p->cmdGuncel->click();
    EXPECT_EQ(mesajlar(),
              QStringList{QStringLiteral("Lütfen hesap veya tebligat bilgileri güncelleme "
                                         "seçeneklerinden en az birini seçiniz.")});
    p->chkHesapBilgileriniGunle->setChecked(true);

    const struct {
        std::function<void(frmTopluFoyGunle&)> gir;
        const char* mesaj;
    } cases[] = {
        // A date the box cannot read is named as typed.
        {[](frmTopluFoyGunle& f) { f.otrTakipTarihi1->setText(QStringLiteral("31.02.2024")); },
         "Lütfen takip tarihi için geçerli bir tarih giriniz: \"31.02.2024\""},
        {[](frmTopluFoyGunle& f) { f.otrHesapTarihi->setText(QStringLiteral("2024")); },
         "Lütfen hesap tarihi için geçerli bir tarih giriniz: \"2024\""},
        // The box takes it, but no file code is that large.
        {[](frmTopluFoyGunle& f) { f.oceFoyKodu1->setText(QStringLiteral("99.999.999.999")); },
         "Lütfen föy kodu için geçerli bir tam sayı giriniz: \"99999999999\""},
        {[](frmTopluFoyGunle& f) {
             f.cboFoyKoduOp->setCurrentText(QStringLiteral("Arasında"));
             f.oceFoyKodu1->setText(QStringLiteral("1"));
             f.oceFoyKodu2->setText(QStringLiteral("3.000.000.000"));
         },
         "Lütfen föy kodu için geçerli bir tam sayı giriniz: \"3000000000\""},
    };
    for (const auto& c : cases) {
        guard_.messages().clear();
        auto f = ac();
        f->chkHesapBilgileriniGunle->setChecked(true);
        c.gir(*f);
        f->cmdGuncel->click();
        EXPECT_EQ(mesajlar(), QStringList{QString::fromUtf8(c.mesaj)});
        EXPECT_TRUE(f->cmdGuncel->isEnabled());
    }
    // Clicking the start button does not clear a mistyped date first, so the criterion
    // cannot vanish and widen the run.
    guard_.messages().clear();
    auto f = ac();
    QApplication::setActiveWindow(f.get());
    f->chkHesapBilgileriniGunle->setChecked(true);
    f->otrTakipTarihi1->setFocus();
    f->otrTakipTarihi1->setText(QStringLiteral("30.02.2023"));
    ASSERT_TRUE(f->otrTakipTarihi1->hasFocus());
    // The click arrives at the window as the platform delivers it.
    const QPointF orta = f->cmdGuncel->mapTo(f.get(), QRectF(f->cmdGuncel->rect()).center());
    for (QEvent::Type tur : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent olay(tur, orta, f->mapToGlobal(orta), Qt::LeftButton,
                         tur == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f->windowHandle(), &olay);
    }
    EXPECT_EQ(mesajlar(),
              QStringList{"Lütfen takip tarihi için geçerli bir tarih giriniz: \"30.02.2023\""});

    // Nothing ran and no date was moved.
    EXPECT_TRUE(ozetiOlanlar().isEmpty());
    EXPECT_EQ(hesapTarihi(1), QStringLiteral("20240115"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(frmTopluFoyGunleTest, TheStopButtonEndsTheRunBetweenFiles) {
    auto p = ac();
    p->chkHesapBilgileriniGunle->setChecked(true);
    QStringList ucuncuDosyada;
    const QMetaObject::Connection durdurucu = QObject::connect(
        p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(), [&](int sira, int, qint32) {
            if (sira != 3)
                return;
            ucuncuDosyada << p->lblNumber->text() << p->opbGuncelle->text() << p->cmdIptal->text()
                          << (p->cmdGuncel->isEnabled() ? "açık" : "kapalı");
            if (GetParam().name == QStringLiteral("SQLite")) {
                const QString yol = QCoreApplication::applicationDirPath() +
                                    QStringLiteral("/frmTopluFoyGunle.png");
                EXPECT_TRUE(p->grab().save(yol, "PNG")) << yol.toStdString();
            }
            // The user presses the stop button; the window handles it
            // while it lets the events through after this file.
            QMetaObject::invokeMethod(p->cmdIptal, &QPushButton::click, Qt::QueuedConnection);
        });
    p->cmdGuncel->click();
    EXPECT_EQ(ucuncuDosyada, (QStringList{"3 / 10 Föy Kodu : 3", "%30", "&Durdur", "kapalı"}));
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral(
                              "Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 7 tanesi "
                              "güncellenemedi\r3 nolu föye kadar güncellendi.")});
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{1, 2, 3}));
    // Back to idle, and the window stays open.
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->cmdIptal->text(), QStringLiteral("İ&ptal"));
    EXPECT_TRUE(p->cmdGuncel->isEnabled());
    EXPECT_TRUE(p->lblNumber->text().isEmpty());
    EXPECT_EQ(p->opbGuncelle->text(), QString());

    // Closing the window during a run only stops it, too.
    guard_.messages().clear();
    QObject::disconnect(durdurucu);
    QObject::connect(p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(),
                     [&](int sira, int, qint32) {
                         if (sira == 5)
                             p->close();
                     });
    p->cmdGuncel->click();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral(
                              "Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 5 tanesi "
                              "güncellenemedi\r5 nolu föye kadar güncellendi.")});
    EXPECT_TRUE(p->isVisible());
    // Idle, the cancel button closes the window.
    p->cmdIptal->click();
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

TEST_P(frmTopluFoyGunleTest, RehinAcigiBelgesiSelectsOutcomeElevenOnly) {
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 11 where foykodu in (4, 7)"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 10 where foykodu = 5"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 12 where foykodu = 6"));
    auto p = ac();
    p->chkHesapBilgileriniGunle->setChecked(true);
    p->cboDosyaSonucu->setCurrentText(QStringLiteral("Rehin Açığı Belgesi"));
    p->otrHesapTarihi->setTextDate(QStringLiteral("20240301"));
    p->cmdGuncel->click();
    EXPECT_EQ(
        mesajlar(),
        QStringList{QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı.")});
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{4, 7}));
    for (qint32 foy = 1; foy <= 10; ++foy)
        EXPECT_EQ(hesapTarihi(foy),
                  foy == 4 || foy == 7 ? QStringLiteral("20240301") : QStringLiteral("20240115"));
}

// Shows the dialog the way the facade does, and acts in it instead of a user.
class PencereKaydeden : public WidgetWindowHost {
public:
    std::function<void(QDialog&)> script;
    int showModal(QDialog& dialog) override {
        dialog.show();
        script(dialog);
        return dialog.result();
    }
};

TEST_P(frmTopluFoyGunleTest, BatchUpdateOpensTheWindowWithTheFacade) {
    auto host = std::make_shared<PencereKaydeden>();
    shared().setWindowHost(host);
    int acilan = 0;
    host->script = [&](QDialog& dialog) {
        auto* pencere = dynamic_cast<frmTopluFoyGunle*>(&dialog);
        ASSERT_NE(pencere, nullptr);
        ++acilan;
        EXPECT_EQ(pencere->ActiveHesap, hesap_.get());
        EXPECT_EQ(pencere->cboAvukat->count(), 4);
        pencere->chkTabligatBilgileriniTazele->setChecked(true);
        pencere->oceFoyKodu1->setText(QStringLiteral("2"));
        pencere->cmdGuncel->click();
        pencere->cmdIptal->click();
        EXPECT_FALSE(pencere->isVisible());
    };
    hesap_->BatchUpdate();
    EXPECT_EQ(acilan, 1);
    EXPECT_EQ(
        mesajlar(),
        QStringList{QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı.")});
    // The refresh found no notification for file 2: status 3.
    EXPECT_EQ(tebligatDurumu(2), 3);
    EXPECT_EQ(tebligatDurumu(1), -1);
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, frmTopluFoyGunleTest, ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
