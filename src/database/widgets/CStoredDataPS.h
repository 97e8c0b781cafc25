#pragma once

#include "database/StoredMeasurementsBrowser.h"

#include <QDialog>

namespace orvik {

class CStoredAmbientPP;
class CStoredAudDataPP;

// "Stored Measurements": the audiometric and booth searches side by side; "Retrieve" closes the sheet with the
// selected lines, "Delete" removes them after asking.
class CStoredDataPS final : public QDialog {
    Q_OBJECT
public:
    CStoredDataPS(StoredMeasurementsBrowser& browser, QWidget* parent = nullptr);

    CStoredAudDataPP* audiometricPage() const { return m_audiometric; }
    CStoredAmbientPP* boothPage() const { return m_booth; }

    // Shows the sheet; on "Retrieve" loads the selected tests into the document and says what was loaded.
    static StoredMeasurementsBrowser::Retrieved browse(CVodudazuzuvOriDoc& document, MessageBox& messages,
                                                        QWidget* parent);

private:
    void deleteSelected();

    StoredMeasurementsBrowser& m_browser;
    CStoredAudDataPP* m_audiometric;
    CStoredAmbientPP* m_booth;
};

} // namespace orvik
