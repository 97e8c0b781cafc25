#include "ScriptedMessageBox.h"

#include <gtest/gtest.h>

namespace orvik::test {

ScriptedMessageBox& ScriptedMessageBox::answer(const QString& fragment, MessageAnswer answer, int times) {
    return answerMatching(QRegularExpression(QRegularExpression::escape(fragment)), answer, times);
}

ScriptedMessageBox& ScriptedMessageBox::answerMatching(const QRegularExpression& pattern, MessageAnswer answer,
                                                       int times) {
    m_rules.push_back({pattern, answer, times});
    return *this;
}

ScriptedMessageBox& ScriptedMessageBox::stopEveryQuestion(bool on) {
    m_stopEveryQuestion = on;
    return *this;
}

ScriptedMessageBox& ScriptedMessageBox::acknowledgeAll(bool on) {
    m_acknowledgeAll = on;
    return *this;
}

MessageAnswer ScriptedMessageBox::show(const QString& text, MessageButtons buttons, const QString& caption) {
    m_shown.push_back({text, buttons, caption});
    for (Rule& rule : m_rules) {
        if (rule.remaining == 0 || !rule.pattern.match(text).hasMatch())
            continue;
        if (rule.remaining > 0)
            --rule.remaining;
        return rule.answer;
    }
    if (m_acknowledgeAll && buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (!m_stopEveryQuestion)
        ADD_FAILURE() << "Unexpected message box: " << text.toStdString();
    return stoppingAnswer(buttons);
}

QStringList ScriptedMessageBox::texts() const {
    QStringList list;
    for (const Shown& s : m_shown)
        list << s.text;
    return list;
}

int ScriptedMessageBox::count(const QString& fragment) const {
    int n = 0;
    for (const Shown& s : m_shown)
        n += s.text.contains(fragment) ? 1 : 0;
    return n;
}

} // namespace orvik::test
