#include "SheetWindowFixture.h"

#include "database/widgets/StoredMeasurementsDialog.h"
#include "measure/widgets/MeasurementWindows.h"
#include "SheetAudiometer.h"
#include "shell/DemoInstruments.h"
#include "sim/ModelReferenceLevels.h"

namespace orvik::test {

void SheetWindowFixture::SetUp() {
    t.settings.writeText("Preferences", "DatabaseDir", dir.path() + u'/');
    t.messages.answer(QStringLiteral("doesn't exist"), MessageAnswer::Yes, 1).acknowledgeAll();
    database.onNewDocument();
    ASSERT_TRUE(addDemoInstruments(database.instruments()));
    ASSERT_TRUE(database.writeEquipmentLists());
    MainWindow::Seams seams{document, t.messages, meter, calibration, t.settings, [] { return QList<SerialPortInfo>{}; }};
    seams.instruments = &database.instruments();
    seams.linkStatus = &meter.status();
    seams.createTestSheet = [this](ViewContext& context, int test) -> QWidget* {
        simulator.scene().setReferenceLevels(sim::modelReferenceLevels(database.record().setup));
        return createDocumentTestSheet(context, test, meter.session(), measurementServices(), database,
                                       [this](TransducerKind kind) { simulator.scene().placeTransducer(int(kind)); });
    };
    seams.browseStoredMeasurements = [this](QWidget* parent) {
        return StoredMeasurementsDialog::browse(database, t.messages, parent);
    };
    t.settings.writeInt("Settings", "Sim Answer Prompts", 1);
    seams.answerPromptsAutomatically = promptAnswering();
    frame = std::make_unique<MainWindow>(seams);
    calibration.show = [this] {
        return runDocumentCalibrationCheck(meter.session(), measurementServices(), database, frame.get());
    };
    frame->updateCommandStates();
}

std::function<void(bool)> SheetWindowFixture::promptAnswering() {
    return [this](bool automatic) {
        technician.answering = automatic ? sim::PromptAnswering::Automatic : sim::PromptAnswering::Shown;
    };
}

void SheetWindowFixture::setUpAudiometer() {
    setUpSupraAuralAudiometer(database.record());
    document.markTestStarted();
}

} // namespace orvik::test
