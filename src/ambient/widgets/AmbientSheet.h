#pragma once

#include "ambient/AmbientRecord.h"
#include "equipment/InstrumentLists.h"

#include <QTabWidget>
#include <array>

namespace orvik {

class AmbientLevelsPage;
class AmbientLocationPage;
class BoothInstrumentPage;

// Which level pages the booth view shows.
enum class BoothDisplay : int { Ansi = 0, Osha = 1, Both = 2 };

// The booth test's pages: test information, the instruments, then the level pages of the display mode.
class AmbientSheet final : public QTabWidget {
    Q_OBJECT
public:
    explicit AmbientSheet(QWidget* parent = nullptr);

    void setInstrumentChoices(const InstrumentLists& lists);
    void load(const AmbientRecord& record);
    void store(AmbientRecord& record) const;
    bool anyModified() const;
    // Drops the level pages and makes those of the display mode anew.
    void rebuildLevels(BoothDisplay display, bool showFail, bool showNotCovered);
    // `activate`: when no level page is in front, the first one comes forward.
    void refillLevels(const AmbientRecord& record, bool activate);
    void focusTestName();

private:
    AmbientLocationPage* m_location;
    std::array<BoothInstrumentPage*, 4> m_instruments{};
    std::vector<AmbientLevelsPage*> m_levels;
};

} // namespace orvik
