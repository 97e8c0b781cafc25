#pragma once

#include "database/widgets/StoredSearchPage.h"

namespace orvik {

// "Booth Test Data": the stored booth tests, searched by customer, booth and date.
class StoredBoothTestsPage final : public StoredSearchPage {
    Q_OBJECT
public:
    StoredBoothTestsPage(StoredMeasurementsBrowser& browser, QWidget* parent = nullptr);

private:
    BrowserRows search() override;
};

} // namespace orvik
