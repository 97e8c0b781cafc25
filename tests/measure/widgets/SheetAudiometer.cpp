#include "SheetAudiometer.h"

#include "SimBench.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"

#include <cstring>

namespace orvik::test {

void setUpSupraAuralAudiometer(AudiometerRecord& record) {
    TestSetup& setup = record.setup;
    selectDefaultFrequencies(setup.frequencySelected);
    const EarphoneBlock supraAural = defaultEarphoneList(false).front();
    std::memcpy(&setup.supraAural, &supraAural, sizeof supraAural);
    chooseInstruments(setup);
    for (EarphoneBlock* other : {&setup.insert, &setup.circumaural}) {
        setFixedText(other->leftSerial, QString());
        setFixedText(other->rightSerial, QString());
    }
    setFixedText(setup.technician, QStringLiteral("R. Olsen"));
}

} // namespace orvik::test
