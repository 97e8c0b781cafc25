#include "MainWindowFixture.h"
#include "equipment/InstrumentLists.h"
#include "model/FixedText.h"
#include "shell/widgets/AboutDialog.h"
#include "shell/widgets/IdleView.h"
#include "shell/widgets/InstrumentationView.h"
#include "shell/widgets/PlaceholderView.h"
#include "shell/widgets/SummaryView.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

namespace orvik::test {
namespace {

using C = MenuCommand;
using V = ViewId;

TEST_F(MainWindowFixture, MissingDatabaseIsReportedAndCommandsRefuseButTheProgramGoesOn) {
    start(Start::MissingDatabase);
    const QString path = dir.filePath(QStringLiteral("absent/Test.mdb"));
    EXPECT_TRUE(services.messages.texts().contains(
        QStringLiteral("Could not open the last used or default database: %1.\nTry File/Change Database").arg(path)));
    EXPECT_FALSE(document->hasDatabase());
    EXPECT_EQ(frame->views().current(), V::Idle);

    services.messages.clear();
    trigger(C::Instrumentation);
    trigger(C::Preferences);
    trigger(C::AudiometerTestNotes);
    EXPECT_EQ(services.messages.texts(),
              (QStringList{"Must connect to a database before defining instruments!\n"
                           "Select/create a database with File/Change Database.",
                           "Must connect to a database before setting preferences!\n"
                           "Select/create a database with File/Change Database.",
                           "Must connect to a database before writing notes for a test!\n"
                           "Select/create a database with File/Change Database."}));
    EXPECT_EQ(frame->views().current(), V::Idle);
    EXPECT_TRUE(frame->action(C::ChangeDatabase)->isEnabled());
    EXPECT_TRUE(frame->action(C::AudiometerTest)->isEnabled());
}

TEST_F(MainWindowFixture, UnaddedInstrumentEditsAreDiscardedOnlyOnYes) {
    start(Start::Equipped);
    trigger(C::Instrumentation);
    auto* equipment = view<InstrumentationView>();
    ASSERT_NE(equipment, nullptr);
    equipment->serialField()->setText(QStringLiteral("NEW-1"));
    Q_EMIT equipment->serialField()->textEdited(QStringLiteral("NEW-1"));
    ASSERT_TRUE(equipment->hasPendingChanges());
    const QString question = QStringLiteral("There are instrumentation changes that have not been Added or Updated.");
    services.messages.clear();
    services.messages.answer(question, MessageAnswer::No, 1).answer(question, MessageAnswer::Yes, 1);
    trigger(C::Preferences);
    EXPECT_EQ(frame->views().current(), V::Instrumentation);
    EXPECT_EQ(services.messages.count(question), 1);
    trigger(C::Preferences);
    EXPECT_EQ(frame->views().current(), V::Preferences);
}

TEST_F(MainWindowFixture, MenuFollowsTheView) {
    start(Start::Equipped);
    struct Expect {
        C command;
        bool inIdle;
        bool inSummary;
    };
    const Expect expectations[] = {
        {C::NewMeasurement, true, false}, {C::AudiometerTest, true, false}, {C::Save, true, true},
        {C::Report, false, true},         {C::CompareWith, false, true},    {C::StoredMeasurements, true, false},
        {C::Preferences, true, true},     {C::SlmConnect, true, true},      {C::SlmDisconnect, false, false},
    };
    for (const Expect& e : expectations)
        EXPECT_EQ(frame->action(e.command)->isEnabled(), e.inIdle) << static_cast<int>(e.command);
    trigger(C::NewMeasurement);
    trigger(C::MeasurementSummary);
    ASSERT_EQ(frame->views().current(), V::Summary);
    for (const Expect& e : expectations)
        EXPECT_EQ(frame->action(e.command)->isEnabled(), e.inSummary) << static_cast<int>(e.command);
}

TEST_F(MainWindowFixture, PlaceholderViewsSayTheyAreNotAvailable) {
    start(Start::Equipped);
    trigger(C::BoothTest);
    ASSERT_NE(view<PlaceholderView>(), nullptr);
    const QLabel* note = frame->currentView()->findChild<QLabel*>(QStringLiteral("notAvailable"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains(QStringLiteral("not available")));
}

TEST_F(MainWindowFixture, FileShortcuts) {
    start(Start::Equipped);
    EXPECT_EQ(frame->action(C::NewMeasurement)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(frame->action(C::ChangeDatabase)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame->action(C::Save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST(AboutDialogTest, QualityAssuranceLineOnlyInAlternateMode) {
    EXPECT_EQ(AboutDialog::versionText(), "Version: 2.201");
    EXPECT_EQ(AboutDialog(false).findChild<QLabel*>(QStringLiteral("qualityAssurance")), nullptr);
    const AboutDialog alternate(true);
    const QLabel* line = alternate.findChild<QLabel*>(QStringLiteral("qualityAssurance"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "Quality Assurance of Audiometer Calibration by\n Swedish Audiological Society, 1996");
}

// Every way out of the program asks about an unsaved test; Cancel keeps the program open.
TEST_F(MainWindowFixture, ClosingAsksAboutUnsavedMeasurementsAndCancelStays) {
    start(Start::Equipped);
    frame->show();
    const QString question = QStringLiteral("Save the modified measurements to the database?");
    database->setModified(true);
    services.messages.answer(question, MessageAnswer::Cancel, 1);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    services.messages.answer(question, MessageAnswer::Cancel, 1);
    trigger(MenuCommand::Exit);
    EXPECT_TRUE(frame->isVisible());
    services.messages.answer(question, MessageAnswer::No, 1);
    trigger(MenuCommand::Exit);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(services.messages.count(question), 3);
}

// The simulated bench is offered until every kind a test needs is listed, and fills only the empty kinds: an
// instrument entered by hand is never replaced.
TEST_F(MainWindowFixture, DemoInstrumentsOfferedWhileARequiredKindIsMissing) {
    start(Start::EmptyDatabase);
    InstrumentLists& lists = database->instruments();
    const auto offered = [this] {
        IdleView idle(*document, [] {});
        return idle.findChild<QPushButton*>(QStringLiteral("addDemoInstruments")) != nullptr;
    };
    EXPECT_TRUE(offered());
    InstrumentEntry own{};
    own.kind = static_cast<qint32>(InstrumentKind::SoundLevelMeter);
    setFixedText(own.identity.serialNumber, QStringLiteral("OWN-1"));
    lists.list(InstrumentKind::SoundLevelMeter).push_back(own);
    EXPECT_TRUE(offered()) << "a sound level meter alone sets up no test";

    EXPECT_TRUE(addDemoInstruments(lists));
    ASSERT_EQ(lists.list(InstrumentKind::SoundLevelMeter).size(), 1u);
    EXPECT_EQ(fixedText(lists.list(InstrumentKind::SoundLevelMeter)[0].identity.serialNumber), "OWN-1");
    for (InstrumentKind kind : KindsInViewOrder)
        EXPECT_EQ(lists.list(kind).size(), 1u) << static_cast<int>(kind);
    EXPECT_FALSE(offered());
    EXPECT_FALSE(addDemoInstruments(lists));
}

// Every menu item can be reached from the keyboard: an accelerator of its own within its menu.
TEST_F(MainWindowFixture, MenuItemsHaveAcceleratorsUniqueWithinTheirMenu) {
    start(Start::Equipped);
    for (QAction* top : frame->menuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        QSet<QChar> used;
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QString text = item->text();
            const qsizetype at = text.indexOf(u'&');
            ASSERT_TRUE(at >= 0 && at + 1 < text.size()) << qPrintable(top->text() + " / " + text);
            const QChar key = text.at(at + 1).toUpper();
            EXPECT_FALSE(used.contains(key)) << qPrintable(top->text() + " / " + text);
            used.insert(key);
        }
    }
}

} // namespace
} // namespace orvik::test
