#include "model/widgets/RetsplDialog.h"
#include "shell/widgets/EarphonePage.h"
#include "shell/widgets/SupraAuralPage.h"
#include "shell/widgets/TestSetupView.h"
#include "MainWindowFixture.h"
#include "ModalDialog.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace orvik::test {
namespace {

constexpr FreqIndex At125 = 2;
constexpr FreqIndex At1000 = 12;

// The set-up view over an audiometer description that passes the set-up checks, so that OK takes the working
// set-up into the record.
class SetupRetsplTest : public MainWindowFixture {
protected:
    void SetUp() override {
        start(Start::Equipped);
        TestSetup& setup = document->record().setup;
        setFixedText(setup.audSerialNumber, QStringLiteral("40-11873"));
        setFixedText(setup.audModel, QStringLiteral("QA-40"));
        setFixedText(setup.calibrationDueDate, QString::number(QDate::currentDate().year() + 1) + "-06-01");
        setup.fmRate = 5.0f;
        setup.fmDeviation = 5.0f;
        selectDefaultFrequencies(setup.frequencySelected);
        trigger(MenuCommand::AudiometerTest);
        setupView = view<TestSetupView>();
        ASSERT_NE(setupView, nullptr);
    }

    QPushButton* editButton(const QString& title) const {
        SetupPage* page = setupView->page(title);
        if (auto* supra = qobject_cast<SupraAuralPage*>(page))
            return supra->editRetsplButton();
        auto* earphone = qobject_cast<EarphonePage*>(page);
        return earphone ? earphone->editRetsplButton() : nullptr;
    }

    // Opens the editor from the page's button, types `value` at 1000 Hz and saves; answers what the editor
    // showed there when it opened.
    QString editAt1000(const QString& title, const QString& value) {
        setupView->showPage(title);
        QPushButton* button = editButton(title);
        EXPECT_NE(button, nullptr) << qPrintable(title);
        QString shown;
        if (!button)
            return shown;
        whileModal<RetsplDialog>([button] { button->click(); },
                               [&](RetsplDialog& dialog) {
                                   shown = dialog.field(At1000)->text();
                                   dialog.field(At1000)->selectAll();
                                   QTest::keyClicks(dialog.field(At1000), value);
                                   dialog.button(QStringLiteral("Save RETSPL"))->click();
                               });
        return shown;
    }

    TestSetupView* setupView = nullptr;
};

// Each page's button edits its own slot, opened on the defaults of the model the page shows (a new record's
// supra-aural page starts on the RKC420 coupler, whose first model is "DD45 318-1"); the edit survives
// the pages being stored again on OK, and the slot stays marked non-standard.
TEST_F(SetupRetsplTest, EachEarphonePageEditsItsOwnSlot) {
    struct Case {
        const char* title;
        EarphoneKind kind;
        const char* model;
        const char* defaultAt1000;
        float edited;
    };
    const Case cases[] = {{"Supra-aural", EarphoneKind::SupraAural, "DD45 318-1", "7.5", 99.0f},
                          {"Insert", EarphoneKind::Insert, "ER-3A", "5.5", 98.5f},
                          {"Circumaural", EarphoneKind::Circumaural, "HDA200", "5.5", 97.0f}};
    for (const Case& c : cases)
        EXPECT_EQ(editAt1000(QString::fromLatin1(c.title), QString::number(c.edited)), c.defaultAt1000) << c.title;

    setupView->accept();
    ASSERT_EQ(frame->views().current(), ViewId::Summary) << qPrintable(services.messages.texts().join('|'));
    for (const Case& c : cases) {
        const EarphoneBlock& slot = earphoneSlot(document->record().setup, c.kind);
        EXPECT_EQ(fixedText(slot.model), c.model) << c.title;
        EXPECT_EQ(slot.retspl[At1000], c.edited) << c.title;
        EXPECT_EQ(slot.standard, 0) << c.title;
        EarphoneBlock defaults = slot;
        defaultRetspl(defaults, false);
        EXPECT_NE(slot.retspl[At125], 0.0f) << c.title;
        for (FreqIndex index = 0; index < FrequencyCount; ++index) {
            if (index == At1000)
                continue;
            EXPECT_EQ(slot.retspl[index], defaults.retspl[index]) << c.title << " at " << index;
        }
    }
}

// Picking another coupler after an edit brings that coupler's defaults back, as a coupler change always does.
TEST_F(SetupRetsplTest, ACouplerPickedAfterTheEditReloadsTheDefaults) {
    editAt1000(QStringLiteral("Insert"), QStringLiteral("40"));
    const auto buttons = setupView->page(QStringLiteral("Insert"))->findChildren<QRadioButton*>();
    auto ha2 = std::find_if(buttons.begin(), buttons.end(), [](QRadioButton* b) { return b->text() == "HA - 2"; });
    ASSERT_NE(ha2, buttons.end());
    (*ha2)->click();
    EXPECT_EQ(editAt1000(QStringLiteral("Insert"), QStringLiteral("0")), "0") << "HA-2 has 0.0 at 1000 Hz";
}

} // namespace
} // namespace orvik::test
