#pragma once

#include <QObject>

namespace quv {

// Sends the plan to the debtor by SMS through the office's gateway.
class SmsGonderici : public QObject {
    Q_OBJECT
};

}  // namespace quv
