// The message boxes and the exchange-rate entry (KurGirisi) with its dialog (frmKurGir).

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/modGeneral.h"
#include "file/DbFixture.h"
#include "tools/KurGirisi.h"
#include "tools/frmKurGir.h"
#include "ui/MessageBoxErrorReporter.h"
#include "ui/MessageBoxService.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace quv {
namespace {

Money m(const char* decimal) {
    return Money::parse(QString::fromLatin1(decimal));
}

// Hands the next modal window, once shown, to the script; a dialog the script leaves open
// (a failed assertion) is cancelled, so the test cannot hang.
void onNextModal(std::function<void(QWidget&)> script) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        script(*modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal.data()); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start(5);
}

// Reads the next message box as "icon|text|buttons" and presses `press` (none: Escape).
void answerNextBox(QString& shown, const char* press) {
    onNextModal([&shown, press](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        buttons.sort();
        shown = QString::number(box->icon()) + u'|' + box->text() + u'|' + buttons.join(u',');
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QString::fromUtf8(press))
                button->click();
        box->reject();
    });
}

TEST(MessageBoxesTest, InformationQuestionAndATrappedError) {
    test::SharedStateGuard guard;
    MessageBoxService service;
    QString shown;
    answerNextBox(shown, "OK");
    service.information(QStringLiteral("Güncelleme işlemi durduruldu.\rKritere uygun"));
    EXPECT_EQ(shown, "1|Güncelleme işlemi durduruldu.\nKritere uygun|OK");  // lines broken
    // A question goes on only on "Evet".
    for (const auto& [press, answer] : {std::pair{"Evet", true}, {"Hayır", false}, {"", false}}) {
        answerNextBox(shown, press);
        EXPECT_EQ(service.question(QStringLiteral("Planı kaydetmek istiyor musunuz?")), answer)
            << press;
        EXPECT_EQ(shown, "4|Planı kaydetmek istiyor musunuz?|Evet,Hayır");
    }
    shared().setErrorReporter(std::make_shared<MessageBoxErrorReporter>());
    answerNextBox(shown, "OK");
    EXPECT_EQ(trapped(QStringLiteral("Hesap.modGenel.GunSayisiBul"), -7,
                      []() -> int { throw RuntimeError::typeMismatch(); }),
              -7);
    EXPECT_EQ(shown,
              "3|Hatanın oluştuğu yer : Hesap.modGenel.GunSayisiBul\nHata : 13 -> Type "
              "mismatch|OK");
}

class frmKurGirTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        add("tblparabirimi", {{"kod", 2}, {"ad", "ABD Doları"}, {"simge", "USD"}});
    }
    // The dialog as KurBilgisiAl opens it, shown (offscreen); showing loads the texts.
    std::unique_ptr<frmKurGir> ac(quint8 doviz) {
        auto dialog = std::make_unique<frmKurGir>();
        dialog->Tarih = QStringLiteral("20230115");
        dialog->Doviz = doviz;
        dialog->show();
        return dialog;
    }
    // The stored rates of currency 2 as "date rate".
    QStringList kurlar() {
        QStringList out;
        for (RecordSet rs = db_->openRecordSet("select tarih, tltutar from tblkur order by tarih");
             !rs.eof(); rs.moveNext())
            out << rs.value(0).toString() + u' ' +
                       Money::fromVariant(rs.value(1)).toDecimalString();
        return out;
    }
};

TEST_P(frmKurGirTest, AnUnknownCurrencyIsAskedForByItsCode) {
    auto dialog = ac(7);
    EXPECT_EQ(
        dialog->lblInfo->text(),
        "1 'Tanımlanmamış Parabirimi' (7)' nin 15.01.2023 tarihindeki TL karşılığını giriniz.");
    EXPECT_EQ(dialog->lblSimge->text(), "1 XX = ");
}

// The host's table may have no key on the date and currency: one row per pair all the same.
TEST_P(frmKurGirTest, AnExchangeRateIsStoredOnAnyHostTable) {
    db_->execute("drop table tblkur");
    db_->execute(
        "create table tblkur (tarih varchar(8), parabirimikodu smallint, "
        "tltutar numeric(19,4))");
    KurGirisi giris;
    giris.Doviz = 2;
    // Zero or less asks again and stores nothing; the same pair again replaces the value,
    // four decimals kept; another date is another row.
    for (const auto& [tarih, deger, sonuc] :
         {std::tuple{"20230115", "0", KurGirisi::Sonuc::DegerYok},
          {"20230115", "18.75", KurGirisi::Sonuc::Kaydedildi},
          {"20230115", "18.8123", KurGirisi::Sonuc::Kaydedildi},
          {"20230116", "19", KurGirisi::Sonuc::Kaydedildi}}) {
        giris.Tarih = QString::fromLatin1(tarih);
        EXPECT_EQ(giris.Kaydet(m(deger)), sonuc) << deger;
    }
    EXPECT_EQ(giris.TLTutar, m("19"));
    EXPECT_EQ(kurlar(), (QStringList{"20230115 18.8123", "20230116 19.0000"}));
    EXPECT_EQ(errorText(), QString());
}

TEST_P(frmKurGirTest, TheDialogStaysOpenUntilARateIsStoredOrTheEntryCancelled) {
    // No value: asked again, the entry keeps the focus.
    auto dialog = ac(2);
    dialog->cmdKaydet->setFocus();
    dialog->cmdKaydet->click();
    EXPECT_EQ(guard_.messages().informations(), QStringList{KurGirisi::degerIstemMesaji()});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), dialog->oceKur);
    // A failed save keeps the value for another try.
    db_->execute("drop table tblkur");
    QTest::keyClicks(dialog->oceKur, QStringLiteral("18,75"));
    dialog->cmdKaydet->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->oceKur->value(), m("18.75"));
    EXPECT_TRUE(errorText().startsWith("Hatanın oluştuğu yer : Hesap.frmKurGir.KurKaydet\rHata : "))
        << errorText().toStdString();
}

// Through the host as a calculation asks: the dialog is modal, shows the date and the
// currency asked for, and what it stores is found by the next calculation.
TEST_P(frmKurGirTest, KurBilgisiAlRunsTheDialogModally) {
    shared().setWindowHost(std::make_shared<WidgetWindowHost>());
    onNextModal([](QWidget& modal) {
        auto* dialog = qobject_cast<frmKurGir*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(
            dialog->lblInfo->text() + u'|' + dialog->lblSimge->text(),
            "1 ABD Doları (USD)' nin 15.01.2023 tarihindeki TL karşılığını giriniz.|1 USD = ");
        QTest::keyClicks(dialog->oceKur, QStringLiteral("34,5678"));
        dialog->cmdKaydet->click();
    });
    EXPECT_EQ(modGeneral::KurBilgisiAl(QStringLiteral("20230115"), 2, QString()), m("34.5678"));
    EXPECT_EQ(modGeneral::KurBilgisiCek(QStringLiteral("20230115"), 2), m("34.5678"));

    onNextModal([](QWidget& modal) {
        if (auto* d = qobject_cast<frmKurGir*>(&modal))
            d->cmdIptal->click();
    });
    EXPECT_EQ(modGeneral::KurBilgisiAl(QStringLiteral("20230120"), 2, QString()),
              Money::fromUnits(1));
    EXPECT_EQ(kurlar(), QStringList{"20230115 34.5678"});
    // The cancel keeps the dialog's answer of 1, but the run is told it has no rate.
    EXPECT_EQ(errorText(),
              "Hatanın oluştuğu yer : Hesap.modGenel.KurBilgisiAl\rHata : "
              "-2147220991 -> 2 kodlu para biriminin 20230120 tarihli kuru "
              "girilmedi; kur girişi iptal edildi.");
}

QUV_ON_BACKENDS(frmKurGirTest);

}  // namespace
}  // namespace quv
