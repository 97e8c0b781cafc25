#include "equipment/InstrumentationEditor.h"

#include "core/Settings.h"
#include "equipment/InstrumentValueFields.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orvik {

namespace {
const QString DiscardQuestion =
    QStringLiteral("There are changes that have not been Added or Updated.\nDo you wish to discard the changes?\n\n");
const QString ChangeSelection = QStringLiteral("Click Yes to discard the changes and change the selection.");

const IntSetting& positionSetting(InstrumentKind kind) {
    switch (kind) {
    case InstrumentKind::SoundLevelMeter:
        return Setting::CurrentSlm;
    case InstrumentKind::Calibrator:
        return Setting::CurrentCalibrator;
    case InstrumentKind::Microphone:
        return Setting::CurrentMike;
    case InstrumentKind::Mastoid:
        return Setting::CurrentMastoid;
    case InstrumentKind::Preamp:
        return Setting::CurrentPreamp;
    }
    return Setting::CurrentSlm;
}

bool allZero(const float* values, int count) {
    return std::all_of(values, values + count, [](float v) { return v == 0.0f; });
}
} // namespace

InstrumentationEditor::InstrumentationEditor(InstrumentLists& lists, MessageBox& messages, SettingsStore& settings)
    : m_lists(lists), m_messages(messages), m_settings(settings), m_working(emptyInstrumentEntry(m_kind)),
      m_pages(emptyInstrumentEntry(m_kind)) {}

QStringList InstrumentationEditor::kindNames() {
    QStringList names;
    for (InstrumentKind kind : KindsInViewOrder)
        names << QString::fromLatin1(kindTexts(kind).listName);
    return names;
}

bool InstrumentationEditor::isSingleSetMastoid(const QString& manufacturer) {
    return manufacturer.startsWith(u'B');
}

QStringList InstrumentationEditor::pageTitles(InstrumentKind kind, const QString& mastoidManufacturer) {
    switch (kind) {
    case InstrumentKind::SoundLevelMeter:
        return {QStringLiteral("Sound Level Meter")};
    case InstrumentKind::Calibrator:
        return {QStringLiteral("Calibrator")};
    case InstrumentKind::Microphone:
        return {QStringLiteral("Microphone"), QStringLiteral("Low Freq. Pressure Response"),
                QStringLiteral("High Freq. Pressure Response"), QStringLiteral("Grid Corrections")};
    case InstrumentKind::Mastoid:
        if (isSingleSetMastoid(mastoidManufacturer))
            return {QStringLiteral("Mastoid"), QStringLiteral("Sensitivity")};
        return {QStringLiteral("Mastoid"), QStringLiteral("RKC310 Sensitivity"), QStringLiteral("RKC311 Sensitivity"),
                QStringLiteral("RKC420 Sensitivity")};
    case InstrumentKind::Preamp:
        return {QStringLiteral("Preamp")};
    }
    return {};
}

QString InstrumentationEditor::prompt() const {
    return QString::fromLatin1(kindTexts(m_kind).prompt);
}
QString InstrumentationEditor::label() const {
    return QString::fromLatin1(kindTexts(m_kind).label);
}

QStringList InstrumentationEditor::instrumentLines() const {
    QStringList lines;
    for (const InstrumentEntry& entry : m_lists.list(m_kind))
        lines << listLine(entry);
    return lines;
}

bool InstrumentationEditor::discardChanges(const QString& whatNext) {
    if (!m_pagesModified)
        return true;
    return m_messages.show(DiscardQuestion + whatNext, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool InstrumentationEditor::selectKind(int selector) {
    if (selector < 0 || selector >= static_cast<int>(KindsInViewOrder.size()))
        return false;
    if (!discardChanges(ChangeSelection))
        return false;
    m_kind = KindsInViewOrder[static_cast<std::size_t>(selector)];
    m_position = -1;
    m_pagesModified = false;
    if (list().empty()) {
        clearPages();
        return true;
    }
    int position = positionSetting(m_kind).read(m_settings);
    if (position < 0 || position >= static_cast<int>(list().size()))
        position = 0;
    return selectInstrument(position);
}

bool InstrumentationEditor::selectInstrument(int position) {
    if (position < 0 || position >= static_cast<int>(list().size()))
        return false;
    if (!discardChanges(ChangeSelection))
        return false;
    m_position = position;
    m_everSelected = true;
    rememberPosition();
    m_working = list()[static_cast<std::size_t>(position)];
    m_working.link = 0;
    loadPages(m_working);
    return true;
}

void InstrumentationEditor::rememberPosition() {
    positionSetting(m_kind).write(m_settings, m_position);
}

void InstrumentationEditor::clearPages() {
    m_pages = emptyInstrumentEntry(m_kind);
    if (m_kind == InstrumentKind::SoundLevelMeter || m_kind == InstrumentKind::Preamp) {
        setFixedText(m_pages.identity.manufacturer, QStringLiteral("Veltan-Quirn"));
        setFixedText(m_pages.identity.model,
                     m_kind == InstrumentKind::Preamp ? QStringLiteral("RKP512") : QStringLiteral("K37"));
    }
    m_pagesModified = false;
    m_addEnabled = false;
}

void InstrumentationEditor::loadPages(const InstrumentEntry& entry) {
    m_pages = entry;
    m_pagesModified = false;
    m_addEnabled = m_kind == InstrumentKind::Microphone && entry.serialNumber().isEmpty();
}

void InstrumentationEditor::setPages(const InstrumentEntry& edited) {
    if (std::memcmp(edited.identity.serialNumber, m_pages.identity.serialNumber, sizeof edited.identity.serialNumber))
        m_addEnabled = true;
    m_pages = edited;
    m_pages.kind = static_cast<qint32>(m_kind);
    m_pages.link = 0;
    m_pagesModified = true;
}

bool InstrumentationEditor::setMastoidManufacturer(const QString& manufacturer, bool responsePagesChanged) {
    const bool layoutChanges = isSingleSetMastoid(manufacturer) != isSingleSetMastoid(m_pages.manufacturer());
    InstrumentEntry edited = m_pages;
    if (layoutChanges && responsePagesChanged) {
        if (m_messages.show(DiscardQuestion + ChangeSelection, MessageButtons::YesNo) != MessageAnswer::Yes)
            return false;
        const InstrumentEntry& original = m_position >= 0 ? m_working : emptyInstrumentEntry(m_kind);
        for (int set = 1; set <= MastoidResponseSets; ++set)
            std::copy_n(original.mastoidResponseSet(set), FrequencyCount, edited.mastoidResponseSet(set));
    }
    setFixedText(edited.identity.manufacturer, manufacturer);
    setPages(edited);
    return true;
}

bool InstrumentationEditor::confirmImport(ImportOrigin origin) {
    return discardChanges(origin == ImportOrigin::Menu
                              ? QStringLiteral("Click Yes to discard the changes and continue with the import.\nClick "
                                               "No and then click Add or Update to save your changes.")
                              : QStringLiteral("Click Yes to discard the changes and continue with the import."));
}

InstrumentEntry InstrumentationEditor::storedPages() const {
    InstrumentEntry entry = m_pages;
    entry.kind = static_cast<qint32>(m_kind);
    entry.link = 0;
    roundValuesToHundredth(entry);
    return entry;
}

bool InstrumentationEditor::dueYearValid(const InstrumentEntry& entry) {
    const int year = entry.dueDate().trimmed().left(4).toInt();
    if (std::abs(year - today().year()) < 100)
        return true;
    m_messages.show(QStringLiteral("Calibration Due Year is invalid.\nMust be 4-digit year within 100 years."));
    return false;
}

void InstrumentationEditor::warnMicrophonesWithoutSensitivity() {
    for (const InstrumentEntry& mic : m_lists.list(InstrumentKind::Microphone)) {
        if (mic.values.microphone.sensitivity == 0.0f)
            m_messages.show(QStringLiteral("Warning: Found at least one mic (S/N %1) without a sensitivity value.\n"
                                           "Measurements with B&K mastoids require mic sensitivities to be entered.")
                                .arg(mic.serialNumber()));
    }
}

bool InstrumentationEditor::valuesReadable(const InstrumentEntry& entry) {
    for (const InstrumentValueField& field : valueFields(entry)) {
        if (std::isfinite(field.value))
            continue;
        // A mastoid of one response set has no pages for the other two; they are named as the three-set pages.
        QStringList titles = pageTitles(m_kind, entry.manufacturer());
        if (field.page >= titles.size())
            titles = pageTitles(m_kind);
        const QString name =
            field.page == 0 ? field.label : QStringLiteral("%1, %2").arg(titles.value(field.page), field.label);
        m_messages.show(QStringLiteral("The value entered for %1 is not a valid number.\nEnter a number with a "
                                       "decimal point and no unit, for example -1.5.")
                            .arg(name));
        return false;
    }
    return true;
}

bool InstrumentationEditor::checkForAdd(const InstrumentEntry& entry) {
    if (entry.serialNumber().isEmpty()) {
        m_messages.show(QStringLiteral("You may not add a new %1 without a serial number.")
                            .arg(QString::fromLatin1(kindTexts(m_kind).messageName)));
        return false;
    }
    if (m_kind != InstrumentKind::Mastoid && !dueYearValid(entry))
        return false;
    switch (m_kind) {
    case InstrumentKind::Calibrator: {
        const CalibratorValues& c = entry.values.calibrator;
        if (c.frequency == 0.0f || c.frequency > 20000.0f) {
            m_messages.show(QStringLiteral("No valid frequency has been entered for the calibrator.\nBefore adding a "
                                           "calibrator you must enter a valid frequency."));
            return false;
        }
        if (c.level == 0.0f || c.level > 140.0f) {
            m_messages.show(QStringLiteral("No valid level has been entered for the calibrator.\nBefore adding a "
                                           "calibrator you must enter a valid level."));
            return false;
        }
        return true;
    }
    case InstrumentKind::Microphone: {
        const MicrophoneValues& m = entry.values.microphone;
        // All zeros is what response pages nobody filled in hold: a microphone is not listed without its chart.
        if (allZero(m.pressureResponse, FrequencyCount)) {
            m_messages.show(QStringLiteral(
                "No frequency responses have been entered for this mic.\n\nBefore adding a microphone you must enter "
                "its frequency responses.\nThese are found on the response chart provided with the microphone."));
            return false;
        }
        if (m.sensitivity == 0.0f) {
            m_messages.show(QStringLiteral("No valid sensitivity has been entered for the microphone.\n\nYou must "
                                           "enter a sensitivity before adding the microphone."));
            return false;
        }
        if (m.sensitivity < 1.0f || m.sensitivity > 65.0f) {
            m_messages.show(QStringLiteral("Invalid sensitivity entered.  It must be between 1 and 65."));
            return false;
        }
        return true;
    }
    case InstrumentKind::Mastoid: {
        bool anyResponse = false;
        for (int set = 1; set <= MastoidResponseSets; ++set)
            anyResponse = anyResponse || !allZero(entry.mastoidResponseSet(set), FrequencyCount);
        if (!anyResponse) {
            m_messages.show(QStringLiteral(
                "No frequency responses have been entered for this mastoid.\n\nBefore adding a mastoid you must "
                "enter its frequency responses.\nThese are found on the response chart provided with the mastoid."));
            return false;
        }
        if (isSingleSetMastoid(entry.manufacturer())) {
            if (entry.values.mastoid.sensitivity == 0.0f &&
                m_messages.show(QStringLiteral("Warning: No valid sensitivity has been entered for the mastoid.\n\n"
                                               "Click OK to add the mastoid anyway.\n\n(You will not be able to make "
                                               "bone measurements with this mastoid.)"),
                                MessageButtons::OkCancel) != MessageAnswer::Ok)
                return false;
        } else {
            warnMicrophonesWithoutSensitivity();
        }
        return dueYearValid(entry);
    }
    default:
        return true;
    }
}

bool InstrumentationEditor::add() {
    InstrumentEntry entry = storedPages();
    // Before the range checks: a value that is no number would pass every one of them.
    if (!valuesReadable(entry) || !checkForAdd(entry))
        return false;
    const QString serial = entry.serialNumber();
    const int existing = m_lists.find(m_kind, serial);
    if (existing >= 0) {
        InstrumentEntry& stored = list()[static_cast<std::size_t>(existing)];
        if (m_kind == InstrumentKind::Microphone) {
            if (m_messages.show(QStringLiteral("There is already a microphone defined with serial number %1.\nDo you "
                                               "want to update the data for this Microphone?")
                                    .arg(serial),
                                MessageButtons::YesNo) != MessageAnswer::Yes)
                return false;
        } else if (m_kind == InstrumentKind::Mastoid) {
            if (m_messages.show(QStringLiteral("There is already a mastoid defined with serial number %1.\n Update the "
                                               "current mastoid with the new data?")
                                    .arg(serial),
                                MessageButtons::YesNo) != MessageAnswer::Yes)
                return false;
            // A set left empty on the pages keeps what the stored mastoid has.
            for (int set = 1; set <= MastoidResponseSets; ++set) {
                if (allZero(entry.mastoidResponseSet(set), 25))
                    std::copy_n(stored.mastoidResponseSet(set), FrequencyCount, entry.mastoidResponseSet(set));
            }
        } else {
            m_messages.show(QStringLiteral("There is already a %1 defined with serial number %2.")
                                .arg(QString::fromLatin1(kindTexts(m_kind).messageName), serial));
            return false;
        }
        stored = entry;
        m_pagesModified = false;
        return selectInstrument(existing);
    }
    list().push_back(entry);
    m_pagesModified = false;
    return selectInstrument(static_cast<int>(list().size()) - 1);
}

bool InstrumentationEditor::update(int recordDataVersion) {
    if (m_position < 0) {
        m_messages.show(QStringLiteral("This instrument is not defined. Did you mean to \"Add\", not \"Update\"?"));
        return false;
    }
    const InstrumentEntry edited = storedPages();
    if (!valuesReadable(edited))
        return false;
    const QString oldSerial = m_working.serialNumber();
    m_working = edited;
    const QString newSerial = m_working.serialNumber();
    if (newSerial != oldSerial) {
        const int other = m_lists.find(m_kind, newSerial);
        if (other >= 0 && other != m_position) {
            m_messages.show(QStringLiteral("Duplicate serial number %1.\nChanging it back to original value (%2).")
                                .arg(newSerial, oldSerial));
            setFixedText(m_working.identity.serialNumber, oldSerial);
            loadPages(m_working);
            return false;
        }
    }
    InstrumentEntry& stored = list()[static_cast<std::size_t>(m_position)];
    stored.identity = m_working.identity;
    switch (m_kind) {
    case InstrumentKind::Calibrator:
        stored.values.calibrator.frequency = m_working.values.calibrator.frequency;
        stored.values.calibrator.level = m_working.values.calibrator.level;
        break;
    case InstrumentKind::Microphone:
        stored.values.microphone = m_working.values.microphone;
        break;
    case InstrumentKind::Mastoid: {
        MastoidValues& to = stored.values.mastoid;
        const MastoidValues& from = m_working.values.mastoid;
        to.sensitivity = from.sensitivity;
        std::copy_n(from.response1, FrequencyCount, to.response1);
        std::copy_n(from.block, MastoidBlockCount, to.block);
        if (m_working.manufacturer().contains(QStringLiteral("Veltan")) && recordDataVersion > 146) {
            std::copy_n(from.response2, FrequencyCount, to.response2);
            std::copy_n(from.response3, FrequencyCount, to.response3);
        }
        if (!isSingleSetMastoid(m_working.manufacturer()))
            warnMicrophonesWithoutSensitivity();
        else if (from.sensitivity == 0.0f)
            m_messages.show(QStringLiteral("Warning: Mastoid sensitivity not entered.\nYou will not be able to run "
                                           "measurements using this mastoid."));
        break;
    }
    default:
        break;
    }
    m_pagesModified = false;
    return true;
}

bool InstrumentationEditor::remove() {
    if (m_position < 0) {
        m_messages.show(QStringLiteral("No instrument selected to delete."));
        return false;
    }
    const int index = m_lists.find(m_kind, m_working.serialNumber());
    if (index < 0)
        return false;
    list().erase(list().begin() + index);
    m_position = -1;
    m_pagesModified = false;
    if (list().empty()) {
        clearPages();
        return true;
    }
    return selectInstrument(std::min(index, static_cast<int>(list().size()) - 1));
}

InstrumentationEditor::Closing InstrumentationEditor::ok() {
    if (!discardChanges(QStringLiteral("Click Yes to discard the changes and continue.\nClick No to stay in the "
                                       "instrumentation view.")))
        return Closing::Stay;
    return Closing::WriteLists;
}

InstrumentationEditor::Closing InstrumentationEditor::cancel() {
    if (!discardChanges(QStringLiteral("Click Yes to discard the changes and continue.\nClick No to stay in the "
                                       "instrumentation view.")))
        return Closing::Stay;
    return m_everSelected ? Closing::ReloadLists : Closing::Close;
}

} // namespace orvik
