#include "TopluGuncellemeTestVerisi.h"
#include "engine/SharedState.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"
#include "tools/frmTopluFoyGunle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quv::test {
namespace {

class frmTopluFoyGunleTest : public TopluGuncellemeTesti {
protected:
    std::unique_ptr<frmTopluFoyGunle> ac() {
        auto pencere = std::make_unique<frmTopluFoyGunle>();
        pencere->ActiveHesap = hesap_.get();
        pencere->show();
        return pencere;
    }
    const QStringList& mesajlar() { return guard_.messages().informations(); }
    // A picture of the window in the build folder (once, from the SQLite run).
    void resim(QWidget& pencere, const char* ad) {
        if (GetParam().name == QStringLiteral("SQLite")) {
            EXPECT_TRUE(pencere.grab().save(QCoreApplication::applicationDirPath() + u'/' +
                                            QString::fromLatin1(ad)));
        }
    }
};

TEST_P(frmTopluFoyGunleTest, OpensWithItsListsAndShowsTheSecondBoxesOnlyForArasinda) {
    auto p = ac();
    EXPECT_EQ(p->cboFoyKoduOp->count(), 6);
    EXPECT_EQ(p->cboDosyaSonucu->count(), 12);
    // Attorneys ordered by first name, then surname, after "Tümü".
    QStringList avukatlar;
    for (int i = 0; i < p->cboAvukat->count(); ++i)
        avukatlar << p->cboAvukat->itemText(i) + u'/' + p->cboAvukat->itemData(i).toString();
    EXPECT_EQ(avukatlar, (QStringList{"Tümü/", "Ayşe Kaya/3", "Ayşe Yılmaz/1", "Mehmet Demir/2"}));

    EXPECT_TRUE(p->oceFoyKodu2->isHidden());
    EXPECT_TRUE(p->otrTakipTarihi2->isHidden());
    p->cboFoyKoduOp->setCurrentText(QStringLiteral("Arasında"));
    EXPECT_FALSE(p->oceFoyKodu2->isHidden());
    EXPECT_TRUE(p->otrTakipTarihi2->isHidden());
    p->cboTakipTarihiOp->setCurrentIndex(5);
    EXPECT_FALSE(p->otrTakipTarihi2->isHidden());
    p->oceFoyKodu1->setText(QStringLiteral("1001"));
    p->oceFoyKodu2->setText(QStringLiteral("1010"));
    p->otrHesapTarihi->setTextDate(QStringLiteral("20240301"));
    resim(*p, "frmTopluFoyGunle-bos.png");
    p->cboFoyKoduOp->setCurrentIndex(0);
    EXPECT_TRUE(p->oceFoyKodu2->isHidden());
}

TEST_P(frmTopluFoyGunleTest, ValidationMessagesStopTheStart) {
    // Clicking the start button does not clear a mistyped date first, so the criterion
    // cannot vanish and widen the run; the date is named as typed.
    auto f = ac();
    QApplication::setActiveWindow(f.get());
    f->chkHesapBilgileriniGunle->setChecked(true);
    f->otrTakipTarihi1->setFocus();
    f->otrTakipTarihi1->setText(QStringLiteral("30.02.2023"));
    ASSERT_TRUE(f->otrTakipTarihi1->hasFocus());
    QTest::mouseClick(f->cmdGuncel, Qt::LeftButton);
    EXPECT_EQ(mesajlar(),
              QStringList{"Lütfen takip tarihi için geçerli bir tarih giriniz: \"30.02.2023\""});
    // Nothing ran and no date was moved.
    EXPECT_TRUE(ozetiOlanlar().isEmpty());
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
            resim(*p, "frmTopluFoyGunle.png");
            // The user presses the stop button; the window handles it while it lets the
            // events through after this file.
            QMetaObject::invokeMethod(p->cmdIptal, &QPushButton::click, Qt::QueuedConnection);
        });
    p->cmdGuncel->click();
    EXPECT_EQ(ucuncuDosyada, (QStringList{"3 / 10 Föy Kodu : 3", "%30", "&Durdur", "kapalı"}));
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral(
                              "Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 7 tanesi "
                              "güncellenemedi\r3 nolu föye kadar güncellendi.")});
    // Each file is committed on its own: the first three are recalculated.
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{1, 2, 3}));
    // Back to idle (the next start below needs it).
    EXPECT_EQ(p->cmdIptal->text(), QStringLiteral("İ&ptal"));
    EXPECT_TRUE(p->lblNumber->text().isEmpty());

    // Closing the window during a run only stops it, and a stop at the last file is a stop.
    guard_.messages().clear();
    QObject::disconnect(durdurucu);
    QObject::connect(p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(),
                     [&](int sira, int, qint32) {
                         if (sira == 10)
                             p->close();
                     });
    p->cmdGuncel->click();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral(
                              "Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 0 tanesi "
                              "güncellenemedi\r10 nolu föye kadar güncellendi.")});
    EXPECT_TRUE(p->isVisible());
    // Idle, the cancel button closes the window.
    p->cmdIptal->click();
    EXPECT_FALSE(p->isVisible());
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(frmTopluFoyGunleTest, RehinAcigiBelgesiSelectsOutcomeElevenOnly) {
    // Outcomes around 11, so an off-by-one shows.
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 11 where foykodu in (4, 7)"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 10 where foykodu = 5"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 12 where foykodu = 6"));
    auto p = ac();
    p->chkHesapBilgileriniGunle->setChecked(true);
    p->cboDosyaSonucu->setCurrentText(QStringLiteral("Rehin Açığı Belgesi"));
    p->otrHesapTarihi->setTextDate(QStringLiteral("20240301"));
    p->cmdGuncel->click();
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{4, 7}));
    // The new date went to the selected files only.
    EXPECT_EQ(hesapTarihi(4) + u' ' + hesapTarihi(5), QStringLiteral("20240301 20240115"));
}

// The facade shows the window modally with itself as the active calculation.
class PencereKaydeden : public WidgetWindowHost {
public:
    QList<const clsHesapAna*> acilanlar;
    int showModal(QDialog& dialog) override {
        auto* pencere = dynamic_cast<frmTopluFoyGunle*>(&dialog);
        acilanlar << (pencere ? pencere->ActiveHesap : nullptr);
        return QDialog::Rejected;
    }
};

TEST_P(frmTopluFoyGunleTest, BatchUpdateOpensTheWindowWithTheFacade) {
    auto host = std::make_shared<PencereKaydeden>();
    shared().setWindowHost(host);
    hesap_->BatchUpdate();
    EXPECT_EQ(host->acilanlar, (QList<const clsHesapAna*>{hesap_.get()}));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Backends, frmTopluFoyGunleTest, ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
