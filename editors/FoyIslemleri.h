#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace quv {

class Database;

namespace editors {

// The code a new file is proposed under: one past the highest stored.
qint32 yeniFoyKodu(Database& db);

// Asks "... silinsin mi?" and, on yes, removes the file in one transaction: the rows
// of every section of its case, its stored summary, and the office's work on it
// (commitments, agenda, research, calls, windows), which would otherwise pass to a
// later file given the same code. True when it was removed.
bool foyuSil(Database& db, qint32 foyKodu);

// Whether the database holds any dated tariff (a calculation needs one).
bool tarifeVar(Database& db);

// For a database without tariffs: says so and offers a settings import (a document
// chosen through ayarDosyasiSecici) or else the settings window. True when settings
// were imported or saved.
bool tarifeleriIste(Database& db, QWidget* parent);

// Chooses the settings document to import; empty: cancelled. A file dialog by
// default; tests replace it.
std::function<QString(QWidget*)>& ayarDosyasiSecici();

// Imports a settings document from a file; problems are told, nothing is written then.
bool ayarlariIceAktar(Database& db, const QString& dosya);

}  // namespace editors
}  // namespace quv
