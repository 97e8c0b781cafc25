#pragma once

#include "StoredSearchPage.h"

namespace orvik {

// "Audiometric Measurements": the stored audiometer tests, searched by technician, model, serial number,
// channel and date.
class CStoredAudDataPP final : public StoredSearchPage {
    Q_OBJECT
public:
    CStoredAudDataPP(StoredMeasurementsBrowser& browser, QWidget* parent = nullptr);

private:
    std::vector<BrowserRow> search() override;
};

} // namespace orvik
