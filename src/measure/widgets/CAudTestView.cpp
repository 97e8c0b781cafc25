#include "CAudTestView.h"

#include "CAdjustHLfreqWindow.h"
#include "CConditionsDlg.h"
#include "CGridQuestionDlg.h"
#include "CMeasHLFreqPPView.h"
#include "CSaveNowDlg.h"
#include "TabChain.h"
#include "ViewContext.h"
#include "app/ShellDocument.h"
#include "app/ViewSwitcher.h"
#include "measure/CAudTestPS.h"
#include "meter/KeySimulator.h"
#include "meter/MeterSession.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvik {

// The objects that live as long as the view and only exist with a connected meter.
struct CAudTestView::Links {
    Links(MeterSession& session, const AppServices& services, AudiometerRecord& record, CAudTestPS::SaveRecord save,
          CAudTestPS::SaveNowQuestion saveNow, QWidget* dialogParent)
        : keys(*session.commander(), services.settings), link{session, keys, services, {}},
          sheet(record, link, std::move(save), std::move(saveNow)), grid(dialogParent) {}

    KeySimulator keys;
    MeterLink link;
    CAudTestPS sheet;
    CGridQuestionDlg grid;
};

CAudTestView::CAudTestView(ViewContext& context, TestSheetSeams seams, int test, QWidget* parent)
    : QWidget(parent), m_context(context), m_seams(std::move(seams)) {
    if (!m_seams.session.commander() || !m_seams.session.isOpen()) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("The K37 is not connected; the test sheet needs it."), this));
        return;
    }
    m_links = std::make_unique<Links>(
        m_seams.session, m_seams.services, m_context.document.record(), m_seams.save,
        [this] { return CSaveNowDlg(m_context.settings, this).askSave(); }, this);
    m_links->link.calibratedMicrophoneModel = m_seams.calibratedMicrophoneModel;
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
    connect(clock, &QTimer::timeout, this, &CAudTestView::showClock);
    clock->start(1000);
}

CAudTestView::~CAudTestView() = default;

void CAudTestView::placeTransducer() {
    if (m_seams.transducerOnCoupler)
        m_seams.transducerOnCoupler(m_links->sheet.transducer());
}

CAudTestPS* CAudTestView::sheet() const {
    return m_links ? &m_links->sheet : nullptr;
}

QPushButton* CAudTestView::button(const QString& text) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QPushButton* CAudTestView::addButton(const QString& text, void (CAudTestView::*handler)()) {
    auto* b = new QPushButton(text, m_buttons);
    connect(b, &QPushButton::clicked, this, handler);
    m_buttons->layout()->addWidget(b);
    return b;
}

void CAudTestView::buildLayout() {
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
    addButton(QStringLiteral("Measure All"), &CAudTestView::measureAll);
    addButton(QStringLiteral("Measure Selected"), &CAudTestView::measureSelected);
    addButton(QStringLiteral("Next Test"), &CAudTestView::nextTest);
    addButton(QStringLiteral("Adjust"), &CAudTestView::adjust);
    addButton(QStringLiteral("Humidity/Temp"), &CAudTestView::conditions);
    addButton(QStringLiteral("Save"), &CAudTestView::save);
    addButton(QStringLiteral("Ok"), &CAudTestView::ok);
    addButton(QStringLiteral("Cancel"), &CAudTestView::cancel);
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
        m_links->sheet.chooseTest(row);
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

void CAudTestView::showLists() {
    CAudTestPS& sheet = m_links->sheet;
    m_filling = true;
    m_tests->clear();
    m_tests->addItems(sheet.testNames());
    m_tests->setCurrentRow(sheet.test());
    m_transducers->clear();
    m_transducers->addItems(sheet.transducerNames());
    m_transducers->setCurrentRow(int(transducersOffered(sheet.test()).indexOf(sheet.transducer())));
    m_filling = false;
    button(QStringLiteral("Adjust"))->setVisible(sheet.adjustVisible());
    showLabels();
}

void CAudTestView::showLabels() {
    m_title->setText(m_links->sheet.title());
    m_instrument->setText(m_links->sheet.instrumentLabel());
}

void CAudTestView::showClock() {
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(sheetDateLabel(now.date()));
    m_time->setText(sheetTimeLabel(now.time()));
}

void CAudTestView::showPages() {
    if (!m_pages)
        return;
    CAudTestPS& sheet = m_links->sheet;
    m_filling = true;
    while (m_pages->count() > 0) {
        QWidget* old = m_pages->widget(0);
        m_pages->removeTab(0);
        delete old;
    }
    for (int i = 0; i < sheet.pages().size(); ++i) {
        const PageSlot& slot = sheet.pages()[i];
        if (CMeasHLFreqPP* page = sheet.measurementPage(i)) {
            auto* view = new CMeasHLFreqPPView(*page, m_pages);
            page->setGridQuestion(&m_links->grid);
            page->onRefill = [view] { view->refill(); };
            m_pages->addTab(view, slot.title);
            continue;
        }
        // Pages of tests still to come say so instead of pretending to measure.
        auto* missing = new QLabel(QStringLiteral("%1 (%2): this measurement is not available yet.")
                                       .arg(pageKindName(slot.kind), transducerName(sheet.transducer())),
                                   m_pages);
        missing->setAlignment(Qt::AlignCenter);
        m_pages->addTab(missing, slot.title);
    }
    m_pages->setCurrentIndex(sheet.activePage());
    moveToEndOfTabChain(m_buttons);
    m_filling = false;
}

void CAudTestView::recordChanged() {
    if (m_links->sheet.changed()) {
        m_context.document.setModified(true);
        m_context.document.markTestStarted();
    }
}

void CAudTestView::run(const std::function<void()>& measure) {
    // The run pumps events while it waits for the meter: no second run may start meanwhile.
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

void CAudTestView::measureAll() {
    run([this] { m_links->sheet.measureAll(); });
}

void CAudTestView::measureSelected() {
    QList<int> rows;
    if (auto* view = qobject_cast<CMeasHLFreqPPView*>(m_pages->currentWidget()))
        rows = view->selectedRows();
    run([this, rows] { m_links->sheet.measureSelected(rows); });
}

void CAudTestView::nextTest() {
    if (!m_links->sheet.nextTest()) {
        recordChanged();
        m_context.views.switchView(ViewId::Summary);
        return;
    }
    showLists();
}

void CAudTestView::adjust() {
    CAudTestPS& sheet = m_links->sheet;
    if (sheet.test() != 0) {
        // Speech has its own display, which does not exist yet; the hearing-level one would show wrong values.
        m_seams.services.messageBox.show(QStringLiteral("%1 (%2): the Adjust display is not available yet.")
                                             .arg(sheet.title(), transducerName(sheet.transducer())));
        return;
    }
    FreqIndex preselected = -1;
    auto* view = qobject_cast<CMeasHLFreqPPView*>(m_pages->currentWidget());
    if (CMeasHLFreqPP* page = sheet.measurementPage(sheet.activePage()); page && view) {
        const QList<int> rows = view->selectedRows();
        preselected = rows.isEmpty() ? -1 : page->frequencyOfRow(rows.front());
    }
    const InputLevels& levels = m_context.document.record().results.inputLevels;
    auto* window = new CAdjustHLfreqWindow(m_context.document.record(), m_links->link, sheet.transducer(),
                                           levels.hearingLevel[int(sheet.transducer())].level, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (window->start(preselected, &m_links->grid))
        window->show();
    else
        delete window;
}

void CAudTestView::conditions() {
    TestSetup& setup = m_context.document.record().setup;
    if (CConditionsDlg(setup, m_seams.services.messageBox, this).exec() != QDialog::Accepted)
        return;
    m_links->sheet.setConditions(setup.temperature, setup.humidity, setup.pressure);
    recordChanged();
    showLabels();
}

void CAudTestView::save() {
    if (m_links->sheet.save())
        m_context.document.setModified(false);
}

void CAudTestView::ok() {
    m_links->sheet.ok();
    if (!m_links->sheet.changed())
        m_context.document.setModified(false);
    m_context.views.switchView(ViewId::Summary);
}

void CAudTestView::cancel() {
    // The results stay in the record (unsaved): leaving the sheet never throws measurements away.
    m_links->sheet.takeDataBack();
    recordChanged();
    m_context.views.switchView(ViewId::Summary);
}

} // namespace orvik
