#include "tools/BasitHesapBelgesi.h"

namespace quv {

Document basitHesapBelgesi(const QList<BasitHesapSatiri>& satirlar, const QDateTime& an) {
    Document belge;
    belge.title = BasitHesap::YaziciBasligi(an);
    DocumentBlock blok;
    blok.columns << BasitHesap::TutarSutunu(satirlar) << BasitHesap::AciklamaSutunu(satirlar);
    blok.alignments << Qt::AlignRight << Qt::AlignLeft;
    belge.blocks << blok;
    return belge;
}

}  // namespace quv
