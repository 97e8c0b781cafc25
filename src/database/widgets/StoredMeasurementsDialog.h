#pragma once

#include "database/StoredMeasurementsBrowser.h"

#include <QDialog>

namespace orvik {

class StoredBoothTestsPage;
class StoredAudiometerTestsPage;

// "Stored Measurements": the audiometric and booth searches side by side; "Retrieve" closes the sheet with the
// selected lines, "Delete" removes them after asking.
class StoredMeasurementsDialog final : public QDialog {
    Q_OBJECT
public:
    StoredMeasurementsDialog(StoredMeasurementsBrowser& browser, QWidget* parent = nullptr);

    StoredAudiometerTestsPage* audiometricPage() const { return m_audiometric; }
    StoredBoothTestsPage* boothPage() const { return m_booth; }

    // Shows the sheet; on "Retrieve" loads the selected tests into the document and says what was loaded.
    static StoredMeasurementsBrowser::Retrieved browse(Document& document, MessageBox& messages,
                                                        QWidget* parent);

private:
    void deleteSelected();

    StoredMeasurementsBrowser& m_browser;
    StoredAudiometerTestsPage* m_audiometric;
    StoredBoothTestsPage* m_booth;
};

} // namespace orvik
