#pragma once

#include <QDialog>

class QLineEdit;

namespace orvik {

struct TestSetup;
class MessageBox;

// "Temperature / Humidity": the ambient conditions of the test, checked before they go into the set-up.
class ConditionsDialog final : public QDialog {
    Q_OBJECT
public:
    ConditionsDialog(TestSetup& setup, MessageBox& messages, QWidget* parent = nullptr);
    void accept() override;

    QLineEdit* temperatureField() const { return m_temperature; }
    QLineEdit* humidityField() const { return m_humidity; }
    QLineEdit* pressureField() const { return m_pressure; }

private:
    TestSetup& m_setup;
    MessageBox& m_messages;
    QLineEdit* m_temperature;
    QLineEdit* m_humidity;
    QLineEdit* m_pressure;
};

} // namespace orvik
