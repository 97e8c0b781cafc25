#include "database/widgets/StoredBoothTestsPage.h"

namespace orvik {

namespace {
enum Field { Customer, Booth, FromDate, ToDate };
} // namespace

// Customer and booth names are kept to 40 characters in the booth record.
StoredBoothTestsPage::StoredBoothTestsPage(StoredMeasurementsBrowser& browser, QWidget* parent)
    : StoredSearchPage(browser,
                       {{"Customer:", SearchField::Text, 40},
                        {"Booth Name:", SearchField::Text, 40},
                        {"From Date:", SearchField::Date},
                        {"To Date:", SearchField::Date}},
                       {{"Test Name", 130}, {"Customer", 130}, {"Booth", 130}, {"Date", 0}}, parent) {}

BrowserRows StoredBoothTestsPage::search() {
    return browser().searchBooths({fieldText(Customer), fieldText(Booth), fieldText(FromDate), fieldText(ToDate)});
}

} // namespace orvik
