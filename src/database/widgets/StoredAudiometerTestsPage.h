#pragma once

#include "database/widgets/StoredSearchPage.h"

namespace orvik {

// "Audiometric Measurements": the stored audiometer tests, searched by technician, model, serial number,
// channel and date.
class StoredAudiometerTestsPage final : public StoredSearchPage {
    Q_OBJECT
public:
    StoredAudiometerTestsPage(StoredMeasurementsBrowser& browser, QWidget* parent = nullptr);

private:
    BrowserRows search() override;
};

} // namespace orvik
