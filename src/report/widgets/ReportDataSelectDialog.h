#pragma once

#include "report/AudiometerReport.h"

#include <QDialog>

class QCheckBox;

namespace orvik {

// "Select Data for Report": the tests the audiometer report lists and whether it marks non-standard RETSPL.
class ReportDataSelectDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ReportDataSelectDialog(QWidget* parent = nullptr);
    AudiometerReportOptions options() const;

private:
    void setAll(bool checked);

    QList<QCheckBox*> m_tests;
    QCheckBox* m_retspl;
};

} // namespace orvik
