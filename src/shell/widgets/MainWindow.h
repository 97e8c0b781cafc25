#pragma once

#include "shell/MenuCommand.h"
#include "shell/MeterLinkStatus.h"
#include "shell/ShellCommands.h"
#include "shell/ShellSeams.h"
#include "shell/ViewContext.h"
#include "shell/ViewSwitcher.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;

namespace orvik {

class InstrumentationView;

// The main window: menu, tool bar, status bar and the one client view. Commands are forwarded to the
// shell's logic; the window only builds the views it is told to show.
class MainWindow final : public QMainWindow, public ViewHost {
    Q_OBJECT
public:
    struct Seams {
        ShellDocument& document;
        MessageBox& messages;
        MeterConnection& meter;
        CalibrationCheck& calibration;
        SettingsStore& settings;
        std::function<QList<SerialPortInfo>()> enumeratePorts;
        AlternateModeKind alternateMode = AlternateModeKind::Off;
        QString titleSuffix = {}; // e.g. " - Simulated K37"
        // Seeds empty instrumentation lists with the simulated bench; only when simulating.
        std::function<void()> addDemoInstruments = {};
        InstrumentLists* instruments = nullptr;
        std::function<std::vector<EarphoneBlock>()> earphones = {};
        // Defaults to the "Earphone - Coupler Incompatible" dialog.
        std::function<bool(const QString&, bool&)> askIncompatible = {};
        std::function<void()> writeInstruments = {};
        std::function<void()> reloadInstruments = {};
        // Builds the test sheet for a test (-1: the first); without it the window says the sheet is missing.
        std::function<QWidget*(ViewContext&, int)> createTestSheet = {};
        // Builds the booth test; without it the window says the booth test is missing.
        std::function<QWidget*(ViewContext&)> createBoothView = {};
        // Shows the "Stored Measurements" sheet over this window and loads what the technician retrieves.
        std::function<ShellCommands::Retrieved(QWidget*)> browseStoredMeasurements = {};
        // Only in a simulated session: whether the simulated technician answers set-up prompts unseen. Told the
        // remembered choice when the window opens and every change of "Answer prompts automatically".
        std::function<void(bool)> answerPromptsAutomatically = {};
        // The meter link's state for the status bar; without it the bar says whether the port is open.
        MeterLinkStatus* linkStatus = nullptr;
        // "Report...", "Certificate...", "Export..." and "Compare With..." for the view in front; without it the
        // window says they are missing.
        std::function<void(MenuCommand, QWidget*)> printout = {};
    };

    explicit MainWindow(Seams seams, QWidget* parent = nullptr);
    ~MainWindow() override;

    ViewSwitcher& views() { return m_views; }
    ShellCommands& commands() { return m_commands; }
    QAction* action(MenuCommand command) const { return m_actions.value(command); }
    QWidget* currentView() const { return m_view; }
    // Re-applies the enabling rules to menu and tool bar; the window calls it after every command.
    void updateCommandStates();

    void showView(ViewId view, int page) override;
    void storeSummaryFields() override;
    bool instrumentationHasPendingChanges() const override;
    void discardInstrumentationChanges() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(MenuCommand command, const QString& text, std::function<void()> handler,
                        const QKeySequence& shortcut = {});
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void showLinkState();
    QWidget* createView(ViewId view, int page);
    void notAvailable(const QString& what);
    void importMicMastoidSetup();
    void addPromptAnsweringChoice(QMenu* menu);
    std::function<void()> idleDemoOffer();
    void restoreWindowGeometry();

    Seams m_seams;
    BusyState m_busy;
    ViewSwitcher m_views;
    ShellCommands m_commands;
    ViewContext m_context;
    QHash<MenuCommand, QAction*> m_actions;
    QPointer<QWidget> m_view;
    QLabel* m_databasePane = nullptr;
    QLabel* m_meterPane = nullptr;
    QLabel* m_viewPane = nullptr;
    QMenu* m_viewMenu = nullptr;
};

} // namespace orvik
