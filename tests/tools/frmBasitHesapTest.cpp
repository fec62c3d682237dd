// The simple calculator window driven offscreen through its named controls.

#include "BasitHesapVerisi.h"

#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/DocumentService.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"
#include "support/TestEnvironment.h"
#include "tools/frmBasitHesap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace quv {
namespace {

// Keeps what would be previewed instead of opening a print preview.
class KayitliBelgeler : public DocumentService {
public:
    bool yaziciVar = true;
    QList<Document> onizlenenler;
    bool hasDefaultPrinter() const override { return yaziciVar; }
    QString defaultPrinterName() const override { return QStringLiteral("Test Yazıcısı"); }
    void preview(const Document& belge, QWidget*) override { onizlenenler << belge; }
};

// Notes the calculation a calculator window is shown with, instead of waiting for a user.
class KaydedenPencereler : public WidgetWindowHost {
public:
    QList<const clsHesapAna*> acilanlar;
    int showModal(QDialog& pencere) override {
        auto* hesap = qobject_cast<frmBasitHesap*>(&pencere);
        acilanlar << (hesap ? hesap->AktifHesap : nullptr);
        return QDialog::Rejected;
    }
};

template <class T>
T& kontrol(QWidget& pencere, const char* ad) {
    T* bulunan = pencere.findChild<T*>(QString::fromLatin1(ad));
    if (!bulunan)
        throw std::runtime_error(std::string("no control ") + ad);
    return *bulunan;
}

void yaz(QWidget& pencere, const char* ad, const char* metin) {
    kontrol<QLineEdit>(pencere, ad).setText(QString::fromUtf8(metin));
}

void tikla(QWidget& pencere, const char* ad) {
    kontrol<QPushButton>(pencere, ad).click();
}

// The inputs of the hand-worked case typed into the controls.
void ornekGir(QWidget& pencere) {
    yaz(pencere, "oceAsilAlacakTutari", "10.000,00");
    yaz(pencere, "oceFaizIslemeyenAlacak", "500");
    yaz(pencere, "oceFaizOrani", "9");
    yaz(pencere, "otrFaizBaslangicTarihi", "01.01.2023");
    yaz(pencere, "otrTakipTarihi", "01.03.2023");
    yaz(pencere, "otrGununTarihi", "31.12.2023");
}

// The grid as the user reads it: "amount | description" per row.
QStringList gridMetni(QWidget& pencere) {
    auto& grid = kontrol<DataGrid>(pencere, "grdHesap");
    QStringList out;
    for (int r = 1; r <= grid.rowCount(); ++r)
        out << grid.displayText(r, 0) + QStringLiteral(" | ") + grid.displayText(r, 1);
    return out;
}

QStringList ornekMetni() {
    QStringList out;
    for (const BasitHesapSatiri& s : test::ornekSatirlari())
        out << BasitHesap::TutarMetni(s.Tutar) + QStringLiteral(" | ") + s.Aciklama;
    return out;
}

class frmBasitHesapTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        test::basitHesapTarifeleriniEkle(*db_);
        ana_.setActiveConnection(db_);
        belgeler_ = std::make_shared<KayitliBelgeler>();
    }

    std::unique_ptr<frmBasitHesap> ac() {
        auto pencere = std::make_unique<frmBasitHesap>();
        pencere->AktifHesap = &ana_;
        pencere->setDocumentService(belgeler_);
        pencere->FormYukle();
        pencere->show();
        return pencere;
    }

    QStringList mesajlar() { return guard_.messages().informations(); }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    clsHesapAna ana_;
    std::shared_ptr<KayitliBelgeler> belgeler_;
};

TEST_P(frmBasitHesapTest, ABrokenRuleShowsItsMessageFocusesTheFieldAndComputesNothing) {
    const struct {
        std::function<void(QWidget&)> gir;
        const char* mesaj;
        const char* odak;
    } durumlar[] = {
        {[](QWidget& p) {
             ornekGir(p);
             kontrol<QComboBox>(p, "cboFaizOraniTablosu").setCurrentIndex(2);
         },
         "Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz.", "oceFaizOrani"},
        // Named, not read as "no enforcement"; a click from its box does not clear it first.
        {[](QWidget& p) {
             ornekGir(p);
             yaz(p, "otrTakipTarihi", "31.04.2023");
             kontrol<QLineEdit>(p, "otrTakipTarihi").setFocus();
         },
         "Lütfen takip tarihi için geçerli bir tarih giriniz: \"31.04.2023\"", "otrTakipTarihi"},
    };
    for (const auto& d : durumlar) {
        guard_.messages().clear();
        auto pencere = ac();
        d.gir(*pencere);
        QApplication::setActiveWindow(pencere.get());
        QTest::mouseClick(&kontrol<QPushButton>(*pencere, "cmdHesapla"), Qt::LeftButton);
        EXPECT_EQ(mesajlar(), QStringList{QString::fromUtf8(d.mesaj)});
        ASSERT_NE(pencere->focusWidget(), nullptr) << d.mesaj;
        EXPECT_EQ(pencere->focusWidget()->objectName(), QString::fromLatin1(d.odak));
        EXPECT_TRUE(gridMetni(*pencere).isEmpty());
    }
}

TEST_P(frmBasitHesapTest, CalculatesIntoTheGridPrintsAndExports) {
    auto pencere = ac();
    // Opens on today and the 365-day year; the rate tables are the shared ones, once each
    // by name (table 3 is listed twice, table 9 belongs to a file).
    EXPECT_EQ(kontrol<DateEdit>(*pencere, "otrGununTarihi").textDate(), QStringLiteral("20240115"));
    auto& tablolar = kontrol<QComboBox>(*pencere, "cboFaizOraniTablosu");
    ASSERT_EQ(tablolar.count(), 3);
    EXPECT_EQ(tablolar.itemText(1) + tablolar.itemData(1).toString() + tablolar.itemText(2) +
                  tablolar.itemData(2).toString(),
              QStringLiteral("Avans Faizi3Yasal Faiz7"));
    EXPECT_EQ(kontrol<QComboBox>(*pencere, "cboYildakiGunSayisi").currentText(),
              QStringLiteral("365"));
    ornekGir(*pencere);
    tikla(*pencere, "cmdHesapla");
    EXPECT_EQ(mesajlar(), QStringList());
    EXPECT_EQ(guard_.errors().messages(), QStringList());
    EXPECT_EQ(gridMetni(*pencere), ornekMetni());
    auto& grid = kontrol<DataGrid>(*pencere, "grdHesap");
    for (int r = 1; r <= grid.rowCount(); ++r) {
        const bool vurgulu = r == 4 || r == 9;  // TAKİP ÇIKIŞI and BAKİYE
        EXPECT_EQ(grid.item(r - 1, 0)->font().bold(), vurgulu) << r;
        EXPECT_EQ(grid.item(r - 1, 1)->font().bold(), vurgulu) << r;
    }

    // A look at the window with its results, kept in the build folder.
    pencere->resize(820, 560);
    const QString resim =
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../.."))
            .absoluteFilePath(QStringLiteral("frmBasitHesap-%1.png").arg(GetParam().name));
    EXPECT_TRUE(pencere->grab().save(resim));

    // Printing previews the statement on the default printer, or asks for one.
    tikla(*pencere, "cmdYazdir");
    ASSERT_EQ(belgeler_->onizlenenler.size(), 1);
    EXPECT_EQ(belgeler_->onizlenenler.at(0).blocks.value(0).columns.value(0),
              BasitHesap::TutarSutunu(test::ornekSatirlari()));
    belgeler_->yaziciVar = false;
    tikla(*pencere, "cmdYazdir");
    EXPECT_EQ(belgeler_->onizlenenler.size(), 1);
    EXPECT_EQ(
        mesajlar(),
        QStringList{QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz.")});

    // Two exports in the same second write two workbooks in the chosen folder.
    pencere->ExcelKlasoru = test::scratchPath(QStringLiteral("excel-") + GetParam().name);
    tikla(*pencere, "cmdExcel");
    tikla(*pencere, "cmdExcel");
    EXPECT_EQ(guard_.errors().messages(), QStringList());
    EXPECT_EQ(QFileInfo(pencere->SonExcelDosyasi).absolutePath(),
              QDir(pencere->ExcelKlasoru).absolutePath());
    EXPECT_EQ(QDir(pencere->ExcelKlasoru).entryList({QStringLiteral("*.xlsx")}).size(), 2);
}

TEST_P(frmBasitHesapTest, AnEngineNoteIsShownAfterTheCalculation) {
    auto pencere = ac();
    ornekGir(*pencere);
    yaz(*pencere, "oceFaizOrani", "");
    yaz(*pencere, "otrFaizBaslangicTarihi", "01.01.2019");
    kontrol<QComboBox>(*pencere, "cboFaizOraniTablosu").setCurrentIndex(1);  // Avans Faizi
    tikla(*pencere, "cmdHesapla");
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral(
                              "01.01.2019 tarihli ve 10.000,00TL tutarlı alacağın faiz başlangıç "
                              "tarihinde faiz oranı belirsizdir.")});
}

TEST_P(frmBasitHesapTest, TheFacadeOpensTheWindowWithItselfModally) {
    auto pencereler = std::make_shared<KaydedenPencereler>();
    shared().setWindowHost(pencereler);
    ana_.ShowBasitHesap();
    EXPECT_EQ(pencereler->acilanlar, (QList<const clsHesapAna*>{&ana_}));
    EXPECT_EQ(guard_.errors().messages(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Backends, frmBasitHesapTest,
                         ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) { return info.param.name.toStdString(); });

}  // namespace
}  // namespace quv
