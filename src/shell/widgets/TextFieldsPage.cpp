#include "shell/widgets/TextFieldsPage.h"

#include "model/FixedText.h"
#include "model/TestSetup.h"

#include <QFormLayout>
#include <QLineEdit>

namespace orvik {

TextFieldsPage::TextFieldsPage(std::vector<Field> fields, QWidget* parent)
    : SetupPage(parent), m_fields(std::move(fields)) {
    auto* form = new QFormLayout(this);
    for (const Field& field : m_fields) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(field.size - 1);
        form->addRow(field.label, edit);
        m_edits << edit;
    }
}

void TextFieldsPage::load(const TestSetup& setup) {
    TestSetup copy = setup; // the accessors hand out writable arrays; reading goes through a copy
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_edits[int(i)]->setText(fixedText(m_fields[i].text(copy), std::size_t(m_fields[i].size)));
}

void TextFieldsPage::store(TestSetup& setup) {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        setFixedText(m_fields[i].text(setup), std::size_t(m_fields[i].size), m_edits[int(i)]->text());
}

} // namespace orvik
