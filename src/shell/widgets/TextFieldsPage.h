#pragma once

#include "shell/widgets/SetupPage.h"

#include <functional>
#include <vector>

class QLineEdit;

namespace orvik {

// A page of plain text fields of the set-up: the bone vibrator, the speakers, the test location.
class TextFieldsPage final : public SetupPage {
    Q_OBJECT
public:
    struct Field {
        QString label;
        std::function<char*(TestSetup&)> text; // the fixed array the field edits
        int size;                              // its size, terminator included
    };

    TextFieldsPage(std::vector<Field> fields, QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;

private:
    std::vector<Field> m_fields;
    QList<QLineEdit*> m_edits;
};

} // namespace orvik
