#pragma once

#include "equipment/widgets/InstrumentPage.h"

class QComboBox;
class QLabel;

namespace orvik {

// The first page of every kind: identity, calibration due date and the kind's main values (calibrator
// frequency and output level; microphone or mastoid sensitivity with "Import Data"). A mastoid's manufacturer
// is a choice that decides whether the sensitivity can be entered and whether "Import Data" is offered.
class InstrumentInfoPage final : public InstrumentPage {
    Q_OBJECT
public:
    InstrumentInfoPage(InstrumentKind kind, const QString& title, QWidget* parent = nullptr);

    void load(const InstrumentEntry& entry) override;
    void store(InstrumentEntry& entry) const override;

    QLineEdit* serialField() const { return m_serial; }
    QComboBox* manufacturerChoice() const { return m_manufacturerChoice; }

    static const QStringList& mastoidManufacturers();

Q_SIGNALS:
    // The technician picked another mastoid manufacturer; the sheet decides whether it stands.
    void manufacturerChosen(const QString& manufacturer);

private:
    void showMastoidManufacturer(const QString& manufacturer);

    InstrumentKind m_kind;
    QLineEdit* m_manufacturer = nullptr; // every kind but the mastoid
    QComboBox* m_manufacturerChoice = nullptr;
    QLineEdit* m_model;
    QLineEdit* m_serial;
    QLineEdit* m_year;
    QComboBox* m_month;
    QLineEdit* m_day;
    QLineEdit* m_value1 = nullptr; // calibrator frequency, microphone or mastoid sensitivity
    QLineEdit* m_value2 = nullptr; // calibrator output level
    QPushButton* m_import = nullptr;
};

} // namespace orvik
