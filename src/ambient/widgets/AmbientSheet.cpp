#include "ambient/widgets/AmbientSheet.h"

#include "ambient/BoothLimits.h"
#include "ambient/widgets/AmbientLevelsPage.h"
#include "ambient/widgets/AmbientLocationPage.h"
#include "ambient/widgets/BoothInstrumentPage.h"

#include <algorithm>

namespace orvik {

namespace {
constexpr std::array<InstrumentKind, 4> PageKinds{InstrumentKind::SoundLevelMeter, InstrumentKind::Preamp,
                                                  InstrumentKind::Microphone, InstrumentKind::Calibrator};
const char* const PageTitles[] = {"SL Meter", "Preamp", "Mic", "Calibrator"};
} // namespace

AmbientSheet::AmbientSheet(QWidget* parent) : QTabWidget(parent), m_location(new AmbientLocationPage(this)) {
    addTab(m_location, QStringLiteral("Test Information"));
    for (std::size_t i = 0; i < PageKinds.size(); ++i) {
        m_instruments[i] = new BoothInstrumentPage(PageKinds[i], this);
        addTab(m_instruments[i], QString::fromLatin1(PageTitles[i]));
    }
}

void AmbientSheet::setInstrumentChoices(const InstrumentLists& lists) {
    for (std::size_t i = 0; i < PageKinds.size(); ++i)
        m_instruments[i]->setChoices(lists.list(PageKinds[i]));
}

void AmbientSheet::load(const AmbientRecord& record) {
    m_location->load(record);
    for (BoothInstrumentPage* page : m_instruments)
        page->load(record);
}

void AmbientSheet::store(AmbientRecord& record) const {
    m_location->store(record);
    for (BoothInstrumentPage* page : m_instruments)
        page->store(record);
}

bool AmbientSheet::anyModified() const {
    return m_location->modified() ||
           std::any_of(m_instruments.begin(), m_instruments.end(), [](auto* page) { return page->modified(); });
}

void AmbientSheet::rebuildLevels(BoothDisplay display, bool showFail, bool showNotCovered) {
    for (AmbientLevelsPage* page : m_levels)
        delete page;
    m_levels.clear();
    std::vector<int> ranges;
    if (display != BoothDisplay::Osha)
        ranges = {0, 1, 2};
    if (display != BoothDisplay::Ansi)
        ranges.push_back(OshaRange);
    for (int range : ranges) {
        m_levels.push_back(new AmbientLevelsPage(range, showFail, showNotCovered, this));
        addTab(m_levels.back(), rangeTitle(range));
    }
}

void AmbientSheet::refillLevels(const AmbientRecord& record, bool activate) {
    for (AmbientLevelsPage* page : m_levels)
        page->fill(record);
    const bool levelInFront = std::find(m_levels.begin(), m_levels.end(), currentWidget()) != m_levels.end();
    if (activate && !levelInFront && !m_levels.empty())
        setCurrentWidget(m_levels.front());
}

void AmbientSheet::focusTestName() {
    setCurrentWidget(m_location);
    m_location->focusTestName();
}

} // namespace orvik
