#include "database/widgets/StoredAudiometerTestsPage.h"

namespace orvik {

namespace {
enum Field { Technician, Model, SerialNumber, Channel, FromDate, ToDate };
} // namespace

// A search text longer than the record keeps could never match, so the fields stop there.
StoredAudiometerTestsPage::StoredAudiometerTestsPage(StoredMeasurementsBrowser& browser, QWidget* parent)
    : StoredSearchPage(browser,
                       {{"Technician:", SearchField::Text, 40},
                        {"Model:", SearchField::Text, 16},
                        {"Serial Num:", SearchField::Text, 13},
                        {"Channel:", SearchField::Channel},
                        {"From Date:", SearchField::Date},
                        {"To Date:", SearchField::Date}},
                       {{"Technician", 125}, {"Model", 105}, {"Serial Num", 105}, {"Channel", 70}, {"Date", 0}},
                       parent) {}

BrowserRows StoredAudiometerTestsPage::search() {
    return browser().searchAudiometric({fieldText(Technician), fieldText(Model), fieldText(SerialNumber),
                                       fieldChoice(Channel), fieldText(FromDate), fieldText(ToDate)});
}

} // namespace orvik
