#include "CEquipListsPS.h"

#include "CEquipInfoPP.h"
#include "CEquipResponsePP.h"
#include "equipment/EquipListsEditor.h"

namespace orvik {

CEquipListsPS::CEquipListsPS(QWidget* parent) : QTabWidget(parent) {}

void CEquipListsPS::showKind(InstrumentKind kind, const QString& mastoidManufacturer) {
    const QStringList titles = EquipListsEditor::pageTitles(kind, mastoidManufacturer);
    if (m_shown && kind == m_kind) {
        if (kind == InstrumentKind::Mastoid && page(1)->title() != titles.value(1)) {
            removePagesFrom(1);
            addResponsePages(mastoidManufacturer);
        }
        return;
    }
    removePagesFrom(0);
    m_kind = kind;
    m_shown = true;
    auto* info = new CEquipInfoPP(kind, titles.first(), this);
    connect(info, &CEquipInfoPP::manufacturerChosen, this, &CEquipListsPS::mastoidManufacturerChosen);
    addPage(info);
    addResponsePages(mastoidManufacturer);
    setCurrentIndex(0);
}

void CEquipListsPS::addResponsePages(const QString& mastoidManufacturer) {
    const QStringList titles = EquipListsEditor::pageTitles(m_kind, mastoidManufacturer);
    if (m_kind == InstrumentKind::Microphone) {
        addPage(new CEquipResponsePP(CEquipResponsePP::microphoneLow(), this));
        addPage(new CEquipResponsePP(CEquipResponsePP::microphoneHigh(), this));
        addPage(new CEquipResponsePP(CEquipResponsePP::microphoneGrid(), this));
    } else if (m_kind == InstrumentKind::Mastoid) {
        for (int set = 1; set < titles.size(); ++set)
            addPage(new CEquipResponsePP(CEquipResponsePP::mastoid(titles[set], set), this));
    }
}

void CEquipListsPS::addPage(CEquipPage* page) {
    connect(page, &CEquipPage::edited, this, &CEquipListsPS::edited);
    connect(page, &CEquipPage::importRequested, this, &CEquipListsPS::importRequested);
    addTab(page, page->title());
}

void CEquipListsPS::removePagesFrom(int index) {
    while (count() > index) {
        QWidget* old = widget(count() - 1);
        removeTab(count() - 1);
        // The page may be the sender of the click or choice that replaces it: out of the sheet now, deleted
        // once that signal has returned.
        old->setParent(nullptr);
        old->deleteLater();
    }
}

void CEquipListsPS::load(const InstrumentEntry& entry) {
    for (int i = 0; i < count(); ++i)
        page(i)->load(entry);
}

void CEquipListsPS::store(InstrumentEntry& entry) const {
    for (int i = 0; i < count(); ++i)
        page(i)->store(entry);
}

bool CEquipListsPS::responsePagesModified() const {
    for (int i = 1; i < count(); ++i) {
        if (page(i)->isModified())
            return true;
    }
    return false;
}

void CEquipListsPS::resetModified() {
    for (int i = 0; i < count(); ++i)
        page(i)->resetModified();
}

CEquipInfoPP* CEquipListsPS::infoPage() const {
    return qobject_cast<CEquipInfoPP*>(widget(0));
}

CEquipPage* CEquipListsPS::page(int index) const {
    return qobject_cast<CEquipPage*>(widget(index));
}

} // namespace orvik
