#include "measure/widgets/MeterCalibrationDialog.h"

#include "equipment/InstrumentLists.h"
#include "measure/MeterCalibrationCheck.h"
#include "meter/KeySimulator.h"
#include "meter/MeterSession.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orvik {

namespace {
QList<CalibrationInstrument> instrumentsOf(const InstrumentLists& lists, InstrumentKind kind) {
    QList<CalibrationInstrument> instruments;
    for (const InstrumentEntry& entry : lists.list(kind)) {
        CalibrationInstrument instrument;
        instrument.manufacturer = entry.manufacturer();
        instrument.model = entry.model();
        instrument.serialNumber = entry.serialNumber();
        if (kind == InstrumentKind::Calibrator) {
            instrument.frequency = entry.values.calibrator.frequency;
            instrument.level = entry.values.calibrator.level;
        }
        instruments << instrument;
    }
    return instruments;
}
} // namespace

struct MeterCalibrationDialog::Check {
    Check(MeterSession& session, const AppServices& services, const TestSetup& setup,
          const InstrumentLists& instruments)
        : keys(*session.commander(), services.settings), link{session, keys, services, {}},
          logic(link, setup, instrumentsOf(instruments, InstrumentKind::Calibrator),
                instrumentsOf(instruments, InstrumentKind::Microphone)) {}

    KeySimulator keys;
    MeterLink link;
    MeterCalibrationCheck logic;
};

MeterCalibrationDialog::MeterCalibrationDialog(MeterSession& session, const AppServices& services,
                                               const TestSetup& setup, const InstrumentLists& instruments,
                                               QWidget* parent)
    : QDialog(parent), m_check(std::make_unique<Check>(session, services, setup, instruments)),
      m_calibrators(new QListWidget(this)), m_microphones(new QListWidget(this)), m_frequency(new QLabel(this)),
      m_level(new QLabel(this)), m_measured(new QLabel(this)), m_difference(new QLabel(this)),
      m_setCalibration(new QPushButton(QStringLiteral("Set Calibration"), this)),
      m_close(new QPushButton(QStringLiteral("Close"), this)), m_timer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("SLM Calibration"));
    auto* values = new QFormLayout;
    values->addRow(QStringLiteral("Calibrator Frequency"), m_frequency);
    values->addRow(QStringLiteral("Calibrator Level"), m_level);
    values->addRow(QStringLiteral("Measured SPL"), m_measured);
    values->addRow(QStringLiteral("Ref Level Difference"), m_difference);
    auto* lists = new QHBoxLayout;
    auto* calibratorColumn = new QVBoxLayout;
    calibratorColumn->addWidget(new QLabel(QStringLiteral("Calibrators"), this));
    calibratorColumn->addWidget(m_calibrators);
    auto* microphoneColumn = new QVBoxLayout;
    microphoneColumn->addWidget(new QLabel(QStringLiteral("Microphones"), this));
    microphoneColumn->addWidget(m_microphones);
    lists->addLayout(calibratorColumn);
    lists->addLayout(microphoneColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_setCalibration);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(values);
    layout->addLayout(buttons);

    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &MeterCalibrationDialog::tick);
    connect(m_setCalibration, &QPushButton::clicked, this, &MeterCalibrationDialog::setCalibration);
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_timer->stop();
        accept();
    });
    MeterCalibrationCheck& logic = m_check->logic;
    logic.onDisplay = [this] { showDisplay(); };
    connect(m_calibrators, &QListWidget::currentRowChanged, this, [this](int row) {
        m_check->logic.selectCalibrator(row);
        showDisplay();
    });
    connect(m_microphones, &QListWidget::currentRowChanged, this,
            [this](int row) { m_check->logic.selectMicrophone(row); });
}

MeterCalibrationDialog::~MeterCalibrationDialog() = default;

bool MeterCalibrationDialog::start() {
    MeterCalibrationCheck& logic = m_check->logic;
    QLabel* wait = nullptr;
    logic.onWaitMessage = [&wait, this](const QString& text) {
        delete wait;
        wait = nullptr;
        if (text.isEmpty())
            return;
        wait = new QLabel(text, this, Qt::Dialog);
        wait->setWindowTitle(QStringLiteral("Message"));
        wait->setMargin(20);
        wait->show();
        QApplication::processEvents();
    };
    const bool opened = logic.open();
    logic.onWaitMessage = nullptr;
    delete wait;
    if (!opened)
        return false;
    const QSignalBlocker quietCalibrators(m_calibrators);
    const QSignalBlocker quietMicrophones(m_microphones);
    m_calibrators->addItems(logic.calibratorLines());
    m_calibrators->setCurrentRow(logic.calibratorRow());
    m_microphones->addItems(logic.microphoneLines());
    m_microphones->setCurrentRow(logic.microphoneRow());
    showDisplay();
    m_timer->start();
    return true;
}

void MeterCalibrationDialog::tick() {
    // The reading pumps events; the timer must not fire into it again.
    m_timer->stop();
    m_check->logic.tick();
    showDisplay();
    m_timer->start();
}

void MeterCalibrationDialog::showDisplay() {
    const MeterCalibrationCheck& logic = m_check->logic;
    m_frequency->setText(logic.calibratorFrequencyText());
    m_level->setText(logic.calibratorLevelText());
    m_measured->setText(logic.measuredText());
    m_difference->setText(logic.differenceText());
}

void MeterCalibrationDialog::setCalibration() {
    m_timer->stop();
    m_setCalibration->setEnabled(false);
    m_close->setEnabled(false);
    m_check->logic.setCalibration();
    m_setCalibration->setEnabled(true);
    m_close->setEnabled(true);
    showDisplay();
    m_timer->start();
}

void MeterCalibrationDialog::setMicrophoneChosen(std::function<void(const QString&)> chosen) {
    m_check->logic.onMicrophoneChosen = [chosen = std::move(chosen)](const CalibrationInstrument& microphone) {
        if (chosen)
            chosen(microphone.model);
    };
}

int runCalibrationCheck(MeterSession& session, const AppServices& services, const TestSetup& setup,
                        const InstrumentLists& instruments, QWidget* parent,
                        const std::function<void(const QString&)>& microphoneChosen) {
    if (!session.isOpen() || !session.commander())
        return 0;
    MeterCalibrationDialog window(session, services, setup, instruments, parent);
    window.setMicrophoneChosen(microphoneChosen);
    if (!window.start())
        return 0;
    window.exec();
    return 1;
}

} // namespace orvik
