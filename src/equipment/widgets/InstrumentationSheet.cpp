#include "equipment/widgets/InstrumentationSheet.h"

#include "equipment/InstrumentationEditor.h"
#include "equipment/widgets/InstrumentInfoPage.h"
#include "equipment/widgets/InstrumentResponsePage.h"

namespace orvik {

InstrumentationSheet::InstrumentationSheet(QWidget* parent) : QTabWidget(parent) {}

void InstrumentationSheet::showKind(InstrumentKind kind, const QString& mastoidManufacturer) {
    const QStringList titles = InstrumentationEditor::pageTitles(kind, mastoidManufacturer);
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
    auto* info = new InstrumentInfoPage(kind, titles.first(), this);
    connect(info, &InstrumentInfoPage::manufacturerChosen, this, &InstrumentationSheet::mastoidManufacturerChosen);
    addPage(info);
    addResponsePages(mastoidManufacturer);
    setCurrentIndex(0);
}

void InstrumentationSheet::addResponsePages(const QString& mastoidManufacturer) {
    const QStringList titles = InstrumentationEditor::pageTitles(m_kind, mastoidManufacturer);
    if (m_kind == InstrumentKind::Microphone) {
        addPage(new InstrumentResponsePage(InstrumentResponsePage::microphoneLow(), this));
        addPage(new InstrumentResponsePage(InstrumentResponsePage::microphoneHigh(), this));
        addPage(new InstrumentResponsePage(InstrumentResponsePage::microphoneGrid(), this));
    } else if (m_kind == InstrumentKind::Mastoid) {
        for (int set = 1; set < titles.size(); ++set)
            addPage(new InstrumentResponsePage(InstrumentResponsePage::mastoid(titles[set], set), this));
    }
}

void InstrumentationSheet::addPage(InstrumentPage* page) {
    connect(page, &InstrumentPage::edited, this, &InstrumentationSheet::edited);
    connect(page, &InstrumentPage::importRequested, this, &InstrumentationSheet::importRequested);
    addTab(page, page->title());
}

void InstrumentationSheet::removePagesFrom(int index) {
    while (count() > index) {
        QWidget* old = widget(count() - 1);
        removeTab(count() - 1);
        // The page may be the sender of the click or choice that replaces it: out of the sheet now, deleted
        // once that signal has returned.
        old->setParent(nullptr);
        old->deleteLater();
    }
}

void InstrumentationSheet::load(const InstrumentEntry& entry) {
    for (int i = 0; i < count(); ++i)
        page(i)->load(entry);
}

void InstrumentationSheet::store(InstrumentEntry& entry) const {
    for (int i = 0; i < count(); ++i)
        page(i)->store(entry);
}

bool InstrumentationSheet::responsePagesModified() const {
    for (int i = 1; i < count(); ++i) {
        if (page(i)->isModified())
            return true;
    }
    return false;
}

void InstrumentationSheet::resetModified() {
    for (int i = 0; i < count(); ++i)
        page(i)->resetModified();
}

InstrumentInfoPage* InstrumentationSheet::infoPage() const {
    return qobject_cast<InstrumentInfoPage*>(widget(0));
}

InstrumentPage* InstrumentationSheet::page(int index) const {
    return qobject_cast<InstrumentPage*>(widget(index));
}

} // namespace orvik
