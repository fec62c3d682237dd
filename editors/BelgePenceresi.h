#pragma once

#include "formats/BelgeSemasi.h"
#include "ui/ComboItems.h"

#include <QDialog>
#include <QHash>
#include <QJsonObject>

class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace quv {

class Database;

namespace editors {

class BolumDuzenleyici;

// A window that edits a document section by section, one tab each, and saves it by
// importing the edited document: the import checks all of it and writes it in one
// transaction, or nothing. Its problems ("$.alacaklar[2].tutar: ...") are told as
// the tab, the row and the field's label, and the focus goes to that field.
class BelgePenceresi : public QDialog {
    Q_OBJECT
public:
    BelgePenceresi(Database& db, QWidget* parent);

    // Saves; false (with the problems told, nothing written) when the document is refused.
    virtual bool kaydet() = 0;

    BolumDuzenleyici* duzenleyici(const QString& bolumAdi) const;
    QTabWidget* sekmeler() const { return sekmeler_; }

    // The message for one problem of the import, in the window's words; `hedef` gets
    // the section, row and field it names.
    struct Yer {
        QString bolum;
        int satir = 0;
        QString alan;
    };
    QString sorunMetni(const QString& sorun, Yer* hedef = nullptr) const;

protected:
    // A tab for the section.
    BolumDuzenleyici* bolumEkle(const belge::Bolum& bolum);
    // Fills every tab from the document.
    void belgedenDoldur(const QJsonObject& belge);
    // Writes the tabs' sections into the document (a list section without rows is
    // left out) and remembers which grid row each element came from.
    void belgeyeYaz(QJsonObject& belge);
    // Tells the problems (the first ones when there are many) and focuses the first.
    void sorunlariGoster(const QString& baslik, const QStringList& sorunlar);
    // Focuses a field named by a key that is no section ("foyKodu").
    virtual void digerAlanaOdaklan(const QString&) {}
    virtual QString digerAlanEtiketi(const QString& anahtar) const { return anahtar; }

    Database& db_;
    // The choices of the fields that name a row of another table, for the tabs added next.
    QHash<QString, QList<ComboEntry>> secimler_;
    QVBoxLayout* duzen_;
    QPushButton* kaydetDugmesi_;

private:
    QTabWidget* sekmeler_;
    QList<BolumDuzenleyici*> duzenleyiciler_;
    QHash<QString, QList<int>> satirlar_;
};

}  // namespace editors
}  // namespace quv
