#include "FileFixtures.h"

namespace quv::test {

void insertCreditorAndCurrencies(Database& db) {
    db.addRow(QStringLiteral("tblalacakli"), {{QStringLiteral("alacaklikodu"), 1},
                                              {QStringLiteral("harchesapla"), 1},
                                              {QStringLiteral("tahsilharcihesapla"), 1},
                                              {QStringLiteral("ihharcihesapla"), 0},
                                              {QStringLiteral("faturafaizinekdvekle"), 1},
                                              {QStringLiteral("vekaletharcihesapla"), 1},
                                              {QStringLiteral("pesinharchesapla"), 1},
                                              {QStringLiteral("ceksenetfaizinekdvekle"), 0},
                                              {QStringLiteral("onornekceksenetfaizinekdvekle"), 0},
                                              {QStringLiteral("faizyildakigunsayisi"), 1},
                                              {QStringLiteral("mtsharcihesapla"), 0}});
    db.addRow(QStringLiteral("tblparabirimi"),
              {{QStringLiteral("kod"), 1},
               {QStringLiteral("ad"), QStringLiteral("Türk Lirası")},
               {QStringLiteral("simge"), QStringLiteral("TL")}});
    db.addRow(QStringLiteral("tblparabirimi"),
              {{QStringLiteral("kod"), 2},
               {QStringLiteral("ad"), QStringLiteral("ABD Doları")},
               {QStringLiteral("simge"), QStringLiteral("USD")}});
}

void insertFile(Database& db, qint32 foyKodu, const FieldValues& overrides) {
    FieldValues fields = {
        {QStringLiteral("foykodu"), foyKodu},
        {QStringLiteral("borclusayisi"), 2},
        {QStringLiteral("formtipi"), 1},
        {QStringLiteral("takiptarihi"), QStringLiteral("20230115")},
        {QStringLiteral("dosyasonucu"), 1},
        {QStringLiteral("sonuctarihi"), QString()},
        {QStringLiteral("hesaptarihi"), QStringLiteral("20240115")},
        {QStringLiteral("foykayittarihi"), QStringLiteral("20230110")},
        {QStringLiteral("alacaktipi"), 13},
        {QStringLiteral("parabirimikodu"), 1},
        {QStringLiteral("faizorani"), 9},
        {QStringLiteral("tahsilatmahsupsirasi"), 1},
        {QStringLiteral("ihtiyatihacizvar"), 0},
        {QStringLiteral("alacaklikodu"), 1},
    };
    for (const auto& [name, value] : overrides) {
        bool replaced = false;
        for (auto& field : fields)
            if (field.first == name) {
                field.second = value;
                replaced = true;
            }
        if (!replaced)
            fields.append({name, value});
    }
    db.addRow(QStringLiteral("tblfoy"), fields);
}

}  // namespace quv::test
