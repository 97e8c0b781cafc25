#include "equipment/widgets/InstrumentInfoPage.h"
#include "equipment/widgets/InstrumentResponsePage.h"

#include <QLineEdit>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvik;

namespace {

// What a field's text stores: empty is 0, a number is itself, anything else NaN, which Add and Update refuse.
TEST(InstrumentPage, FieldTextIsStoredAsItsNumberOrAsNoNumber) {
    const struct {
        const char* text;
        float stored; // NaN: no number
    } cases[] = {
        {"", 0.0f},   {"  ", 0.0f},   {"48.7", 48.7f}, {" -1.5 ", -1.5f}, {"nan", NAN},
        {"inf", NAN}, {"1e999", NAN}, {"-1,5", NAN},   {"1.5dB", NAN},
    };
    InstrumentInfoPage page(InstrumentKind::Microphone, QStringLiteral("Microphone"), nullptr);
    auto* sensitivity = page.findChild<QLineEdit*>(QStringLiteral("sensitivity"));
    ASSERT_NE(sensitivity, nullptr);
    for (const auto& c : cases) {
        sensitivity->setText(QString::fromLatin1(c.text));
        InstrumentEntry entry = emptyInstrumentEntry(InstrumentKind::Microphone);
        page.store(entry);
        const float stored = entry.values.microphone.sensitivity;
        if (std::isnan(c.stored))
            EXPECT_TRUE(std::isnan(stored)) << c.text << " stored as " << stored;
        else
            EXPECT_EQ(stored, c.stored) << c.text;
    }
}

// After a refused Add the view reloads the pages: the unreadable text stays for the technician to correct.
TEST(InstrumentPage, ReloadingKeepsTextThatIsNoNumber) {
    InstrumentResponsePage page(InstrumentResponsePage::microphoneLow(), nullptr);
    QLineEdit* field = page.field(12);
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("1.5dB"));
    InstrumentEntry entry = emptyInstrumentEntry(InstrumentKind::Microphone);
    page.store(entry);
    entry.values.microphone.pressureResponse[11] = 0.25f;
    page.load(entry);
    EXPECT_EQ(field->text(), QStringLiteral("1.5dB"));
    EXPECT_EQ(page.field(11)->text(), QStringLiteral("0.25"));
}

} // namespace
