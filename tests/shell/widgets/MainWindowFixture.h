#pragma once

#include "shell/widgets/MainWindow.h"
#include "FakeShell.h"
#include "TestServices.h"
#include "shell/AppDocument.h"
#include "shell/DemoInstruments.h"
#include "database/Document.h"
#include "model/DefaultRetspl.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik::test {

// The real document and main window over scripted answers, virtual time, settings in memory and a database
// in a temporary folder; the meter and the calibration check are fakes.
class MainWindowFixture : public ::testing::Test {
protected:
    enum class Start { MissingDatabase, EmptyDatabase, Equipped };

    void start(Start how) {
        const QString folder = how == Start::MissingDatabase ? dir.filePath(QStringLiteral("absent")) : dir.path();
        services.settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseDir"), folder + u'/');
        services.settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseName"),
                                    QStringLiteral("Test.mdb"));
        services.messages.answer(QStringLiteral("doesn't exist"),
                                 how == Start::MissingDatabase ? MessageAnswer::No : MessageAnswer::Yes, 1);
        services.messages.acknowledgeAll();
        database = std::make_unique<Document>(services.services(), dir.path());
        database->onNewDocument();
        if (how == Start::Equipped && addDemoInstruments(database->instruments()))
            database->writeEquipmentLists();
        document = std::make_unique<AppDocument>(*database, services.settings);
        frame = std::make_unique<MainWindow>(MainWindow::Seams{
            *document, services.messages, meter, calibration, services.settings, [this] { return ports; }, AlternateModeKind::Off,
            QString(), {}, &database->instruments(), [] { return defaultEarphoneList(false); }, askIncompatible});
        frame->updateCommandStates();
    }

    void trigger(MenuCommand command) {
        QAction* action = frame->action(command);
        ASSERT_NE(action, nullptr);
        action->trigger();
        frame->updateCommandStates();
    }

    template <typename View> View* view() const { return qobject_cast<View*>(frame->currentView()); }

    QTemporaryDir dir;
    TestServices services;
    FakeMeter meter;
    FakeCalibration calibration;
    QList<SerialPortInfo> ports;
    std::function<bool(const QString&, bool&)> askIncompatible;
    std::unique_ptr<Document> database;
    std::unique_ptr<AppDocument> document;
    std::unique_ptr<MainWindow> frame;
};

} // namespace orvik::test
