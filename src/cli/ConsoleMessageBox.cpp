#include "cli/ConsoleMessageBox.h"

#include <cstdio>
#include <unistd.h>

namespace orvik::cli {

namespace {
struct Choice {
    QChar key;
    MessageAnswer answer;
};

std::vector<Choice> choicesOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {{u'o', MessageAnswer::Ok}};
    case MessageButtons::OkCancel:
        return {{u'o', MessageAnswer::Ok}, {u'c', MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{u'y', MessageAnswer::Yes}, {u'n', MessageAnswer::No}};
    case MessageButtons::YesNoCancel:
        break;
    }
    return {{u'y', MessageAnswer::Yes}, {u'n', MessageAnswer::No}, {u'c', MessageAnswer::Cancel}};
}

const char* promptOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return "[OK] ";
    case MessageButtons::OkCancel:
        return "[o]k / [c]ancel? ";
    case MessageButtons::YesNo:
        return "[y]es / [n]o? ";
    case MessageButtons::YesNoCancel:
        break;
    }
    return "[y]es / [n]o / [c]ancel? ";
}
} // namespace

ConsoleMessageBox::ConsoleMessageBox(QTextStream& out) : m_out(out), m_interactive(isatty(STDIN_FILENO) != 0) {}

MessageAnswer ConsoleMessageBox::show(const QString& text, MessageButtons buttons, const QString&) {
    m_out << text << Qt::endl;
    if (!m_interactive)
        return stoppingAnswer(buttons);
    const std::vector<Choice> choices = choicesOf(buttons);
    for (;;) {
        m_out << promptOf(buttons) << Qt::flush;
        char line[64];
        if (!std::fgets(line, sizeof line, stdin))
            return stoppingAnswer(buttons);
        const QString typed = QString::fromLocal8Bit(line).trimmed().toLower();
        const QChar key = typed.isEmpty() ? QChar() : typed.front();
        if (key.isNull() && buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        for (const Choice& choice : choices) {
            if (choice.key == key)
                return choice.answer;
        }
    }
}

} // namespace orvik::cli
