#pragma once

#include <QString>

namespace quv::desk {

// The address to remember for the next start: a SQLite path made absolute, a
// PostgreSQL URL without its password, an ODBC string with its PWD/Password parts
// emptied. Passwords are never written to the settings; the user types them again
// when the database is opened.
QString hatirlanacakAdres(const QString& adres);

// True for a server address that names no password: a PostgreSQL URL without one, or
// an ODBC string whose PWD/Password part is empty. Such an address is opened only
// after the user is asked for the password.
bool sifreSorulmali(const QString& adres);

// The address with the password put in: into the PostgreSQL URL (encoded as a URL
// needs), or into the empty PWD/Password part of the ODBC string (braced when it
// holds a character that would end the value). Any other address comes back as it is.
QString sifreliAdres(const QString& adres, const QString& sifre);

}  // namespace quv::desk
