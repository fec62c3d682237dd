#pragma once

#include "formats/BelgeSemasi.h"
#include "ui/ComboItems.h"

#include <QList>
#include <QString>

namespace quv::editors {

// The readable Turkish label of a document field ("faizBaslangicTarihi" gives
// "Faiz Başlangıç Tarihi").
QString alanEtiketi(const char* alanAdi);
// The Turkish title of a section ("sonrakiAlacaklar" gives "Sonraki Alacaklar").
QString bolumEtiketi(const char* bolumAdi);
// The named values of a field with a closed list (the file's form, claim type and
// outcome, a collection's manner, the offset order); empty when its values have no
// names and are entered as numbers.
QList<ComboEntry> degerAdlari(const belge::Alan& alan);

}  // namespace quv::editors
