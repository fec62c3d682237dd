#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace quv {

class DateEdit;
class clsFoyBilgileri;

namespace desk {

// The side panel of the main window: the calculation date, the "Kaydet" choice and
// the button that runs the calculation, then the result of the last run: the
// summary grouped under Turkish captions and the message the calculation produced.
class HesapPaneli : public QWidget {
    Q_OBJECT
public:
    explicit HesapPaneli(QWidget* parent = nullptr);

    DateEdit* tarihKutusu() const { return tarih_; }
    QCheckBox* kaydetKutusu() const { return kaydet_; }
    QPushButton* hesaplaDugmesi() const { return hesapla_; }
    QLabel* baslik() const { return baslik_; }
    QTreeWidget* ozetAgaci() const { return ozet_; }
    QPlainTextEdit* mesajKutusu() const { return mesaj_; }
    QLabel* uyariEtiketi() const { return uyarilar_; }

    // Shows the summary and the message of a calculated file, and the warnings about
    // the rate tables it used (hidden without any).
    void sonucuGoster(clsFoyBilgileri& foy, bool kaydedildi, const QStringList& uyarilar = {});
    // Empties the result; the caption tells why.
    void temizle(const QString& baslikMetni = QString());

    // The shown result as plain lines: the caption, each group's title, each row as
    // "caption<TAB>value", then "Mesaj:" and the message lines, then "Uyarı: ..." lines.
    QString gosterilenMetin() const;

private:
    DateEdit* tarih_;
    QCheckBox* kaydet_;
    QPushButton* hesapla_;
    QLabel* baslik_;
    QTreeWidget* ozet_;
    QPlainTextEdit* mesaj_;
    QLabel* uyarilar_;
};

}  // namespace desk
}  // namespace quv
