#pragma once

#include "engine/Money.h"

#include <QString>

namespace quv::cli {

// A small JSON writer whose numbers are written as given: money from its
// fixed-point value ("1234.5", never binary noise), rates in their shortest form.
class JsonYazici {
public:
    void nesneBasla(const QString& anahtar = QString());
    void nesneBitir();
    void diziBasla(const QString& anahtar = QString());
    void diziBitir();
    void metin(const QString& anahtar, const QString& deger);
    void metin(const QString& deger);
    void para(const QString& anahtar, Money deger);
    void oran(const QString& anahtar, double deger);
    void tamsayi(const QString& anahtar, qint64 deger);

    const QString& sonuc() const { return out_; }

    static QString paraMetni(Money deger);
    static QString tirnakla(const QString& deger);

private:
    void ayrac();
    void anahtarYaz(const QString& anahtar);

    QString out_;
    bool ilkOge_ = true;
};

}  // namespace quv::cli
