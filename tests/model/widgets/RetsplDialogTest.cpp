#include "EarphoneSlot.h"
#include "model/widgets/RetsplDialog.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/Transducer.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

constexpr FreqIndex At125 = 2;
constexpr FreqIndex At1000 = 12;

EarphoneBlock earphone(const char* model, EarphoneKind kind, quint16 coupler) {
    return test::defaultEarphone(static_cast<quint16>(kind), coupler, model);
}

bool sameBytes(const EarphoneBlock& a, const EarphoneBlock& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The window over a slot, with the file choice answered by the test and the proposed names recorded.
class RetsplDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<RetsplDialog> open(EarphoneBlock& slot) {
        auto dialog = std::make_unique<RetsplDialog>(slot, false,
                                                   [this](const FileRequest& request) { return choose(request); });
        dialog->show();
        return dialog;
    }
    QString choose(const FileRequest& request) {
        proposedNames << request.proposedName;
        return chosenPath;
    }
    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    QTemporaryDir dir;
    QString chosenPath;
    QStringList proposedNames;
};

TEST_F(RetsplDialogTest, OpensOnTheSlotsValuesUnderTheHighFrequencyHeading) {
    EarphoneBlock slot = earphone("HDA200", EarphoneKind::Circumaural, 1);
    auto dialog = open(slot);
    EXPECT_EQ(dialog->windowTitle(), "Reference Equivalent Threshold Sound Pressure Levels (RETSPL)");
    struct Case {
        FreqIndex index;
        const char* text;
    };
    for (const Case& c : {Case{0, "0"}, Case{At125, "30.5"}, Case{At1000, "5.5"}, Case{34, "56"}})
        EXPECT_EQ(dialog->field(c.index)->text(), c.text) << c.index;
    auto* high = dialog->findChild<QGroupBox*>();
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(high->title(), "High Frequency");
    for (FreqIndex index = 0; index < FrequencyCount; ++index)
        EXPECT_EQ(high->isAncestorOf(dialog->field(index)), index >= FirstHighFrequency) << index;
}

// One value off the defaults makes the earphone non-standard; typing the default back makes it standard again
// on the next save, by either of the two saving buttons.
TEST_F(RetsplDialogTest, StandardFlagFollowsTheSavedValues) {
    EarphoneBlock slot = earphone("TDH 39", EarphoneKind::SupraAural, 2);
    ASSERT_EQ(slot.standard, 1);
    struct Step {
        const char* typed;
        const char* button;
        float stored;
        quint8 standard;
    };
    for (const Step& s : {Step{"7.5", "Save RETSPL", 7.5f, 0}, Step{"7", "OK", 7.0f, 1},
                          Step{"7.0", "Save RETSPL", 7.0f, 1}, Step{"-2", "OK", -2.0f, 0}}) {
        auto dialog = open(slot);
        type(dialog->field(At1000), QString::fromLatin1(s.typed));
        dialog->button(QString::fromLatin1(s.button))->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << s.typed;
        EXPECT_FALSE(dialog->isVisible()) << s.button << " closes the window";
        EXPECT_EQ(slot.retspl[At1000], s.stored) << s.typed;
        EXPECT_EQ(slot.standard, s.standard) << s.typed;
    }
}

// "DD45 318-1" on the IEC 60318-1 coupler holds its model values; the defaults for that coupler are table G.
TEST_F(RetsplDialogTest, ResetShowsTheDefaultsAndStoresNothingUntilSaved) {
    EarphoneBlock slot = earphone("DD45 318-1", EarphoneKind::SupraAural, 2);
    slot.coupler = 6;
    const EarphoneBlock before = slot;
    auto dialog = open(slot);
    ASSERT_EQ(dialog->field(At125)->text(), "45.5");
    dialog->button(QStringLiteral("Reset to Defaults"))->click();
    EXPECT_EQ(dialog->field(At125)->text(), "45");
    EXPECT_EQ(dialog->field(At1000)->text(), "7.5");
    EXPECT_TRUE(sameBytes(slot, before));

    dialog->button(QStringLiteral("OK"))->click();
    EXPECT_EQ(slot.retspl[At125], 45.0f);
    EXPECT_EQ(slot.standard, 1);
}

TEST_F(RetsplDialogTest, CancelStoresNothing) {
    EarphoneBlock slot = earphone("TDH 39", EarphoneKind::SupraAural, 2);
    const EarphoneBlock before = slot;
    auto dialog = open(slot);
    type(dialog->field(At1000), QStringLiteral("12.5"));
    dialog->button(QStringLiteral("Reset to Defaults"))->click();
    type(dialog->field(At125), QStringLiteral("1"));
    dialog->button(QStringLiteral("Cancel"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(sameBytes(slot, before));
}

// The file holds the fields as they stand on screen, edits included; reading it back after other edits restores
// them, and the slot changes only on save.
TEST_F(RetsplDialogTest, ExportThenImportRoundTripsTheFields) {
    EarphoneBlock slot = earphone("HV/1A", EarphoneKind::Circumaural, 1);
    chosenPath = dir.filePath(QStringLiteral("hv1a.csv"));
    auto dialog = open(slot);
    type(dialog->field(At125), QStringLiteral("31.26"));
    dialog->button(QStringLiteral("Export"))->click();
    EXPECT_EQ(proposedNames, QStringList{"HV_1A.csv"});
    QFile file(chosenPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), FrequencyCount + 1);
    EXPECT_EQ(lines[At125], "31.3\r") << "one decimal, CR LF";
    EXPECT_EQ(lines[At1000], "16.0\r");

    QStringList shown;
    for (FreqIndex index = 0; index < FrequencyCount; ++index)
        shown << dialog->field(index)->text();
    dialog->button(QStringLiteral("Reset to Defaults"))->click();
    type(dialog->field(At1000), QStringLiteral("3"));
    dialog->button(QStringLiteral("Import"))->click();
    for (FreqIndex index = 0; index < FrequencyCount; ++index)
        EXPECT_EQ(dialog->field(index)->text(), index == At125 ? QStringLiteral("31.3") : shown[index]) << index;
    EXPECT_EQ(slot.retspl[At125], 0.0f) << "nothing stored before save";

    chosenPath.clear(); // the technician cancels the file choice
    type(dialog->field(At1000), QStringLiteral("4"));
    dialog->button(QStringLiteral("Import"))->click();
    EXPECT_EQ(dialog->field(At1000)->text(), "4");
    dialog->button(QStringLiteral("Save RETSPL"))->click();
    EXPECT_FLOAT_EQ(slot.retspl[At125], 31.3f);
    EXPECT_EQ(slot.retspl[At1000], 4.0f);
    EXPECT_EQ(slot.standard, 0);
}

} // namespace
} // namespace orvik
