#pragma once
// Shared by the plan tests: controls by name, readers of grids, PDFs and stored
// commitments, the demo database, the built binary, and the plan-computation fixture.

#include "../calc/MotorTestDestegi.h"
#include "../file/DbFixture.h"
#include "engine/Schema.h"
#include "engine/Variant.h"
#include "formats/DemoVerisi.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/OdemePlaniMesajlari.h"
#include "ui/DataGrid.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <stdexcept>

namespace quv::test {

template <class T = QWidget>
T& kontrol(QWidget& pencere, const char* ad) {
    if (T* bulunan = pencere.findChild<T*>(QString::fromLatin1(ad)))
        return *bulunan;
    throw std::runtime_error(std::string("no control ") + ad);
}
inline void tikla(QWidget& pencere, const char* ad) {
    kontrol<QPushButton>(pencere, ad).click();
}

// A grid as the user reads it, one "cell | cell" line per row with a value.
inline QStringList gridMetni(DataGrid& grid) {
    QStringList satirlar;
    for (int r = 1; r <= grid.rowCount(); ++r) {
        QStringList hucreler;
        for (int c = 0; c < grid.columnCount() && !grid.isBlankRow(r); ++c)
            hucreler << grid.displayText(r, c);
        if (!hucreler.isEmpty())
            satirlar << hucreler.join(QStringLiteral(" | "));
    }
    return satirlar;
}

// The simplified lines pdftotext reads from a PDF; empty when it is not installed.
inline QString pdftotext() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}
inline QStringList pdfSatirlari(const QString& dosya) {
    QProcess p;
    p.start(pdftotext(), {QStringLiteral("-layout"), dosya, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList satirlar = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
    for (QString& s : satirlar)
        s = s.simplified();
    return satirlar;
}

// A plan row: an instalment to commit ("1"), or a down payment ("0", "Peşinat.").
inline OdemePlaniSatiri planSatiri(qint16 sira, const char* tarih, const char* tutar,
                                   bool taahhut = true) {
    return {sira, QString::fromLatin1(tarih), para(tutar),
            taahhut ? QStringLiteral("1") : QStringLiteral("0"),
            taahhut ? QString() : OdemePlaniMesajlari::Pesinat};
}

// "code debtor date amount paid place currency" of a file's commitments in code order
// (a null value as empty text).
inline QStringList taahhutler(Database& db, qint32 foy = 1) {
    QStringList liste;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select taahhutkodu, foysahiskodu, taahhuttarihi, taahhutmiktari, "
                       "odenenmiktar, taahutdurumu, parabirimikodu from tblfoy_taahhut "
                       "where foykodu = ? order by taahhutkodu"),
        CursorType::ForwardOnly, {foy});
    for (; !rs.eof(); rs.moveNext()) {
        QStringList alanlar;
        for (int i = 0; i < 7; ++i)
            alanlar << (isNull(rs.value(i)) || i == 2 ? rs.value(i).toString()
                        : i == 3 || i == 4 ? Money::fromVariant(rs.value(i)).toDecimalString()
                                           : QString::number(toInt32(rs.value(i))));
        liste << alanlar.join(u' ');
    }
    return liste;
}

// "ID|recorded|file|by|party|reminder|content|keep reminding" of a file's agenda entries.
inline QStringList ajanda(Database& db, qint32 foy = 1) {
    QStringList liste;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select ID, kayittarihi, foykodu, kaydeden, muhatap, hatirlatmatarihi, "
                       "icerik, hatirlatmayadevamet from tblajanda where foykodu = ? order by ID"),
        CursorType::ForwardOnly, {foy});
    for (; !rs.eof(); rs.moveNext()) {
        QStringList alanlar;
        for (int i = 0; i < 8; ++i)
            alanlar << rs.value(i).toString();
        liste << alanlar.join(u'|');
    }
    return liste;
}

// The built quvhesap; events are processed while it runs, so a fake gateway of this
// process can answer it.
struct CliRun {
    int exitCode;
    QString out, err;
};
inline CliRun quvhesap(const QStringList& arguman, const QProcessEnvironment& ortam =
                                                       QProcessEnvironment::systemEnvironment()) {
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

// The payment-plan computation on file 1 of the engine tests (no fees, a 365-day
// interest year, a fixed 9 % unless a test says otherwise).
class OdemePlaniTesti : public HesapMotoruTesti {
protected:
    // Enforcement and calculation date 31 December 2023, one claim of the amount on
    // that day: the balance is the amount, no interest yet.
    void faizsizDosya(const char* tutar) {
        dosya({{QStringLiteral("takiptarihi"), QStringLiteral("20231231")}});
        alacak("20231231", tutar);
    }
    // A claim of the amount from 1 March 2023 at 9 %, calculated on 31 December 2023.
    void faizliDosya(const char* tutar) {
        dosya();
        alacak("20230301", tutar);
    }
    // Opens the computation on file 1 with the settings the file gives.
    OdemePlaniHesabi& ac() {
        plan_.reset();
        ana_ = std::make_unique<clsHesapAna>();
        plan_ = std::make_unique<OdemePlaniHesabi>(*ana_, 1);
        EXPECT_TRUE(plan_->CalismaKopyasiniYukle()) << hatalar().join(u'\n').toStdString();
        plan_->AyarlariFoydenAl();
        return *plan_;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }

    std::unique_ptr<OdemePlaniHesabi> plan_;
};

}  // namespace quv::test
