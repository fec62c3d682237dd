#pragma once

#include "engine/Database.h"
#include "formats/BelgeSemasi.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>

namespace quv::belge {

// The rows of a section as a document writes them, read with the given condition
// ("where ..." with "?" parameters, or empty). A Null column is left out of its row;
// secret fields only when asked for.
QJsonArray satirlariOku(Database& db, const Bolum& bolum, const QString& kosul = QString(),
                        const QVariantList& parametreler = {}, bool gizliDahil = false);

// The rows of a section of a document, checked field by field: the values to write
// (without the file-code column), or a Turkish description of each problem with its
// place ("$.alacaklar[2].tutar: ..."). A missing section has no rows.
QList<FieldValues> satirlariDenetle(const Bolum& bolum, const QJsonObject& belge,
                                    QStringList& sorunlar);

// Checks the document's format name and version.
void bicimiDenetle(const QJsonObject& belge, const char* bicim, QStringList& sorunlar);

// The keys of the document that name no section.
void bilinmeyenBolumler(const QJsonObject& belge, const QList<Bolum>& bolumler,
                        const QStringList& digerAnahtarlar, QStringList& sorunlar);

// A value of the rows to write, by its column (a null QVariant when not given).
QVariant deger(const FieldValues& satir, const QString& sutun);

// Adds the rows to the table; the file-code column, when the section has one, gets
// the given code.
void satirlariYaz(Database& db, const Bolum& bolum, const QList<FieldValues>& satirlar,
                  const QVariant& foyKodu = QVariant());

}  // namespace quv::belge
