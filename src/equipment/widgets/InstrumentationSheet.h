#pragma once

#include "equipment/InstrumentEntry.h"

#include <QTabWidget>

namespace orvik {

class InstrumentInfoPage;
class InstrumentPage;

// The instrumentation view's sheet: the pages of the current kind as tabs. A mastoid's response pages follow
// its manufacturer (one "Sensitivity" page, or one page per coupler).
class InstrumentationSheet final : public QTabWidget {
    Q_OBJECT
public:
    explicit InstrumentationSheet(QWidget* parent = nullptr);

    // Shows the pages of a kind; with the kind already shown only pages that change are replaced, and the
    // first page is activated only on a change of kind.
    void showKind(InstrumentKind kind, const QString& mastoidManufacturer);
    InstrumentKind kind() const { return m_kind; }

    void load(const InstrumentEntry& entry);
    void store(InstrumentEntry& entry) const;
    bool responsePagesModified() const;
    void resetModified();

    InstrumentInfoPage* infoPage() const;
    InstrumentPage* page(int index) const;

Q_SIGNALS:
    void edited();
    void importRequested(int responseSet);
    void mastoidManufacturerChosen(const QString& manufacturer);

private:
    void addPage(InstrumentPage* page);
    void removePagesFrom(int index);
    void addResponsePages(const QString& mastoidManufacturer);

    InstrumentKind m_kind = InstrumentKind::SoundLevelMeter;
    bool m_shown = false;
};

} // namespace orvik
