#pragma once

#include <QString>

namespace quv::desk {

// The address to remember for the next start: a SQLite path made absolute, a
// PostgreSQL URL without its password, an ODBC string without its PWD/Password
// parts. Passwords are never written to the settings; the server's own password
// file or the ODBC data source supplies them, or the user types them again.
QString hatirlanacakAdres(const QString& adres);

}  // namespace quv::desk
