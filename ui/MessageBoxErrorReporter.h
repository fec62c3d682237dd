#pragma once

#include "engine/ErrorReporter.h"

namespace quv {

// Shows every trapped error in a modal message box with only an OK button, the two
// lines of the message ("Hatanın oluştuğu yer : ..." and "Hata : ...") one under
// the other.
class MessageBoxErrorReporter : public ErrorReporter {
public:
    void report(const QString& message) override;
};

}  // namespace quv
