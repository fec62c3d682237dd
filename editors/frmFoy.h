#pragma once

#include "editors/BelgePenceresi.h"

class QLineEdit;

namespace quv::editors {

// The enforcement file's window: its head, parties, notifications, claims, later
// claims, TODA, collections, expenses, its own rate and offset-order tables, the
// judgement, the attachment, the contract and the extra switches, one tab each. A new
// file starts with a free code the user may change; an existing one keeps its code.
// Saving replaces the stored file with what the window shows, in one transaction;
// "Föyü Sil" deletes a stored file after a question.
class frmFoy : public BelgePenceresi {
    Q_OBJECT
public:
    // foyKodu 0: a new file.
    frmFoy(Database& db, qint32 foyKodu, QWidget* parent = nullptr);

    // Reads the file (or the defaults of a new one); false, told, when it is not stored.
    bool yukle();
    bool kaydet() override;
    // The code of the file the window shows (of a new file: the code it was saved under).
    qint32 foyKodu() const { return foyKodu_; }
    bool yeni() const { return yeni_; }
    // True when the window closed because the file was deleted ("Föyü Sil").
    bool silindi() const { return silindi_; }

    QLineEdit* kodKutusu() const { return kod_; }

protected:
    void digerAlanaOdaklan(const QString& anahtar) override;
    QString digerAlanEtiketi(const QString& anahtar) const override;

private:
    QJsonObject yeniBelge();
    // The tabs, with the choices read from the settings.
    void sekmeleriKur();

    qint32 foyKodu_;
    bool yeni_;
    bool silindi_ = false;
    QLineEdit* kod_;
    // The loaded document: the sections the window does not show pass through it.
    QJsonObject belge_;
};

}  // namespace quv::editors
