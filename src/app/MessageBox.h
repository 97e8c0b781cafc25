#pragma once

#include <QString>

namespace orvik {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The one way logic asks the technician something. The widget implementation shows a QMessageBox;
// tests answer from a script; orvik-cli asks on the terminal.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MessageAnswer show(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                               const QString& caption = QStringLiteral("Orvik")) = 0;
};

// The answer that stops whatever asked: used where nobody can answer.
MessageAnswer stoppingAnswer(MessageButtons buttons);

} // namespace orvik
