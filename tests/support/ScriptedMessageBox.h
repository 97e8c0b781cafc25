#pragma once

#include "core/MessageBox.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace orvik::test {

// Answers message boxes from rules set up in advance and records every text shown. A question that no rule
// answers fails the running test and gets the answer that stops.
class ScriptedMessageBox final : public MessageBox {
public:
    struct Shown {
        QString text;
        MessageButtons buttons;
        QString caption;
    };

    // Answers texts that contain `fragment` (plain text) with `answer`, `times` times (-1: always).
    ScriptedMessageBox& answer(const QString& fragment, MessageAnswer answer, int times = -1);
    // The same for texts that match a regular expression.
    ScriptedMessageBox& answerMatching(const QRegularExpression& pattern, MessageAnswer answer, int times = -1);
    // Acknowledges every OK-only message without a rule of its own.
    ScriptedMessageBox& acknowledgeAll(bool on = true);
    // Gives every question without a rule of its own the answer that stops, as a technician giving up would,
    // without failing the test.
    ScriptedMessageBox& stopEveryQuestion(bool on = true);

    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;

    const std::vector<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    int count(const QString& fragment) const;
    void clear() { m_shown.clear(); }

private:
    struct Rule {
        QRegularExpression pattern;
        MessageAnswer answer;
        int remaining;
    };
    std::vector<Rule> m_rules;
    std::vector<Shown> m_shown;
    bool m_acknowledgeAll = false;
    bool m_stopEveryQuestion = false;
};

} // namespace orvik::test
