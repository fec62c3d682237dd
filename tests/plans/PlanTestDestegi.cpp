#include "PlanTestDestegi.h"

#include "engine/Schema.h"
#include "engine/Variant.h"
#include "ui/DataGrid.h"
#include "file/colTahsilatlar.h"
#include "formats/DemoVerisi.h"
#include "plans/OdemePlaniMesajlari.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace quv::test {

void resimKaydet(QWidget& pencere, const QString& ad) {
    const QString yol =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(ad + QStringLiteral(".png"));
    EXPECT_TRUE(pencere.grab().save(yol)) << yol.toStdString();
}

QStringList gridMetni(DataGrid& grid) {
    QStringList satirlar;
    for (int r = 1; r <= grid.rowCount(); ++r) {
        if (grid.isBlankRow(r))
            continue;
        QStringList hucreler;
        for (int c = 0; c < grid.columnCount(); ++c)
            hucreler << grid.displayText(r, c);
        satirlar << hucreler.join(QStringLiteral(" | "));
    }
    return satirlar;
}

bool pdftotextVar() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QStringList pdfSatirlari(const QString& dosya) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            {QStringLiteral("-layout"), dosya, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList satirlar;
    for (const QString& s : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        satirlar << s.simplified();
    return satirlar;
}

OdemePlaniSatiri planSatiri(qint16 sira, const char* tarih, const char* tutar, bool taahhut) {
    return {sira, QString::fromLatin1(tarih), para(tutar),
            taahhut ? QStringLiteral("1") : QStringLiteral("0"),
            taahhut ? QString() : OdemePlaniMesajlari::Pesinat};
}

QStringList taahhutler(Database& db, qint32 foy) {
    QStringList liste;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select taahhutkodu, foysahiskodu, taahhuttarihi, taahhutmiktari, "
                       "odenenmiktar, taahutdurumu, parabirimikodu from tblfoy_taahhut "
                       "where foykodu = ? order by taahhutkodu"),
        CursorType::ForwardOnly, {foy});
    for (; !rs.eof(); rs.moveNext()) {
        QStringList alanlar;
        for (int i = 0; i < 7; ++i) {
            const QVariant v = rs.value(i);
            alanlar << (isNull(v)          ? QString()
                        : i == 2           ? v.toString()
                        : i == 3 || i == 4 ? Money::fromVariant(v).toDecimalString()
                                           : QString::number(toInt32(v)));
        }
        liste << alanlar.join(u' ');
    }
    return liste;
}

void demoYukle(const QString& url) {
    auto db = Database::open(url, Database::OpenMode::CreateIfMissing);
    Schema::initialize(*db);
    demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
}

QString demo(const QString& ad) {
    const QString yol = scratchPath(ad);
    QFile::remove(yol);
    demoYukle(yol);
    return yol;
}

CliRun quvhesap(const QStringList& arguman, const QProcessEnvironment& ortam) {
    QProcess islem;
    islem.setProcessEnvironment(ortam);
    QEventLoop dongu;
    QObject::connect(&islem, &QProcess::finished, &dongu, &QEventLoop::quit);
    QObject::connect(&islem, &QProcess::errorOccurred, &dongu, &QEventLoop::quit);
    QTimer::singleShot(120000, &dongu, &QEventLoop::quit);
    islem.start(QStringLiteral(QUVHESAP_BINARY), arguman);
    dongu.exec();
    return {islem.exitStatus() == QProcess::NormalExit ? islem.exitCode() : -1,
            QString::fromUtf8(islem.readAllStandardOutput()),
            QString::fromUtf8(islem.readAllStandardError())};
}

void OdemePlaniTesti::faizsizDosya(const char* tutar) {
    dosya({{QStringLiteral("takiptarihi"), QStringLiteral("20231231")}});
    alacak("20231231", tutar);
}

void OdemePlaniTesti::faizliDosya(const char* tutar) {
    dosya();
    alacak("20230301", tutar);
}

OdemePlaniHesabi& OdemePlaniTesti::ac() {
    plan_.reset();
    ana_ = std::make_unique<clsHesapAna>();
    plan_ = std::make_unique<OdemePlaniHesabi>(*ana_, 1);
    EXPECT_TRUE(plan_->CalismaKopyasiniYukle()) << hatalar().join(u'\n').toStdString();
    plan_->AyarlariFoydenAl();
    return *plan_;
}

QList<std::pair<QString, Money>> OdemePlaniTesti::tahsilatlar() const {
    QList<std::pair<QString, Money>> liste;
    for (const clsTahsilatKalemi& t : plan_->Wizardfoy->Tahsilatlar())
        liste.append({t.Tarih, t.Tutar});
    return liste;
}

std::pair<Money, Money> OdemePlaniTesti::bakiyeVeFazla(const QString& tarih) {
    clsHesapAna hesap;
    std::shared_ptr<clsFoyBilgileri> foy = hesap.TariheGoreHesapla(1, tarih, false);
    EXPECT_TRUE(foy);
    if (!foy)
        return {};
    return {foy->HesapOzeti().Bakiye_TL, foy->HesapOzeti().FazlaTahsilat};
}

}  // namespace quv::test
