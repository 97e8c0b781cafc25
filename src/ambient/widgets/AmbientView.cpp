#include "ambient/widgets/AmbientView.h"

#include "ambient/widgets/AmbientSheet.h"
#include "core/Settings.h"
#include "database/DocumentBoothStore.h"
#include "meter/KeySimulator.h"
#include "shell/ViewSwitcher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
// A stored test lists only the instruments it was measured with: another choice would rewrite its history.
InstrumentLists instrumentsOf(const AmbientRecord& record) {
    InstrumentLists lists;
    const auto add = [&lists](InstrumentKind kind, const void* field, std::size_t size) {
        lists.list(kind).push_back(fromEmbedded(kind, field, size));
    };
    add(InstrumentKind::Calibrator, &record.calibrator, sizeof record.calibrator);
    add(InstrumentKind::Microphone, &record.microphone, sizeof record.microphone);
    add(InstrumentKind::SoundLevelMeter, &record.soundLevelMeter, sizeof record.soundLevelMeter);
    add(InstrumentKind::Preamp, &record.preamp, sizeof record.preamp);
    return lists;
}
} // namespace

AmbientView::AmbientView(ViewContext& context, BoothViewSeams seams, QWidget* parent)
    : QWidget(parent), m_context(context), m_seams(std::move(seams)),
      m_store(std::make_unique<DocumentBoothStore>(m_seams.document)), m_sheet(new AmbientSheet(this)) {
    Document& document = m_seams.document;
    m_test = std::make_unique<AmbientTest>(*m_store, document.instruments(), m_seams.services);
    m_test->storePages = [this](AmbientRecord& record) { m_sheet->store(record); };
    m_test->pagesModified = [this] { return m_sheet->anyModified(); };
    m_test->refillLevels = [this](bool activate) { m_sheet->refillLevels(m_test->working(), activate); };
    m_test->focusTestName = [this] { m_sheet->focusTestName(); };
    buildLayout();
    m_sheet->setInstrumentChoices(document.ambientFromDatabase() ? instrumentsOf(document.ambientRecord())
                                                                 : document.instruments());
    m_sheet->load(m_test->working());
    rebuildLevels();
    if (m_seams.microphoneInBooth)
        m_seams.microphoneInBooth(true);
}

AmbientView::~AmbientView() {
    SettingsStore& settings = m_seams.services.settings;
    Setting::AmbShowPage.write(settings, m_display->checkedId());
    Setting::AmbShowFail.write(settings, m_showFail->isChecked() ? 1 : 0);
    if (m_seams.microphoneInBooth)
        m_seams.microphoneInBooth(false);
}

void AmbientView::buildLayout() {
    SettingsStore& settings = m_seams.services.settings;
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Booth Ambient Levels Measurement"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold"));
    layout->addWidget(title);
    auto* row = new QHBoxLayout;
    m_display = new QButtonGroup(this);
    const char* const modes[] = {"Show ANSI", "Show OSHA", "Show Both"};
    for (int mode = 0; mode < 3; ++mode) {
        auto* button = new QRadioButton(QString::fromLatin1(modes[mode]), this);
        m_display->addButton(button, mode);
        row->addWidget(button);
    }
    const int mode = Setting::AmbShowPage.read(settings);
    m_display->button(mode >= 0 && mode <= 2 ? mode : 0)->setChecked(true);
    m_showFail = new QCheckBox(QStringLiteral("Show Fail"), this);
    m_showFail->setChecked(Setting::AmbShowFail.read(settings) != 0);
    row->addWidget(m_showFail);
    row->addStretch();
    const auto addButton = [this, row](const char* text, void (AmbientView::*slot)()) {
        auto* button = new QPushButton(QString::fromLatin1(text), this);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
    };
    addButton("Measure All", &AmbientView::measureAll);
    addButton("Save", &AmbientView::save);
    addButton("Ok", &AmbientView::ok);
    addButton("Cancel", &AmbientView::cancel);
    layout->addLayout(row);
    layout->addWidget(m_sheet, 1);
    connect(m_display, &QButtonGroup::idClicked, this, &AmbientView::rebuildLevels);
    connect(m_showFail, &QCheckBox::toggled, this, &AmbientView::rebuildLevels);
}

int AmbientView::displayMode() const {
    return m_display->checkedId();
}

bool AmbientView::showFail() const {
    return m_showFail->isChecked();
}

void AmbientView::rebuildLevels() {
    m_sheet->rebuildLevels(BoothDisplay(m_display->checkedId()), m_showFail->isChecked(),
                           Setting::DisplayEarsNotCovered.read(m_seams.services.settings) != 0);
    m_sheet->refillLevels(m_test->working(), false);
}

bool AmbientView::ensureLink() {
    MeterSession& session = m_seams.session;
    if ((!session.commander() || !session.isOpen()) && !(m_seams.connectMeter && m_seams.connectMeter()))
        return false;
    if (!session.commander())
        return false;
    if (!m_link) {
        m_keys = std::make_unique<KeySimulator>(*session.commander(), m_seams.services.settings);
        m_link = std::make_unique<MeterLink>(MeterLink{session, *m_keys, m_seams.services, {}});
    }
    return true;
}

// The run pumps events while it waits for the meter: the window refuses whatever would delete this view under it.
void AmbientView::measureAll() {
    BusyState& busy = m_context.views.busy();
    if (busy.refuse(m_context.messages) || !ensureLink())
        return;
    const BusyState::Hold running(busy);
    setEnabled(false);
    m_test->measureAll(*m_link);
    setEnabled(true);
}

void AmbientView::save() {
    m_test->save();
}

void AmbientView::ok() {
    if (m_test->save() == AmbientTest::SaveOutcome::NameRefused)
        return;
    m_context.views.goBack();
}

void AmbientView::cancel() {
    m_test->cancel();
    m_context.views.goBack();
}

} // namespace orvik
