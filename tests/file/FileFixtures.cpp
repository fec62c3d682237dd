#include "FileFixtures.h"

#include "DbFixture.h"

#include <algorithm>

namespace quv::test {

void insertCreditorAndCurrencies(Database& db) {
    FieldValues alacakli = kv({"alacaklikodu", 1, "faizyildakigunsayisi", 1});
    for (const char* on : {"harchesapla", "tahsilharcihesapla", "faturafaizinekdvekle",
                           "vekaletharcihesapla", "pesinharchesapla"})
        alacakli.append({on, 1});
    for (const char* off : {"ihharcihesapla", "ceksenetfaizinekdvekle",
                            "onornekceksenetfaizinekdvekle", "mtsharcihesapla"})
        alacakli.append({off, 0});
    db.addRow("tblalacakli", alacakli);
    db.addRow("tblparabirimi", kv({"kod", 1, "ad", "Türk Lirası", "simge", "TL"}));
    db.addRow("tblparabirimi", kv({"kod", 2, "ad", "ABD Doları", "simge", "USD"}));
}

void insertFile(Database& db, qint32 foyKodu, const FieldValues& overrides) {
    FieldValues fields = kv({"foykodu",          foyKodu,    "borclusayisi",         2,
                             "formtipi",         1,          "takiptarihi",          "20230115",
                             "dosyasonucu",      1,          "sonuctarihi",          QString(),
                             "hesaptarihi",      "20240115", "foykayittarihi",       "20230110",
                             "alacaktipi",       13,         "parabirimikodu",       1,
                             "faizorani",        9,          "tahsilatmahsupsirasi", 1,
                             "ihtiyatihacizvar", 0,          "alacaklikodu",         1});
    for (const auto& [name, value] : overrides) {
        auto field = std::find_if(fields.begin(), fields.end(),
                                  [&](const auto& f) { return f.first == name; });
        if (field != fields.end())
            field->second = value;
        else
            fields.append({name, value});
    }
    db.addRow("tblfoy", fields);
}

}  // namespace quv::test
