#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace orvik {

class LinearityMeasurement;
class Measurement;
class ResultListPage;

// The inputs of a linearity page below its list: "Test Frequency:", "Max dBHL:", "Dial step:" and "Direction:".
// Each edit goes to the page, which decides what it means for the readings; the fields then show what the page
// made of it (a maximum of 150 reads back as 140).
class LinearityInputsView final : public QWidget {
    Q_OBJECT
public:
    LinearityInputsView(LinearityMeasurement& page, ResultListPage& view);

    QComboBox* testFrequency() const { return m_frequency; }
    QLineEdit* maxDialLevel() const { return m_max; }
    QComboBox* dialStep() const { return m_step; }
    QComboBox* direction() const { return m_direction; }

private:
    void frequencyChosen();
    void maxTyped();
    void showInputs();

    LinearityMeasurement& m_page;
    ResultListPage& m_view;
    QComboBox* m_frequency;
    QLineEdit* m_max;
    QComboBox* m_step;
    QComboBox* m_direction;
};

// The controls of a linearity tab, for the view's table of controls by page kind.
void addLinearityInputs(ResultListPage& view, Measurement& page);

} // namespace orvik
