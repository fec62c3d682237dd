#pragma once

#include <QString>

namespace quv::desk {

// Turkish names of a file's claim type and outcome for the file list. A stored value
// outside the tables shows as its number; 0 (undefined) shows as nothing.
QString alacakTipiAdi(qint32 alacakTipi);
QString dosyaSonucuAdi(qint32 dosyaSonucu);

}  // namespace quv::desk
