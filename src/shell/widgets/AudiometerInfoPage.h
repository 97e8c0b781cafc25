#pragma once

#include "shell/widgets/SetupPage.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace orvik {

// "Audiometers": what the audiometer is, when it was calibrated, its FM tone and the channel under test.
class AudiometerInfoPage final : public SetupPage {
    Q_OBJECT
public:
    explicit AudiometerInfoPage(QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;
    void markProblems(const std::vector<SetupField>& fields) override;

private:
    struct DateFields {
        QLineEdit* year;
        QComboBox* month;
        QLineEdit* day;
    };
    DateFields makeDate();
    void offerChannels(int channelCount);

    QLineEdit* m_manufacturer;
    QLineEdit* m_model;
    QComboBox* m_type;
    QLineEdit* m_serial;
    QLineEdit* m_inventory;
    DateFields m_lastCalibrated;
    DateFields m_due;
    QDoubleSpinBox* m_fmRate;
    QDoubleSpinBox* m_fmDeviation;
    QComboBox* m_channels;
    QComboBox* m_channelToTest;
};

} // namespace orvik
