#pragma once

#include "shell/ViewContext.h"

#include <QWidget>

class QCheckBox;

namespace orvik {

// "Select Measurements to be performed": which tests run for which transducer.
class MeasurementSelectionView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rows = 12;
    static constexpr int Columns = 5;

    explicit MeasurementSelectionView(ViewContext& context, QWidget* parent = nullptr);
    QCheckBox* box(int row, int column) const { return m_boxes[row * Columns + column]; }

private:
    void setAll(bool on);

    ViewContext& m_context;
    QList<QCheckBox*> m_boxes;
};

} // namespace orvik
