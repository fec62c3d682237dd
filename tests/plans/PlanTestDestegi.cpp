#include "PlanTestDestegi.h"

#include "file/colTahsilatlar.h"

namespace quv::test {

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
