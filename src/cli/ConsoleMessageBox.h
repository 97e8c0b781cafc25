#pragma once

#include "core/MessageBox.h"

#include <QTextStream>

namespace orvik::cli {

// Message boxes on the terminal: the text is printed; with a terminal on standard input the technician types
// the answer, without one the answer is the one that stops (Cancel, or No).
class ConsoleMessageBox final : public MessageBox {
public:
    explicit ConsoleMessageBox(QTextStream& out);
    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;

private:
    QTextStream& m_out;
    bool m_interactive;
};

} // namespace orvik::cli
