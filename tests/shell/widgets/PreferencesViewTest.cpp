#include "shell/widgets/PortPage.h"
#include "shell/widgets/PreferencesView.h"
#include "shell/widgets/MeterPortDialog.h"
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace orvik::test {
namespace {

class PreferencesViewTest : public MainWindowFixture {
protected:
    void SetUp() override {
        ports = {SerialPortInfo{"/dev/ttyUSB0", "COM5", "ttyUSB0", "USB Serial Port"}};
        start(Start::Equipped);
        services.messages.clear();
        trigger(MenuCommand::Preferences);
        prefs = view<PreferencesView>();
        ASSERT_NE(prefs, nullptr);
    }

    // Types a name, clears the coupler warning and picks the only port there is.
    void edit() {
        prefs->findChild<QLineEdit*>(QStringLiteral("headerLine0"))->setText(QStringLiteral("Hearing Lab"));
        for (QCheckBox* box : prefs->findChildren<QCheckBox*>())
            if (box->text().startsWith(QStringLiteral("Show warning when Earphone")))
                box->setChecked(false);
        prefs->categories()->setCurrentRow(1);
        PortPage* page = prefs->findChild<PortPage*>();
        ASSERT_NE(page, nullptr);
        page->portList()->setCurrentIndex(0);
    }

    bool stored(const char* section, const char* name) const {
        return services.settings.contains(QString::fromLatin1(section), QString::fromLatin1(name));
    }

    PreferencesView* prefs = nullptr;
};

TEST_F(PreferencesViewTest, MissingStoredPortSelectsTheAdapterAndSaysSo) {
    prefs->categories()->setCurrentRow(1);
    PortPage* page = prefs->findChild<PortPage*>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->portList()->currentText(), "COM5 <USB Serial Port>");
    EXPECT_EQ(page->baudList()->currentText(), "9600");
    EXPECT_EQ(services.messages.texts(),
              QStringList{"The previous Comport \"Com 1\" is not in service. \nPlease select a valid comport."});
}

TEST_F(PreferencesViewTest, CancelLeavesSettingsAndRecordUnchanged) {
    edit();
    prefs->cancel();
    EXPECT_FALSE(stored("Preferences", "CompanyName"));
    EXPECT_FALSE(stored("Preferences", "SLMComport"));
    EXPECT_FALSE(stored("Settings", "Show Coupler Warn"));
    EXPECT_TRUE(document->preferences().companyName.isEmpty());
    EXPECT_EQ(document->preferences().slmComPort, 1);
    EXPECT_EQ(frame->views().current(), ViewId::Idle);
}

TEST_F(PreferencesViewTest, OkWritesEveryPageIncludingOnesLeftEarlier) {
    edit();
    prefs->accept();
    SettingsStore& s = services.settings;
    EXPECT_EQ(s.readText("Preferences", "CompanyName", "?"), "Hearing Lab");
    EXPECT_EQ(s.readInt("Preferences", "SLMComport", 0), 5);
    EXPECT_EQ(s.readInt("Preferences", "SLMBaudRate", 0), 9600);
    EXPECT_EQ(s.readInt("Settings", "Show Coupler Warn", 1), 0);
    EXPECT_EQ(s.readInt("Settings", "Show RETSPL Warn", 0), 1);
    EXPECT_EQ(document->preferences().slmComPort, 5);
    EXPECT_EQ(frame->views().current(), ViewId::Idle);
}

TEST_F(PreferencesViewTest, UnofferedRateShowsTheLastLineAndIsStoredAsIt) {
    document->preferences().slmBaudRate = 57600;
    document->preferences().slmComPort = 5;
    MeterPortDialog dialog(document->preferences(), services.messages, ports);
    EXPECT_EQ(dialog.page()->baudList()->currentText(), "19200");
    dialog.page()->store(document->preferences());
    EXPECT_EQ(document->preferences().slmBaudRate, 19200);
    EXPECT_FALSE(stored("Preferences", "SLMBaudRate")); // the dialog changes the record only
}

} // namespace
} // namespace orvik::test
