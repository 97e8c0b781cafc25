#include "shell/widgets/MainWindow.h"

#include "core/MessageBox.h"
#include "core/SettingsStore.h"
#include "shell/ShellDocument.h"
#include "shell/widgets/AboutDialog.h"
#include "shell/widgets/CouplerMismatchDialog.h"
#include "shell/widgets/IdleView.h"
#include "shell/widgets/InstrumentationView.h"
#include "shell/widgets/MeasurementSelectionView.h"
#include "shell/widgets/MeterPortDialog.h"
#include "shell/widgets/PlaceholderView.h"
#include "shell/widgets/PreferencesView.h"
#include "shell/widgets/SummaryView.h"
#include "shell/widgets/TestNotesView.h"
#include "shell/widgets/TestSetupView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace orvik {

namespace {
const QString WindowSection = QStringLiteral("Window");
const QString GeometryName = QStringLiteral("Geometry");

const char* viewTitle(ViewId view) {
    static const char* const titles[] = {"Idle",    "Instrumentation", "Preferences", "Booth Test", "Test Setup",
                                         "Summary", "Test Sheet",      "Test Notes",  "Test Status"};
    return titles[static_cast<int>(view)];
}
} // namespace

MainWindow::MainWindow(Seams seams, QWidget* parent)
    : QMainWindow(parent), m_seams(std::move(seams)),
      m_views(m_seams.document, m_seams.messages, m_seams.meter, m_seams.calibration, *this, m_busy),
      m_commands(m_seams.document, m_seams.messages, m_views, *this),
      m_context{m_seams.document,      m_seams.messages,  m_views,
                m_seams.settings,      m_seams.enumeratePorts, m_seams.instruments,
                m_seams.earphones,     m_seams.askIncompatible,
                isProgramWideAlternate(m_seams.alternateMode), m_seams.alternateMode,
                m_seams.writeInstruments, m_seams.reloadInstruments} {
    if (!m_context.askIncompatible) {
        m_context.askIncompatible = [this](const QString& text, bool& dontShowAgain) {
            CouplerMismatchDialog dialog(text, this);
            const bool go = dialog.exec() == QDialog::Accepted;
            dontShowAgain = dialog.dontShowAgain();
            return go;
        };
    }
    setWindowTitle(QStringLiteral("Orvik") + m_seams.titleSuffix);
    createMenus();
    createToolBar();
    createStatusBar();
    showView(ViewId::Idle, -1);
    restoreWindowGeometry();
    updateCommandStates();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::addCommand(MenuCommand command, const QString& text, std::function<void()> handler,
                                const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    action->setStatusTip(QString(text).remove(u'&').remove(QStringLiteral("...")));
    connect(action, &QAction::triggered, this, [this, handler = std::move(handler)] {
        // A command fired while a procedure waits on the meter would run under it.
        if (m_busy.refuse(m_seams.messages))
            return;
        handler();
        updateCommandStates();
    });
    m_actions.insert(command, action);
    return action;
}

void MainWindow::notAvailable(const QString& what) {
    m_seams.messages.show(what + QStringLiteral(" is not available in this version."));
}

void MainWindow::createMenus() {
    using C = MenuCommand;
    ShellCommands& c = m_commands;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(addCommand(C::ChangeDatabase, QStringLiteral("&Change Database..."), [&c] { c.changeDatabase(); },
                               QKeySequence(Qt::CTRL | Qt::Key_O)));
    file->addAction(addCommand(
        C::NewMeasurement, QStringLiteral("&New Measurement"), [&c] { c.newMeasurement(); },
        QKeySequence(Qt::CTRL | Qt::Key_N)));
    file->addAction(
        addCommand(C::Save, QStringLiteral("&Save"), [&c] { c.save(); }, QKeySequence(Qt::CTRL | Qt::Key_S)));
    file->addSeparator();
    file->addAction(addCommand(C::ImportMicMastoidSetup, QStringLiteral("&Import Mic/Mastoid Setup..."),
                               [this] { importMicMastoidSetup(); }));
    file->addSeparator();
    file->addAction(addCommand(C::PrinterSetup, QStringLiteral("P&rinter Setup..."), [this] {
        QPrinter printer;
        QPageSetupDialog(&printer, this).exec();
    }));
    file->addSeparator();
    file->addAction(addCommand(C::Exit, QStringLiteral("E&xit"), [this] { close(); }));

    QMenu* test = menuBar()->addMenu(QStringLiteral("&Test"));
    test->addAction(addCommand(C::AudiometerTest, QStringLiteral("&Audiometer Test..."), [&c] { c.audiometerTest(); }));
    test->addAction(addCommand(C::AudiometerTestNotes, QStringLiteral("Audiometer Test &Notes..."),
                               [&c] { c.audiometerTestNotes(); }));
    test->addAction(addCommand(C::BoothTest, QStringLiteral("&Booth Test..."), [&c] { c.boothTest(); }));
    test->addSeparator();
    test->addAction(
        addCommand(C::Instrumentation, QStringLiteral("&Instrumentation..."), [&c] { c.instrumentation(); }));
    test->addAction(addCommand(C::Preferences, QStringLiteral("&Preferences..."), [&c] { c.preferences(); }));
    test->addSeparator();
    test->addAction(addCommand(C::StoredMeasurements, QStringLiteral("S&tored Measurements"), [this] {
        if (!m_seams.browseStoredMeasurements) {
            notAvailable(QStringLiteral("Browsing stored measurements"));
            return;
        }
        m_commands.storedMeasurements([this] { return m_seams.browseStoredMeasurements(this); });
    }));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(addCommand(C::MeasurementSummary, QStringLiteral("&Measurement Summary"),
                               [&c] { c.measurementSummary(); }));
    m_viewMenu = view;

    QMenu* report = menuBar()->addMenu(QStringLiteral("&Report"));
    const auto printout = [this](MenuCommand command, const QString& what) {
        return [this, command, what] {
            if (m_seams.printout)
                m_seams.printout(command, m_view);
            else
                notAvailable(what);
        };
    };
    report->addAction(addCommand(C::Report, QStringLiteral("&Report..."),
                                 printout(C::Report, QStringLiteral("Report printing"))));
    report->addAction(addCommand(C::Certificate, QStringLiteral("&Certificate..."),
                                 printout(C::Certificate, QStringLiteral("Certificate printing"))));
    report->addAction(
        addCommand(C::Export, QStringLiteral("&Export..."), printout(C::Export, QStringLiteral("Export"))));
    report->addAction(addCommand(C::CompareWith, QStringLiteral("Com&pare With..."),
                                 printout(C::CompareWith, QStringLiteral("The comparison report"))));

    MeterConnection& meter = m_seams.meter;
    QMenu* slm = menuBar()->addMenu(QStringLiteral("&SLM"));
    // The meter commands talk to the meter and wait on it: each holds the busy state while it does.
    slm->addAction(addCommand(C::SlmConnect, QStringLiteral("&Connect"), [this, &meter] {
        const BusyState::Hold talking(m_busy);
        if (meter.connect() >= 0)
            m_seams.messages.show(QStringLiteral("Connected"));
    }));
    slm->addAction(addCommand(C::SlmDisconnect, QStringLiteral("&Disconnect"), [&meter] { meter.closePort(); }));
    slm->addAction(addCommand(C::SlmCheckBattery, QStringLiteral("Check &Battery..."), [this, &meter] {
        const BusyState::Hold talking(m_busy);
        meter.checkBattery();
    }));
    slm->addAction(addCommand(C::SlmCalibration, QStringLiteral("C&alibration..."), [this] {
        const BusyState::Hold talking(m_busy);
        if (m_seams.calibration.run() != 0)
            m_seams.document.setCalibrationChecked(true);
    }));
    slm->addAction(addCommand(C::SlmTurnOff, QStringLiteral("&Turn Off SLM"), [this, &meter] {
        const BusyState::Hold talking(m_busy);
        meter.turnOff();
    }));
    slm->addSeparator();
    slm->addAction(addCommand(C::SlmSetPort, QStringLiteral("Set &Port"), [this] {
        MeterPortDialog dialog(m_seams.document.preferences(), m_seams.messages, m_seams.enumeratePorts(), this);
        dialog.exec();
    }));
    if (m_seams.answerPromptsAutomatically)
        addPromptAnsweringChoice(slm);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(addCommand(C::About, QStringLiteral("&About Orvik..."), [this] {
        AboutDialog(isProgramWideAlternate(m_seams.alternateMode), this).exec();
    }));
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommandStates);
}

// A demo teaches the prompt-and-OK rhythm of a real calibration unless the technician has chosen the fast path,
// which is remembered like any other preference.
void MainWindow::addPromptAnsweringChoice(QMenu* menu) {
    static const QString Section = QStringLiteral("Settings");
    static const QString Name = QStringLiteral("Sim Answer Prompts");
    auto* choice = new QAction(QStringLiteral("Answer prompts automatically"), this);
    choice->setCheckable(true);
    choice->setChecked(m_seams.settings.readInt(Section, Name, 0) != 0);
    connect(choice, &QAction::toggled, this, [this](bool automatic) {
        m_seams.settings.writeInt(Section, Name, automatic ? 1 : 0);
        m_seams.answerPromptsAutomatically(automatic);
    });
    m_seams.answerPromptsAutomatically(choice->isChecked());
    menu->addSeparator();
    menu->addAction(choice);
}

void MainWindow::createToolBar() {
    using C = MenuCommand;
    QToolBar* bar = addToolBar(QStringLiteral("Standard"));
    bar->setObjectName(QStringLiteral("standardToolBar"));
    bar->setMovable(false);
    // The desktop's own icons where its theme has them; the style's pictures where it has none (a bare X server).
    struct Button {
        std::optional<C> command; // none: a separator
        const char* themeIcon;
        QStyle::StandardPixmap fallback;
    };
    const Button order[] = {
        {C::NewMeasurement, "document-new", QStyle::SP_FileIcon},
        {C::StoredMeasurements, "document-open", QStyle::SP_DialogOpenButton},
        {C::Save, "document-save", QStyle::SP_DialogSaveButton},
        {std::nullopt, nullptr, {}},
        {C::Instrumentation, "preferences-system", QStyle::SP_ComputerIcon},
        {C::BoothTest, "audio-input-microphone", QStyle::SP_MediaVolume},
        {C::AudiometerTest, "audio-headphones", QStyle::SP_MediaPlay},
        {std::nullopt, nullptr, {}},
        {C::Report, "document-print", QStyle::SP_FileDialogDetailedView},
        {C::Certificate, "document-print-preview", QStyle::SP_FileDialogContentsView},
        {C::CompareWith, "edit-find", QStyle::SP_FileDialogListView},
        {std::nullopt, nullptr, {}},
        {C::About, "help-about", QStyle::SP_MessageBoxInformation},
    };
    for (const Button& button : order) {
        if (!button.command) {
            bar->addSeparator();
            continue;
        }
        QAction* action = m_actions.value(*button.command);
        action->setIcon(
            QIcon::fromTheme(QString::fromLatin1(button.themeIcon), style()->standardIcon(button.fallback)));
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        action->setToolTip(action->statusTip() +
                           (shortcut.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(shortcut)));
        bar->addAction(action);
    }
    m_viewMenu->addSeparator();
    QAction* toggleToolBar = bar->toggleViewAction();
    toggleToolBar->setText(QStringLiteral("&Toolbar"));
    m_viewMenu->addAction(toggleToolBar);
}

void MainWindow::createStatusBar() {
    m_databasePane = new QLabel(this);
    m_meterPane = new QLabel(this);
    m_viewPane = new QLabel(this);
    // Wide enough for the longest view name, so the pane does not cut it after a switch.
    m_viewPane->setMinimumWidth(m_viewPane->fontMetrics().horizontalAdvance(QStringLiteral("Instrumentation")) + 8);
    statusBar()->addPermanentWidget(m_viewPane);
    statusBar()->addPermanentWidget(m_meterPane);
    statusBar()->addPermanentWidget(m_databasePane);
    statusBar()->showMessage(QStringLiteral("Ready"));
    if (m_seams.linkStatus)
        connect(m_seams.linkStatus, &MeterLinkStatus::changed, this, &MainWindow::showLinkState);
    m_commands.onSaved = [this](bool saved) { statusBar()->showMessage(saveOutcomeText(saved)); };
    auto* toggleStatusBar = new QAction(QStringLiteral("&Status Bar"), this);
    toggleStatusBar->setCheckable(true);
    toggleStatusBar->setChecked(true);
    connect(toggleStatusBar, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
    m_viewMenu->addAction(toggleStatusBar);
}

void MainWindow::updateCommandStates() {
    MenuState state;
    state.view = m_views.current();
    state.portOpen = m_seams.meter.portOpen();
    const auto* equipment = qobject_cast<InstrumentationView*>(m_view.data());
    state.equipPageIsMicrophoneOrMastoid = equipment && equipment->showsMicrophoneOrMastoid();
    state.calibratorAndMicrophoneListed = m_seams.document.hasInstrument(RequiredInstrument::Calibrator) &&
                                          m_seams.document.hasInstrument(RequiredInstrument::Microphone);
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setEnabled(isMenuEnabled(it.key(), state));
    m_databasePane->setText(m_seams.document.hasDatabase() ? QStringLiteral("Database open")
                                                           : QStringLiteral("No database"));
    showLinkState();
    m_viewPane->setText(QString::fromLatin1(viewTitle(state.view)));
}

void MainWindow::showLinkState() {
    if (m_seams.linkStatus)
        m_meterPane->setText(m_seams.linkStatus->text());
    else
        m_meterPane->setText(m_seams.meter.portOpen() ? QStringLiteral("SLM connected")
                                                      : QStringLiteral("SLM not connected"));
}

void MainWindow::showView(ViewId view, int page) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QWidget* next = createView(view, page);
    QWidget* old = takeCentralWidget();
    setCentralWidget(next);
    m_view = next;
    delete old;
    QApplication::restoreOverrideCursor();
    // The switcher records the new view after this returns; refresh once the event loop is back.
    QMetaObject::invokeMethod(this, &MainWindow::updateCommandStates, Qt::QueuedConnection);
}

QWidget* MainWindow::createView(ViewId view, int page) {
    switch (view) {
    case ViewId::Idle:
        return new IdleView(m_seams.document, idleDemoOffer());
    case ViewId::Preferences:
        return new PreferencesView(m_context);
    case ViewId::Summary:
        return new SummaryView(m_context);
    case ViewId::TestNotes:
        return new TestNotesView(m_context);
    case ViewId::MeasurementSelection:
        return new MeasurementSelectionView(m_context);
    case ViewId::Instrumentation:
        if (m_context.instruments)
            return new InstrumentationView(m_context);
        return new PlaceholderView(m_context, QStringLiteral("Instrumentation"),
                                    QStringLiteral("No instrumentation lists are loaded."));
    case ViewId::Ambient:
        if (m_seams.createBoothView)
            return m_seams.createBoothView(m_context);
        return new PlaceholderView(m_context, QStringLiteral("Booth Test"),
                                    QStringLiteral("The booth ambient test is not available in this version yet."));
    case ViewId::TestSetup:
        return new TestSetupView(m_context);
    case ViewId::TestSheet:
        if (m_seams.createTestSheet)
            return m_seams.createTestSheet(m_context, page);
        return new PlaceholderView(m_context, QStringLiteral("Audiometer Test Sheet"),
                                    QStringLiteral("The audiometer test sheet is not available in this version yet."));
    }
    return new IdleView(m_seams.document, idleDemoOffer());
}

std::function<void()> MainWindow::idleDemoOffer() {
    if (!m_seams.addDemoInstruments)
        return {};
    return [this] {
        m_seams.addDemoInstruments();
        showView(ViewId::Idle, -1);
    };
}

void MainWindow::storeSummaryFields() {
    if (auto* summary = qobject_cast<SummaryView*>(m_view.data()))
        summary->storeFields();
}

bool MainWindow::instrumentationHasPendingChanges() const {
    const auto* equipment = qobject_cast<InstrumentationView*>(m_view.data());
    return equipment && equipment->hasPendingChanges();
}

void MainWindow::importMicMastoidSetup() {
    if (auto* equipment = qobject_cast<InstrumentationView*>(m_view.data()))
        equipment->importSetup();
    else
        m_seams.messages.show(QStringLiteral("Error getting current view."));
}

// The edits go with the view; the lists keep what was added or updated.
void MainWindow::discardInstrumentationChanges() {}

void MainWindow::restoreWindowGeometry() {
    const QString stored = m_seams.settings.readText(WindowSection, GeometryName, QString());
    if (stored.isEmpty() || !restoreGeometry(QByteArray::fromBase64(stored.toLatin1())))
        resize(1024, 700);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_commands.mayClose()) {
        event->ignore();
        return;
    }
    m_seams.settings.writeText(WindowSection, GeometryName, QString::fromLatin1(saveGeometry().toBase64()));
    event->accept();
}

} // namespace orvik
