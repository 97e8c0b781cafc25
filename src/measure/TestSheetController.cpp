#include "measure/TestSheetController.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/PageFactory.h"
#include "model/Coupler.h"
#include "model/FixedText.h"
#include "model/TransducersInUse.h"

namespace orvik {

namespace {
const QString NotSelected = QStringLiteral("[not selected]");

QString orNotSelected(const QString& format, const QString& value, const QString& missing) {
    return value.isEmpty() ? missing : format.arg(value);
}

QString earphoneLabel(const TestSetup& setup, TransducerKind transducer) {
    EarphoneKind kind{};
    earphoneKindOf(transducer, kind);
    const EarphoneBlock& block = earphoneSlot(setup, kind);
    return orNotSelected(QStringLiteral("%1 Earphones"), fixedText(block.model),
                         QStringLiteral("Earphones ") + NotSelected) +
           orNotSelected(QStringLiteral(" Left %1"), fixedText(block.leftSerial),
                         QStringLiteral(" Left ") + NotSelected) +
           orNotSelected(QStringLiteral(" Right %1"), fixedText(block.rightSerial),
                         QStringLiteral(" Right ") + NotSelected);
}

QString micLabel(const TestSetup& setup, TransducerKind transducer, const char* name) {
    const QString serial = fixedText(microphoneOfTransducer(setup, transducer).identity.serialNumber);
    return orNotSelected(QString::fromLatin1(name) + QStringLiteral(" %1"), serial,
                         QString::fromLatin1(name) + QLatin1Char(' ') + NotSelected);
}

std::unique_ptr<DialLevelEditor> makeDialLevelEditor(PageKind kind, AudiometerRecord& record, SettingsStore& settings,
                                                     int test, TransducerKind transducer) {
    switch (kind) {
    case PageKind::LowInputLevels:
        return std::make_unique<DialLevelEditor>(record, settings, test, transducer, DialLevelRange::Low);
    case PageKind::HighInputLevels:
        return std::make_unique<DialLevelEditor>(record, settings, test, transducer, DialLevelRange::High);
    case PageKind::BoneInputLevels:
        return std::make_unique<DialLevelEditor>(record, settings, test, transducer, DialLevelRange::Bone);
    default:
        return nullptr;
    }
}

QString pressureUnit(float pressure) {
    if (pressure < 36.0f)
        return QStringLiteral("in.Hg");
    return pressure < 500.0f ? QStringLiteral("kPa") : QStringLiteral("mmHg");
}

int humidityShown(quint16 humidity) {
    return humidity < 4 ? 30 + 20 * humidity : humidity;
}
} // namespace

QString sheetDateLabel(const QDate& date) {
    return QString::asprintf("%02d/%02d/%d", date.month(), date.day(), date.year());
}

QString sheetTimeLabel(const QTime& time) {
    // Midnight and noon read 12, as on any 12-hour clock.
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::asprintf("%02d:%02d %s", hour, time.minute(), time.hour() < 12 ? "AM" : "PM");
}

TestStatus combinedStatus(const QList<PageVerdict>& verdicts) {
    if (verdicts.contains(PageVerdict::AnyFails))
        return TestStatus::Fail;
    return verdicts.contains(PageVerdict::AllPass) ? TestStatus::Pass : TestStatus::NotJudged;
}

TestSheetController::TestSheetController(AudiometerRecord& record, MeterLink& link, SaveRecord save,
                                         SaveNowQuestion saveNow)
    : m_record(record), m_link(link), m_save(std::move(save)), m_saveNow(std::move(saveNow)) {
    m_transducer = transducersListed().front();
    buildPages();
}

TestSheetController::~TestSheetController() = default;

QStringList TestSheetController::testNames() const {
    QStringList names;
    for (int test = 0; test < TestCount; ++test)
        names << testName(test);
    return names;
}

QList<TransducerKind> TestSheetController::transducersListed() const {
    return transducersOffered(m_test);
}

bool TestSheetController::transducerInSetup(TransducerKind transducer) const {
    return transducerInUse(m_record.setup, transducer);
}

QStringList TestSheetController::transducerNames() const {
    QStringList names;
    for (TransducerKind transducer : transducersListed())
        names << transducerName(transducer);
    return names;
}

void TestSheetController::buildPages() {
    m_pages = pagesFor(m_test, m_transducer);
    m_measuring.clear();
    m_dialLevels.clear();
    for (const PageSlot& slot : m_pages) {
        m_measuring.push_back(makePage(slot.kind, {m_record, m_link, m_test, m_transducer, slot.channel}));
        m_dialLevels.push_back(
            makeDialLevelEditor(slot.kind, m_record, m_link.services.settings, m_test, m_transducer));
    }
    m_active = 0;
    if (onPagesChanged)
        onPagesChanged();
}

void TestSheetController::setActivePage(int index) {
    if (index >= 0 && index < m_pages.size())
        m_active = index;
}

Measurement* TestSheetController::measurementPage(int index) {
    return index >= 0 && index < int(m_measuring.size()) ? m_measuring[std::size_t(index)].get() : nullptr;
}

DialLevelEditor* TestSheetController::dialLevelPage(int index) {
    return index >= 0 && index < int(m_dialLevels.size()) ? m_dialLevels[std::size_t(index)].get() : nullptr;
}

void TestSheetController::commitDialLevels() {
    for (const auto& editor : m_dialLevels)
        if (editor)
            editor->commit();
}

void TestSheetController::takeDataBack() {
    commitDialLevels();
    QList<PageVerdict> verdicts;
    for (const auto& page : m_measuring)
        if (page)
            verdicts << page->takeDataBack();
    if (!verdicts.isEmpty())
        m_record.header.testStatus[m_test][int(m_transducer)] = qint16(combinedStatus(verdicts));
}

void TestSheetController::offerSave() {
    if (!m_changed)
        return;
    SettingsStore& settings = m_link.services.settings;
    if (Setting::ShowSaveDialogAfterTest.read(settings)) {
        if (m_saveNow && m_saveNow())
            save();
    } else if (Setting::SaveAfterTest.read(settings)) {
        save();
    }
}

bool TestSheetController::ensureTestMode() {
    if (!m_link.session.isOpen())
        return true;
    while (!ensureMeterMode(m_link, testMeterMode(m_test), m_test, true)) {
        if (m_link.messages().show(QStringLiteral("Could not set the K37 properly for the selected Measurement! Verify "
                                                  "that it is powered on, stable, and connected to the PC. Then press "
                                                  "OK!"),
                                   MessageButtons::OkCancel) != MessageAnswer::Ok)
            return false;
    }
    return true;
}

void TestSheetController::chooseTest(int test) {
    if (test < 0 || test >= TestCount)
        return;
    takeDataBack();
    offerSave();
    m_test = test;
    m_transducer = transducersListed().front();
    buildPages();
    ensureTestMode();
}

void TestSheetController::chooseTransducer(int listPosition) {
    const QList<TransducerKind> listed = transducersListed();
    if (listPosition < 0 || listPosition >= listed.size())
        return;
    takeDataBack();
    offerSave();
    m_transducer = listed[listPosition];
    buildPages();
}

int TestSheetController::dispatch(const std::function<int(Measurement&)>& run) {
    if (!m_link.attachToSession()) {
        m_link.messages().show(meterNotConnectedText());
        return Status::NotConnected;
    }
    if (!ensureTestMode())
        return Status::Cancelled;
    if (!m_pages.value(m_active).measures()) {
        for (int i = 0; i < m_pages.size(); ++i)
            if (m_pages[i].measures()) {
                m_active = i;
                break;
            }
    }
    Measurement* page = measurementPage(m_active);
    if (!page) {
        m_link.messages().show(QStringLiteral("%1 (%2): this measurement is not available yet.")
                                   .arg(testName(m_test), transducerName(m_transducer)));
        return 0;
    }
    bool conditionsStored = false;
    if (!askConditionsWhenDue(conditions, m_record.setup, conditionsStored))
        return Status::Cancelled;
    if (conditionsStored)
        m_changed = true;
    commitDialLevels();
    page->loadInputs();
    const int status = run(*page);
    if (!m_readOnly)
        m_changed = true;
    return status;
}

int TestSheetController::measureAll() {
    return dispatch([](Measurement& page) { return page.measureAll(); });
}

int TestSheetController::measureSelected(const QList<int>& rows) {
    return dispatch([&rows](Measurement& page) { return page.measureSelected(rows); });
}

bool TestSheetController::nextTest() {
    if (m_test == TestCount - 1) {
        takeDataBack();
        return false;
    }
    chooseTest(m_test + 1);
    return true;
}

bool TestSheetController::save() {
    takeDataBack();
    if (!m_save || !m_save(m_record))
        return false;
    m_changed = false;
    return true;
}

void TestSheetController::ok() {
    takeDataBack();
    if (m_changed)
        save();
}

void TestSheetController::setConditions(float temperature, quint16 humidity, float pressure) {
    m_record.setup.temperature = temperature;
    m_record.setup.humidity = humidity;
    m_record.setup.pressure = pressure;
    m_changed = true;
}

QString TestSheetController::instrumentLabel() const {
    const TestSetup& setup = m_record.setup;
    switch (m_transducer) {
    case TransducerKind::BoneVibrator: {
        const bool makers = isMakersMastoid(setup);
        const EmbeddedIdentity& mastoid = setup.instruments.mastoid.identity;
        return orNotSelected(QStringLiteral("%1 Vibrator"), fixedText(setup.boneVibrator.model),
                             QStringLiteral("Vibrator ") + NotSelected) +
               QLatin1Char(' ') + fixedText(setup.boneVibrator.serialNumber) + QStringLiteral(", ") +
               orNotSelected(QStringLiteral("%1 Mastoid"), fixedText(mastoid.model),
                             QStringLiteral("Mastoid ") + NotSelected) +
               QLatin1Char(' ') + fixedText(mastoid.serialNumber) + QStringLiteral(", ") +
               couplerDisplayName(DefaultMastoidCoupler) + QStringLiteral(" Coupler, ") +
               micLabel(setup, m_transducer, makers ? "Mic" : "Cal Mic") +
               QString::asprintf(", T:%.1fC, P:%.1f%s, H:%d", double(setup.temperature), double(setup.pressure),
                                 qPrintable(pressureUnit(setup.pressure)), humidityShown(setup.humidity));
    }
    case TransducerKind::SoundField:
        return orNotSelected(QStringLiteral("Left Speaker %1"), fixedText(setup.speakers[0].serialNumber),
                             QStringLiteral("Left Speaker ") + NotSelected) +
               orNotSelected(QStringLiteral(", Right Speaker %1"), fixedText(setup.speakers[1].serialNumber),
                             QStringLiteral(", Right Speaker ") + NotSelected) +
               QStringLiteral(", ") + micLabel(setup, m_transducer, "Mic");
    default:
        break;
    }
    const QString earphones = earphoneLabel(setup, m_transducer);
    if (m_test == 6)
        return earphones +
               QString::asprintf(", Rate %.1f Hz, Dev. %.1f %%", double(setup.fmRate), double(setup.fmDeviation));
    EarphoneKind kind{};
    earphoneKindOf(m_transducer, kind);
    const quint16 coupler = earphoneSlot(setup, kind).coupler;
    const QString couplerText = coupler == 0 ? QStringLiteral("Coupler ") + NotSelected
                                             : couplerDisplayName(coupler) + QStringLiteral(" Coupler");
    return earphones + QStringLiteral(", ") + couplerText + QStringLiteral(", ") + micLabel(setup, m_transducer, "Mic");
}

} // namespace orvik
