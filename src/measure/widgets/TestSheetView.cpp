#include "measure/widgets/TestSheetView.h"

#include "core/widgets/TabChain.h"
#include "measure/SpeechMeasurement.h"
#include "measure/TestSheetController.h"
#include "measure/ToneMeasurement.h"
#include "measure/widgets/AdjustLevelDialog.h"
#include "measure/widgets/DialLevelsPage.h"
#include "measure/widgets/GridQuestionBox.h"
#include "measure/widgets/SaveNowDialog.h"
#include "measure/widgets/SpeechAdjustDialog.h"
#include "measure/widgets/ResultListPage.h"
#include "meter/KeySimulator.h"
#include "meter/MeterSession.h"
#include "model/widgets/ConditionsDialog.h"
#include "shell/ShellCommands.h"
#include "shell/ShellDocument.h"
#include "shell/ViewContext.h"
#include "shell/ViewSwitcher.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvik {

// The objects that live as long as the view and only exist with a connected meter.
struct TestSheetView::Links {
    Links(MeterSession& session, const AppServices& services, AudiometerRecord& record,
          TestSheetController::SaveRecord save, TestSheetController::SaveNowQuestion saveNow, QWidget* dialogParent)
        : keys(*session.commander(), services.settings), link{session, keys, services, {}},
          sheet(record, link, std::move(save), std::move(saveNow)), grid(dialogParent) {}

    KeySimulator keys;
    MeterLink link;
    TestSheetController sheet;
    GridQuestionBox grid;
};

TestSheetView::TestSheetView(ViewContext& context, TestSheetSeams seams, int test, QWidget* parent)
    : QWidget(parent), m_context(context), m_seams(std::move(seams)) {
    if (!m_seams.session.commander() || !m_seams.session.isOpen()) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(meterNotConnectedText(), this));
        return;
    }
    m_links = std::make_unique<Links>(
        m_seams.session, m_seams.services, m_context.document.record(), m_seams.save,
        [this] { return SaveNowDialog(m_context.settings, this).askSave(); }, this);
    m_links->link.calibratedMicrophoneModel = m_seams.calibratedMicrophoneModel;
    m_links->link.alternateMode = m_context.alternateModeKind;
    m_links->sheet.conditions = m_seams.conditions;
    m_links->sheet.conditions.ask = [this](TestSetup& setup) {
        return ConditionsDialog(setup, m_seams.services.messageBox, this).exec() == QDialog::Accepted;
    };
    m_links->sheet.onPagesChanged = [this] {
        placeTransducer();
        showPages();
    };
    buildLayout();
    if (test > 0)
        m_links->sheet.chooseTest(test);
    showLists();
    placeTransducer();
    showPages();
    showClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &TestSheetView::showClock);
    clock->start(1000);
}

TestSheetView::~TestSheetView() = default;

void TestSheetView::placeTransducer() {
    if (m_seams.transducerOnCoupler)
        m_seams.transducerOnCoupler(m_links->sheet.transducer());
}

TestSheetController* TestSheetView::sheet() const {
    return m_links ? &m_links->sheet : nullptr;
}

QPushButton* TestSheetView::button(const QString& text) const {
    // The sheet's own buttons only: a page has buttons of the same names (the input-level tabs' "Save").
    for (QPushButton* b : m_buttons->findChildren<QPushButton*>())
        if (QString(b->text()).remove(u'&') == text)
            return b;
    return nullptr;
}

QPushButton* TestSheetView::addButton(const QString& text, void (TestSheetView::*handler)()) {
    auto* b = new QPushButton(text, m_buttons);
    // A button hidden for some tests keeps its place, so the ones below it stay where the hand expects them.
    QSizePolicy policy = b->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    b->setSizePolicy(policy);
    connect(b, &QPushButton::clicked, this, handler);
    m_buttons->layout()->addWidget(b);
    return b;
}

void TestSheetView::buildLayout() {
    m_tests = new QListWidget(this);
    m_transducers = new QListWidget(this);
    m_pages = new QTabWidget(this);
    m_title = new QLabel(this);
    m_instrument = new QLabel(this);
    m_instrument->setWordWrap(true);
    m_instrument->setToolTip(QStringLiteral("Transducer, coupler, mic info"));
    m_date = new QLabel(this);
    m_time = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    auto* lists = new QVBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("Measurements"), this));
    lists->addWidget(m_tests, 3);
    lists->addWidget(new QLabel(QStringLiteral("Transducers"), this));
    lists->addWidget(m_transducers, 2);

    m_buttons = new QWidget(this);
    new QVBoxLayout(m_buttons);
    addButton(QStringLiteral("&Measure All"), &TestSheetView::measureAll);
    addButton(QStringLiteral("Measure &Selected"), &TestSheetView::measureSelected);
    addButton(QStringLiteral("&Next Test"), &TestSheetView::nextTest);
    addButton(QStringLiteral("&Adjust"), &TestSheetView::adjust);
    addButton(QStringLiteral("&Humidity/Temp"), &TestSheetView::conditions);
    addButton(QStringLiteral("Sa&ve"), &TestSheetView::save);
    addButton(QStringLiteral("&Ok"), &TestSheetView::ok);
    addButton(QStringLiteral("&Cancel"), &TestSheetView::cancel);
    static_cast<QVBoxLayout*>(m_buttons->layout())->addStretch();

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_title, 1);
    heading->addWidget(m_date);
    heading->addWidget(m_time);

    auto* centre = new QVBoxLayout;
    centre->addLayout(heading);
    centre->addWidget(m_instrument);
    centre->addWidget(m_pages, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(centre, 1);
    layout->addWidget(m_buttons);

    connect(m_tests, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0 || row == m_links->sheet.test())
            return;
        // A test change sets the meter's mode, which talks to the meter.
        // Refused or done, the lists show the test in force.
        busy().run(m_context.messages, [this, row] { m_links->sheet.chooseTest(row); });
        showLists();
    });
    connect(m_transducers, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling || row < 0)
            return;
        m_links->sheet.chooseTransducer(row);
        showLabels();
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_filling)
            m_links->sheet.setActivePage(index);
    });
}

void TestSheetView::showLists() {
    TestSheetController& sheet = m_links->sheet;
    m_filling = true;
    m_tests->clear();
    m_tests->addItems(sheet.testNames());
    m_tests->setCurrentRow(sheet.test());
    m_transducers->clear();
    m_transducers->addItems(sheet.transducerNames());
    markTransducersOutsideSetup();
    m_transducers->setCurrentRow(int(sheet.transducersListed().indexOf(sheet.transducer())));
    m_filling = false;
    button(QStringLiteral("Adjust"))->setVisible(sheet.adjustVisible());
    showLabels();
}

// A transducer the set-up does not use stays in the list, so that positions keep their meaning, but it is
// greyed and says why, so the technician does not measure an earphone the audiometer was not set up with.
void TestSheetView::markTransducersOutsideSetup() {
    const QList<TransducerKind> listed = m_links->sheet.transducersListed();
    for (int row = 0; row < m_transducers->count() && row < listed.size(); ++row) {
        if (m_links->sheet.transducerInSetup(listed[row]))
            continue;
        QListWidgetItem* item = m_transducers->item(row);
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        item->setToolTip(QStringLiteral("Not in this audiometer's set-up"));
    }
}

void TestSheetView::showLabels() {
    m_title->setText(m_links->sheet.title());
    m_instrument->setText(m_links->sheet.instrumentLabel());
}

void TestSheetView::showClock() {
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(sheetDateLabel(now.date()));
    m_time->setText(sheetTimeLabel(now.time()));
}

void TestSheetView::showPages() {
    if (!m_pages)
        return;
    TestSheetController& sheet = m_links->sheet;
    m_filling = true;
    while (m_pages->count() > 0) {
        QWidget* old = m_pages->widget(0);
        m_pages->removeTab(0);
        delete old;
    }
    for (int i = 0; i < sheet.pages().size(); ++i) {
        const PageSlot& slot = sheet.pages()[i];
        if (Measurement* page = sheet.measurementPage(i)) {
            ResultListPage* view = makePageView(slot.kind, *page, m_pages);
            page->setGridQuestion(&m_links->grid);
            page->onRefill = [view] { view->refill(); };
            m_pages->addTab(view, slot.title);
            continue;
        }
        if (DialLevelEditor* levels = sheet.dialLevelPage(i)) {
            m_pages->addTab(new DialLevelsPage(*levels, m_pages), slot.title);
            continue;
        }
        // Pages of tests still to come say so instead of pretending to measure.
        // A measuring page says which test it is for: one page kind serves more than one test.
        auto* missing = new QLabel(
            QStringLiteral("%1 (%2): this measurement is not available yet.")
                .arg(slot.measures() ? sheet.title() : pageKindName(slot.kind), transducerName(sheet.transducer())),
            m_pages);
        missing->setAlignment(Qt::AlignCenter);
        m_pages->addTab(missing, slot.title);
    }
    m_pages->setCurrentIndex(sheet.activePage());
    moveToEndOfTabChain(m_buttons);
    m_filling = false;
}

void TestSheetView::recordChanged() {
    if (m_links->sheet.changed()) {
        m_context.document.setModified(true);
        m_context.document.markTestStarted();
    }
}

BusyState& TestSheetView::busy() {
    return m_context.views.busy();
}

void TestSheetView::run(const std::function<void()>& measure) {
    // The run pumps events while it waits for the meter: no second run may start meanwhile, and the window
    // refuses whatever would delete this view under it.
    if (busy().refuse(m_context.messages))
        return;
    const BusyState::Hold running(busy());
    m_buttons->setEnabled(false);
    m_tests->setEnabled(false);
    m_transducers->setEnabled(false);
    measure();
    m_buttons->setEnabled(true);
    m_tests->setEnabled(true);
    m_transducers->setEnabled(true);
    m_filling = true;
    m_pages->setCurrentIndex(m_links->sheet.activePage());
    m_filling = false;
    recordChanged();
}

void TestSheetView::measureAll() {
    run([this] { m_links->sheet.measureAll(); });
}

void TestSheetView::measureSelected() {
    QList<int> rows;
    if (auto* view = qobject_cast<ResultListPage*>(m_pages->currentWidget()))
        rows = view->selectedRows();
    run([this, rows] { m_links->sheet.measureSelected(rows); });
}

void TestSheetView::nextTest() {
    bool more = true;
    if (!busy().run(m_context.messages, [this, &more] { more = m_links->sheet.nextTest(); }))
        return;
    if (!more) {
        recordChanged();
        m_context.views.switchView(ViewId::Summary);
        return;
    }
    showLists();
}

void TestSheetView::adjust() {
    TestSheetController& sheet = m_links->sheet;
    if (sheet.test() == int(TestNumber::Speech)) {
        adjustSpeech();
        return;
    }
    FreqIndex preselected = -1;
    auto* view = qobject_cast<ResultListPage*>(m_pages->currentWidget());
    // Adjust is offered on hearing-level pages only, which are tone pages.
    if (auto* page = dynamic_cast<ToneMeasurement*>(sheet.measurementPage(sheet.activePage())); page && view) {
        const QList<int> rows = view->selectedRows();
        preselected = rows.isEmpty() ? -1 : page->frequencyOfRow(rows.front());
    }
    TestSetup& setup = m_context.document.record().setup;
    if (askAdjustConditions(sheet.conditions, setup)) {
        sheet.setConditions(setup.temperature, setup.humidity, setup.pressure);
        recordChanged();
        showLabels();
    }
    const InputLevels& levels = m_context.document.record().results.inputLevels;
    auto* window = new AdjustLevelDialog(m_context.document.record(), m_links->link, sheet.transducer(),
                                         levels.hearingLevel[int(sheet.transducer())].level, busy(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    bool started = false;
    busy().run(m_context.messages, [&] { started = window->start(preselected, &m_links->grid); });
    if (started)
        window->show();
    else
        delete window;
}

void TestSheetView::adjustSpeech() {
    TestSheetController& sheet = m_links->sheet;
    // The display measures against the reference of the page in view (its placement or angle).
    auto* page = dynamic_cast<SpeechMeasurement*>(sheet.measurementPage(sheet.activePage()));
    if (!page)
        page = dynamic_cast<SpeechMeasurement*>(sheet.measurementPage(0));
    if (!page)
        return;
    auto* window = new SpeechAdjustDialog(m_context.document.record(), m_links->link, sheet.transducer(),
                                          page->reference().level, busy(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    bool started = false;
    busy().run(m_context.messages, [&] { started = window->start(); });
    if (started)
        window->show();
    else
        delete window;
}

void TestSheetView::conditions() {
    TestSetup& setup = m_context.document.record().setup;
    if (ConditionsDialog(setup, m_seams.services.messageBox, this).exec() != QDialog::Accepted)
        return;
    m_links->sheet.setConditions(setup.temperature, setup.humidity, setup.pressure);
    recordChanged();
    showLabels();
}

void TestSheetView::save() {
    if (busy().refuse(m_context.messages))
        return;
    const bool saved = m_links->sheet.save();
    if (saved)
        m_context.document.setModified(false);
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
        frame->statusBar()->showMessage(saveOutcomeText(saved));
}

void TestSheetView::ok() {
    if (busy().refuse(m_context.messages))
        return;
    m_links->sheet.ok();
    if (!m_links->sheet.changed())
        m_context.document.setModified(false);
    m_context.views.switchView(ViewId::Summary);
}

void TestSheetView::cancel() {
    if (busy().refuse(m_context.messages))
        return;
    // The results stay in the record (unsaved): leaving the sheet never throws measurements away.
    m_links->sheet.takeDataBack();
    recordChanged();
    m_context.views.switchView(ViewId::Summary);
}

} // namespace orvik
