#include "FormField.h"
#include "MainWindowFixture.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "shell/widgets/SetupPage.h"
#include "shell/widgets/SupraAuralPage.h"
#include "shell/widgets/TestSetupView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace orvik::test {
namespace {

// The set-up view opened by "Audiometer Test..." with every instrument listed, the default earphone list and
// a recorder in place of the incompatibility dialog.
class SetupViewTest : public MainWindowFixture {
protected:
    void SetUp() override {
        askIncompatible = [this](const QString& text, bool&) {
            questions << text;
            return continueIncompatible;
        };
        start(Start::Equipped);
        trigger(MenuCommand::AudiometerTest);
        setupView = view<TestSetupView>();
        ASSERT_NE(setupView, nullptr);
        supra = setupView->supraAuralPage();
    }

    void allowIncompatible(bool on) { supra->allowIncompatibleBox()->setChecked(on); }
    QStringList models() const {
        QStringList texts;
        for (int i = 0; i < supra->modelList()->count(); ++i)
            texts << supra->modelList()->itemText(i);
        return texts;
    }

    TestSetupView* setupView = nullptr;
    SupraAuralPage* supra = nullptr;
    QStringList questions;
    bool continueIncompatible = true;
};

TEST_F(SetupViewTest, Rkc311WithoutAllowingIncompatibleOffersNoModel) {
    allowIncompatible(false);
    supra->chooseCoupler(1);
    EXPECT_EQ(models(), QStringList{"None"});
    EXPECT_FALSE(supra->modelList()->isEnabled());
}

TEST_F(SetupViewTest, AllowingIncompatibleListsAllSevenAndSameStandardNeedsNoWarning) {
    allowIncompatible(true);
    supra->chooseCoupler(1);
    EXPECT_EQ(models().size(), 7);
    supra->chooseModel(QStringLiteral("DD45 318-1"));
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(supra->modelList()->currentText(), "DD45 318-1");
}

TEST_F(SetupViewTest, UncertifiedCouplerAsksAndCancelKeepsThePreviousChoice) {
    allowIncompatible(true);
    supra->chooseCoupler(6);
    supra->chooseModel(QStringLiteral("DD45 318-1"));
    ASSERT_TRUE(questions.isEmpty());
    continueIncompatible = false;
    supra->chooseModel(QStringLiteral("TDH 39"));
    EXPECT_EQ(questions,
              QStringList{"Earphone model TDH 39 has not been certified with 318-1 standard coupler (RKC420). Continue?"});
    EXPECT_EQ(supra->modelList()->currentText(), "DD45 318-1");
    EXPECT_EQ(supra->selectedCoupler(), 6);

    questions.clear();
    supra->chooseCoupler(2); // DD45 318-1 is certified for the IEC 60318-1 couplers only
    EXPECT_EQ(questions.size(), 1);
    EXPECT_EQ(supra->selectedCoupler(), 6);
}

TEST_F(SetupViewTest, SwitchingTheWarningOffStopsTheQuestion) {
    services.settings.writeInt(QStringLiteral("Settings"), QStringLiteral("Show Coupler Warn"), 0);
    allowIncompatible(true);
    supra->chooseCoupler(6);
    supra->chooseModel(QStringLiteral("TDH 39"));
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(supra->modelList()->currentText(), "TDH 39");
}

TEST_F(SetupViewTest, RefusedSetupTellsTheFirstProblemAndMarksEveryField) {
    auto* serial = setupView->findChild<QLineEdit*>(QStringLiteral("serialNumber"));
    auto* model = setupView->findChild<QLineEdit*>(QStringLiteral("model"));
    const auto marked = [](QWidget* field) { return field->property("invalid").toBool(); };
    services.messages.clear();
    setupView->accept(); // nothing entered about the audiometer yet
    EXPECT_EQ(services.messages.texts(),
              QStringList{"Please enter a serial number for the audiometer."});
    EXPECT_TRUE(marked(serial));
    EXPECT_TRUE(marked(model));
    EXPECT_EQ(frame->views().current(), ViewId::TestSetup);

    serial->setText(QStringLiteral("40-11873"));
    model->setText(QStringLiteral("QA-40"));
    services.messages.clear();
    setupView->accept();
    EXPECT_EQ(services.messages.texts(),
              QStringList{"Audiometer Calibration Due Year is invalid.\nMust be 4-digit year within 100 years."});
    EXPECT_FALSE(marked(serial)) << "a field put right loses its frame at the next check";
    EXPECT_TRUE(marked(fieldLabelled<QLineEdit>(setupView, QStringLiteral("Calibration due:"))));
    EXPECT_EQ(fixedText(document->record().setup.audSerialNumber), ""); // nothing written while refused
}

TEST_F(SetupViewTest, ChannelToTestOffersOnlyTheAudiometersChannels) {
    auto* channels = fieldLabelled<QComboBox>(setupView, QStringLiteral("Number of channels:"));
    auto* toTest = fieldLabelled<QComboBox>(setupView, QStringLiteral("Channel to test:"));
    ASSERT_TRUE(channels && toTest);
    channels->setCurrentIndex(3);
    toTest->setCurrentIndex(2);
    channels->setCurrentIndex(2);
    EXPECT_EQ(toTest->count(), 3);
    EXPECT_EQ(toTest->currentText(), "3") << "a choice that still exists is kept";
    channels->setCurrentIndex(1);
    EXPECT_EQ(toTest->count(), 2);
    EXPECT_EQ(toTest->currentText(), "1") << "a channel the audiometer no longer has is not kept";

    TestSetup stored = document->record().setup;
    stored.numberOfChannels = 2;
    stored.channelToTest = 3;
    setupView->page(QStringLiteral("Audiometers"))->load(stored);
    EXPECT_EQ(toTest->count(), 2);
    EXPECT_EQ(toTest->currentText(), "1");
}

// The low-frequency page: no boxes for 31.5 and 63 Hz, whose flags it keeps as they were, and the default button
// adds the default frequencies to what the technician ticked.
TEST_F(SetupViewTest, DefaultFrequenciesAreAddedToTheTickedOnes) {
    QCheckBox* box160 = nullptr;
    for (QCheckBox* box : setupView->findChildren<QCheckBox*>()) {
        EXPECT_NE(box->text().trimmed(), "31.5");
        EXPECT_NE(box->text().trimmed(), "63");
        if (box->text().trimmed() == "160")
            box160 = box;
    }
    ASSERT_NE(box160, nullptr);
    box160->setChecked(true);
    QPushButton* defaults = nullptr;
    for (QPushButton* button : setupView->findChildren<QPushButton*>())
        if (button->text() == "Set to Default Frequencies")
            defaults = button;
    ASSERT_NE(defaults, nullptr);
    defaults->click();
    EXPECT_TRUE(box160->isChecked()) << "a frequency the technician added stays ticked";
    int ticked = 0;
    for (QCheckBox* box : setupView->findChildren<QCheckBox*>())
        ticked += box->isChecked() && box->text().trimmed().toDouble() > 0.0;
    EXPECT_EQ(ticked, 12) << "the eleven defaults and 160 Hz";
}

} // namespace
} // namespace orvik::test
