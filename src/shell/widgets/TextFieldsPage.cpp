#include "shell/widgets/TextFieldsPage.h"

#include "model/TestSetup.h"

#include <QFormLayout>
#include <QLineEdit>
#include <cstring>

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
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const char* text = m_fields[i].text(copy);
        m_edits[int(i)]->setText(
            QString::fromLatin1(text, qsizetype(strnlen(text, std::size_t(m_fields[i].size)))));
    }
}

void TextFieldsPage::store(TestSetup& setup) {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        char* text = m_fields[i].text(setup);
        const QByteArray bytes = m_edits[int(i)]->text().toLatin1().left(m_fields[i].size - 1);
        std::memset(text, 0, std::size_t(m_fields[i].size));
        std::memcpy(text, bytes.constData(), std::size_t(bytes.size()));
    }
}

} // namespace orvik
