#pragma once

#include "FoyListesi.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QSettings;
class QTableWidget;

namespace quv {

class Database;
class clsHesapAna;
class DocumentService;
struct Document;

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
        SutunBorclu,
        SutunAlacakli,
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

    // Asks for the password of the server database at the address (shown without a
    // password); none when the user cancels.
    using SifreSorucu = std::function<std::optional<QString>(const QString& adres)>;

    // Opens a SQLite file, a postgresql:// URL or an odbc: string and lists its files.
    // A server address without a password is opened only after the password is asked
    // (an empty answer leaves it to the server); the password is used for this
    // connection only and never stored.
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
    // The account statement of the selected file as of the panel's date, calculated
    // without saving: a print preview on the default printer, or a PDF file.
    void hesapDokumu();
    void hesapDokumuPdf();
    void setDocumentService(std::shared_ptr<DocumentService> servis);
    // The file windows: a new file, the selected one edited, or deleted after a
    // question; after a save or a delete the list is read again and the file calculated.
    void yeniFoy();
    void foyuDuzenle();
    void foyuSil();
    // The settings window.
    void parametreler();
    // Lets the user pick a SQLite file and opens it.
    void dosyaSec();

    // Replaces the password question (a masked input dialog).
    void setSifreSorucu(SifreSorucu sorucu) { sifreSorucu_ = std::move(sorucu); }

    QLineEdit* adresKutusu() const { return adres_; }
    // Typing narrows the list to the files whose code starts with, or whose debtor's
    // name holds, every word typed.
    QLineEdit* aramaKutusu() const { return arama_; }
    QTableWidget* foyTablosu() const { return tablo_; }
    HesapPaneli* hesapPaneli() const { return panel_; }

private:
    bool tablolarHazir(Database& db);
    void satiriYaz(int satir, const FoySatiri& foy);
    void satiriYenile(qint32 FoyKodu);
    int satirBul(qint32 FoyKodu) const;
    // Hides the rows the search text does not fit, and drops a selection so hidden.
    void aramayiUygula();
    void durumuYaz();
    std::optional<QString> sifreSor(const QString& adres);
    void seciliFoyDegisti();
    void eylemleriGuncelle();
    // True when a database is open; otherwise tells the user to open one.
    bool veritabaniGerekli();
    // After the file window saved: the list read again, the file selected and calculated.
    void foyKaydedildi(qint32 FoyKodu);
    void foySilindi(qint32 FoyKodu);

    QSettings* ayarlar_;
    std::shared_ptr<Database> db_;
    // A new facade for every database, so no parameter loaded from another
    // database is reused.
    std::unique_ptr<clsHesapAna> hesap_;
    // The file whose result the panel shows; 0 for none.
    qint32 gosterilenFoy_ = 0;

    SifreSorucu sifreSorucu_;

    QLineEdit* adres_;
    QLineEdit* arama_;
    QTableWidget* tablo_;
    HesapPaneli* panel_;
    QLabel* durum_;
    QAction* hesaplaEylemi_;
    QAction* yenileEylemi_;
    QAction* basitHesapEylemi_;
    QAction* topluGuncellemeEylemi_;
    QAction* odemePlaniEylemi_;
    // The account statement (AnaPencereHesapDokumu.cpp).
    bool hesapDokumuHazirla(Document& belge);
    DocumentService& belgeler();
    std::shared_ptr<DocumentService> belgeler_;
    QAction* hesapDokumuEylemi_;
    QAction* hesapDokumuPdfEylemi_;
    QAction* yeniFoyEylemi_;
    QAction* foyDuzenleEylemi_;
    QAction* foySilEylemi_;
    QAction* parametrelerEylemi_;
};

}  // namespace desk
}  // namespace quv
