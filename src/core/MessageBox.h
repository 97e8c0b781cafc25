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
// The answer that goes on: Yes where there is one, else OK.
MessageAnswer agreeingAnswer(MessageButtons buttons);

// Agrees to everything: for unattended runs whose every question has a known good answer.
class AgreeingMessageBox final : public MessageBox {
public:
    MessageAnswer show(const QString&, MessageButtons buttons, const QString&) override {
        return agreeingAnswer(buttons);
    }
};

} // namespace orvik
