#pragma once

#include "FoyListesi.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QSettings;
class QTableWidget;

namespace quv {

class Database;
class clsHesapAna;

namespace desk {

class HesapPaneli;

// The main window of the desktop program: it opens a database, lists its
// enforcement files with their stored current balance, calculates the selected file
// as of a date (optionally saving), and opens the component's windows (simple
// interest calculator, bulk file update, payment plan). User errors go through the
// shared message service, trapped run-time errors through the error reporter.
class AnaPencere : public QMainWindow {
    Q_OBJECT
public:
    enum Sutun {
        SutunFoyKodu,
        SutunTakipTarihi,
        SutunHesapTarihi,
        SutunAlacakTipi,
        SutunDosyaSonucu,
        SutunBakiye,
        SutunSayisi
    };

    // The settings keep the last opened database; without one the program's own
    // settings are used. The window takes the settings object over.
    explicit AnaPencere(QSettings* ayarlar = nullptr, QWidget* parent = nullptr);
    ~AnaPencere() override;

    // Opens a SQLite file, a postgresql:// URL or an odbc: string and lists its files.
    // A database without the component's tables is offered to be set up; on any
    // failure the message service tells why, the open database (if any) stays, and
    // the result is false.
    bool veritabaniAc(const QString& adres);
    // The database opened last in an earlier session (without a password).
    QString hatirlananAdres() const;
    bool veritabaniAcik() const { return hesap_ != nullptr; }

    // Reads the file list again, keeping the selected file.
    void foyleriYenile();
    // The code of the selected file; 0 when none is selected.
    qint32 seciliFoyKodu() const;
    bool foySec(qint32 FoyKodu);

    // Calculates the selected file as of the date in the panel (its stored date when
    // the box is empty), saving when "Kaydet" is checked, and shows the result.
    bool seciliFoyuHesapla();
    void basitFaizHesabi();
    void topluFoyGuncelleme();
    void odemePlani();
    // Lets the user pick a SQLite file and opens it.
    void dosyaSec();

    QLineEdit* adresKutusu() const { return adres_; }
    QTableWidget* foyTablosu() const { return tablo_; }
    HesapPaneli* hesapPaneli() const { return panel_; }

private:
    bool tablolarHazir(Database& db);
    void satiriYaz(int satir, const FoySatiri& foy);
    void satiriYenile(qint32 FoyKodu);
    int satirBul(qint32 FoyKodu) const;
    void seciliFoyDegisti();
    void eylemleriGuncelle();
    // True when a database is open; otherwise tells the user to open one.
    bool veritabaniGerekli();

    QSettings* ayarlar_;
    std::shared_ptr<Database> db_;
    // A new facade for every database, so no parameter loaded from another
    // database is reused.
    std::unique_ptr<clsHesapAna> hesap_;
    // The file whose result the panel shows; 0 for none.
    qint32 gosterilenFoy_ = 0;

    QLineEdit* adres_;
    QTableWidget* tablo_;
    HesapPaneli* panel_;
    QLabel* durum_;
    QAction* hesaplaEylemi_;
    QAction* yenileEylemi_;
    QAction* basitHesapEylemi_;
    QAction* topluGuncellemeEylemi_;
    QAction* odemePlaniEylemi_;
};

}  // namespace desk
}  // namespace quv
