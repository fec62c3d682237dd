#pragma once

#include "engine/MessageService.h"

#include <QString>

class QWidget;

namespace quv {

// The title of every message box of the component.
QString messageBoxTitle();

// Message texts join their lines with a carriage return; a message box breaks
// lines only at a line feed.
QString messageBoxText(const QString& text);

// The message service of the windows: modal message boxes over the active window.
// An information message has only an OK button; a question has "Evet" and "Hayır".
class MessageBoxService : public MessageService {
public:
    void information(const QString& text) override;
    bool question(const QString& text) override;
};

}  // namespace quv
