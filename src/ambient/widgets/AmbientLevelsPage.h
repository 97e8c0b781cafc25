#pragma once

#include "ambient/AmbientRecord.h"

#include <QWidget>

class QTreeWidget;

namespace orvik {

// The judged levels of one range (0..2 ANSI, 3 OSHA): a row a band, marked when it exceeds a limit.
class AmbientLevelsPage final : public QWidget {
    Q_OBJECT
public:
    AmbientLevelsPage(int range, bool showFail, bool showNotCovered, QWidget* parent = nullptr);
    void fill(const AmbientRecord& record);
    QTreeWidget* list() const { return m_list; }

private:
    int m_range;
    bool m_showFail;
    bool m_showNotCovered;
    QTreeWidget* m_list;
};

} // namespace orvik
