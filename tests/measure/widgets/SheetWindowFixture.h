#pragma once

#include "ModalDialog.h"
#include "TestServices.h"
#include "database/Document.h"
#include "shell/AppDocument.h"
#include "shell/SessionMeterLink.h"
#include "shell/widgets/MainWindow.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace orvik::test {

// The technician of the measurements, with a hook that runs before each dial prompt is answered: the point
// where a run waits on the technician while the window keeps taking events.
class PromptHook final : public MessageBox {
public:
    explicit PromptHook(MessageBox& technician) : m_technician(technician) {}
    std::function<void()> beforePrompt;
    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override {
        if (beforePrompt && text.startsWith(QLatin1String("Set")))
            beforePrompt();
        return m_technician.show(text, buttons, caption);
    }

private:
    MessageBox& m_technician;
};

// The calibration check of the window, driven by the test while its dialog is up.
class CalibrationByWindow final : public CalibrationCheck {
public:
    std::function<int()> show;
    int run() override {
        ++runs;
        return show ? show() : 0;
    }
    int runs = 0;
};

// The main window wired as `orvik --simulate` wires it: the real document over a database in a temporary folder,
// the demo instruments, the simulated K37 on virtual time, a technician who follows the dial prompts and
// scripted answers for everything else. The record is set up for supra-aural earphones. The technician answers the
// dial prompts unseen, as chosen with "Answer prompts automatically", so that whole runs need no clicks.
class SheetWindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Runs `step` on the modal dialog that `open` brings up, then returns what `open` returned.
    template <typename Dialog> int whileModal(const std::function<int()>& open, std::function<void(Dialog&)> step);
    void setUpAudiometer();
    AppServices measurementServices() { return {prompts, *progressWindows, t.clock, t.settings}; }
    // What the window's "Answer prompts automatically" choice does to the technician, as in a demo.
    std::function<void(bool)> promptAnswering();

    QTemporaryDir dir;
    TestServices t;
    Document database{t.services(), dir.path()};
    AppDocument document{database, t.settings};
    sim::K37Simulator simulator;
    sim::DialFollowingMessageBox technician{t.messages, simulator.scene()};
    PromptHook prompts{technician};
    sim::SimulatedSerialDeviceFactory ports{simulator, t.clock};
    SessionMeterLink meter{ports, t.messages, t.clock, database.preferences()};
    CalibrationByWindow calibration;
    std::unique_ptr<MainWindow> frame;
    // Where the measurements open their progress windows; a test may put the real windows in before the sheet opens.
    ProgressFactory* progressWindows = &t.progress;
};

template <typename Dialog>
int SheetWindowFixture::whileModal(const std::function<int()>& open, std::function<void(Dialog&)> step) {
    int result = 0;
    test::whileModal<Dialog>([&] { result = open(); }, step);
    return result;
}

} // namespace orvik::test
