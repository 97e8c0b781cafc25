#include "equipment/InstrumentationEditor.h"
#include "ScriptedMessageBox.h"
#include "core/Settings.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace orvik;
using namespace orvik::test;

namespace {

constexpr int SlmSelector = 0, CalibratorSelector = 1, MicSelector = 2, MastoidSelector = 3;

class InstrumentationEditorTest : public ::testing::Test {
protected:
    InstrumentationEditorTest() : editor(lists, messages, settings) {
        editor.today = [] { return QDate(2024, 3, 5); };
    }

    // Pages as the technician fills them for a new instrument of the editor's kind.
    InstrumentEntry typed(const char* serial, int dueYear = 2025) {
        InstrumentEntry e = emptyInstrumentEntry(editor.kind());
        setFixedText(e.identity.serialNumber, QString::fromLatin1(serial));
        setFixedText(e.identity.model, QStringLiteral("M1"));
        setFixedText(e.identity.dueDate, formatDueDate(dueYear, 6, 30));
        return e;
    }
    InstrumentEntry calibrator(const char* serial, float frequency = 1000.0f, float level = 114.0f) {
        InstrumentEntry e = typed(serial);
        e.values.calibrator.frequency = frequency;
        e.values.calibrator.level = level;
        return e;
    }
    InstrumentEntry microphone(const char* serial, float sensitivity = 50.0f, float response = 0.5f) {
        InstrumentEntry e = typed(serial);
        e.values.microphone.pressureResponse[12] = response;
        e.values.microphone.sensitivity = sensitivity;
        return e;
    }
    InstrumentEntry mastoid(const char* serial, const char* manufacturer = "Veltan Quirn") {
        InstrumentEntry e = typed(serial);
        setFixedText(e.identity.manufacturer, QString::fromLatin1(manufacturer));
        e.values.mastoid.response1[10] = 41.0f;
        e.values.mastoid.sensitivity = 1.5f;
        return e;
    }
    bool addTyped(const InstrumentEntry& e) {
        editor.setPages(e);
        return editor.add();
    }
    int count() const { return static_cast<int>(lists.list(editor.kind()).size()); }

    InstrumentLists lists;
    ScriptedMessageBox messages;
    MemorySettingsStore settings;
    InstrumentationEditor editor;
};

// ---- Add: every check with its message, table-driven ----

struct AddCase {
    const char* name;
    int selector;
    std::function<void(InstrumentEntry&)> edit;
    const char* message; // nullptr: accepted
};

class AddChecks : public InstrumentationEditorTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddChecks, AcceptOrRefuseWithTheMessage) {
    ASSERT_TRUE(editor.selectKind(GetParam().selector));
    InstrumentEntry e = editor.kind() == InstrumentKind::Calibrator   ? calibrator("S1")
                        : editor.kind() == InstrumentKind::Microphone ? microphone("S1")
                                                                      : typed("S1");
    GetParam().edit(e);
    messages.acknowledgeAll();
    const bool added = addTyped(e);
    if (GetParam().message) {
        EXPECT_FALSE(added);
        EXPECT_EQ(messages.texts(), QStringList{QString::fromLatin1(GetParam().message)});
        EXPECT_EQ(count(), 0);
    } else {
        EXPECT_TRUE(added) << messages.texts().join(u'|').toStdString();
        EXPECT_EQ(count(), 1);
    }
}

const char* const BadFrequency = "No valid frequency has been entered for the calibrator.\nBefore adding a calibrator "
                                 "you must enter a valid frequency.";
const char* const BadLevel = "No valid level has been entered for the calibrator.\nBefore adding a calibrator you "
                             "must enter a valid level.";
const char* const SensitivityRange = "Invalid sensitivity entered.  It must be between 1 and 65.";
const char* const BadYear = "Calibration Due Year is invalid.\nMust be 4-digit year within 100 years.";

INSTANTIATE_TEST_SUITE_P(
    Edge, AddChecks,
    ::testing::Values(
        AddCase{"CalibratorLimitsAccepted", CalibratorSelector,
                [](InstrumentEntry& e) {
                    e.values.calibrator = {20000.0f, 140.0f, {}};
                },
                nullptr},
        AddCase{"CalibratorNegativeAccepted", CalibratorSelector,
                [](InstrumentEntry& e) {
                    e.values.calibrator = {-1.0f, -5.0f, {}};
                },
                nullptr},
        AddCase{"CalibratorFrequencyAbove", CalibratorSelector,
                [](InstrumentEntry& e) { e.values.calibrator.frequency = 20000.5f; }, BadFrequency},
        AddCase{"CalibratorFrequencyZero", CalibratorSelector,
                [](InstrumentEntry& e) { e.values.calibrator.frequency = 0.0f; }, BadFrequency},
        AddCase{"CalibratorLevelAbove", CalibratorSelector,
                [](InstrumentEntry& e) { e.values.calibrator.level = 140.01f; }, BadLevel},
        AddCase{"CalibratorLevelZero", CalibratorSelector, [](InstrumentEntry& e) { e.values.calibrator.level = 0.0f; },
                BadLevel},
        AddCase{"MicSensitivity1", MicSelector, [](InstrumentEntry& e) { e.values.microphone.sensitivity = 1.0f; },
                nullptr},
        AddCase{"MicSensitivity65", MicSelector, [](InstrumentEntry& e) { e.values.microphone.sensitivity = 65.0f; },
                nullptr},
        AddCase{"MicSensitivityBelow", MicSelector, [](InstrumentEntry& e) { e.values.microphone.sensitivity = 0.99f; },
                SensitivityRange},
        AddCase{"MicSensitivityAbove", MicSelector,
                [](InstrumentEntry& e) { e.values.microphone.sensitivity = 65.01f; }, SensitivityRange},
        AddCase{"MicSensitivityZero", MicSelector, [](InstrumentEntry& e) { e.values.microphone.sensitivity = 0.0f; },
                "No valid sensitivity has been entered for the microphone.\n\nYou must enter a sensitivity before "
                "adding the microphone."},
        AddCase{"MicWithoutResponses", MicSelector,
                [](InstrumentEntry& e) { e.values.microphone.pressureResponse[12] = 0.0f; },
                "No frequency responses have been entered for this mic.\n\nBefore adding a microphone you must enter "
                "its frequency responses.\nThese are found on the response chart provided with the microphone."},
        AddCase{"YearWithin99", SlmSelector,
                [](InstrumentEntry& e) { setFixedText(e.identity.dueDate, formatDueDate(2123, 1, 1)); }, nullptr},
        AddCase{"YearOff100", SlmSelector,
                [](InstrumentEntry& e) { setFixedText(e.identity.dueDate, formatDueDate(1924, 1, 1)); }, BadYear},
        AddCase{"NoSerial", SlmSelector, [](InstrumentEntry& e) { setFixedText(e.identity.serialNumber, {}); },
                "You may not add a new sound level meter without a serial number."}),
    [](const auto& info) { return std::string(info.param.name); });

// Serial numbers are case-sensitive keys: "k1" and "K1" are two meters, a second "K1" is refused.
TEST_F(InstrumentationEditorTest, DuplicateSerialIsRefusedForMetersCalibratorsAndPreamps) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    ASSERT_TRUE(addTyped(typed("k1")));
    ASSERT_TRUE(addTyped(typed("K1")));
    messages.acknowledgeAll();
    EXPECT_FALSE(addTyped(typed("K1")));
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("There is already a sound level meter defined with serial number K1.")});
    EXPECT_EQ(count(), 2);
}

TEST_F(InstrumentationEditorTest, MicrophoneWithExistingSerialAnsweredYesUpdatesInPlace) {
    ASSERT_TRUE(editor.selectKind(MicSelector));
    ASSERT_TRUE(addTyped(microphone("M1", 40.0f)));
    ASSERT_TRUE(addTyped(microphone("M2", 41.0f)));
    messages.answer(QStringLiteral("There is already a microphone defined with serial number M1.\nDo you want to "
                                   "update the data for this Microphone?"),
                    MessageAnswer::Yes, 1);
    ASSERT_TRUE(addTyped(microphone("M1", 52.5f)));
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(lists.list(InstrumentKind::Microphone)[0].values.microphone.sensitivity, 52.5f);
    EXPECT_EQ(editor.selectedPosition(), 0);
}

TEST_F(InstrumentationEditorTest, MastoidUpdateOnDuplicateTakesOverEmptyResponseSets) {
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    InstrumentEntry first = mastoid("B1");
    first.values.mastoid.response2[7] = 38.0f;
    first.values.mastoid.response3[7] = 39.0f;
    messages.acknowledgeAll();
    ASSERT_TRUE(addTyped(first));
    InstrumentEntry again = mastoid("B1");
    again.values.mastoid.response1[10] = 44.0f;
    again.values.mastoid.response3[30] = 5.0f; // beyond the first 25 values: the set still counts as empty
    messages.answer(QStringLiteral("There is already a mastoid defined with serial number B1.\n Update the current "
                                   "mastoid with the new data?"),
                    MessageAnswer::Yes, 1);
    ASSERT_TRUE(addTyped(again));
    const MastoidValues& stored = lists.list(InstrumentKind::Mastoid)[0].values.mastoid;
    EXPECT_EQ(stored.response1[10], 44.0f);
    EXPECT_EQ(stored.response2[7], 38.0f);
    EXPECT_EQ(stored.response3[7], 39.0f);
    EXPECT_EQ(stored.response3[30], 0.0f);
    EXPECT_EQ(count(), 1);
}

TEST_F(InstrumentationEditorTest, SingleSetMastoidWithoutSensitivityAsksAndCancelStops) {
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    InstrumentEntry e = mastoid("B2", "Bruel and Kjaer");
    e.values.mastoid.sensitivity = 0.0f;
    messages.answer(QStringLiteral("Warning: No valid sensitivity has been entered for the mastoid."),
                    MessageAnswer::Cancel, 1);
    EXPECT_FALSE(addTyped(e));
    EXPECT_EQ(count(), 0);
}

TEST_F(InstrumentationEditorTest, ThreeSetMastoidWarnsOncePerMicrophoneWithoutSensitivity) {
    InstrumentEntry mic = microphone("M0", 0.0f);
    lists.list(InstrumentKind::Microphone).push_back(mic);
    lists.list(InstrumentKind::Microphone).push_back(microphone("M9", 0.0f));
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    messages.acknowledgeAll();
    ASSERT_TRUE(addTyped(mastoid("V1")));
    EXPECT_EQ(messages.count(QStringLiteral("Warning: Found at least one mic (S/N M0)")), 1);
    EXPECT_EQ(messages.count(QStringLiteral("Warning: Found at least one mic (S/N M9)")), 1);
}

TEST_F(InstrumentationEditorTest, ValuesAreRoundedToHundredthsOnStore) {
    ASSERT_TRUE(editor.selectKind(MicSelector));
    InstrumentEntry e = microphone("M1");
    e.values.microphone.pressureResponse[0] = 0.125f;
    e.values.microphone.gridCorrection[3] = -1.23456f;
    ASSERT_TRUE(addTyped(e));
    const MicrophoneValues& m = lists.list(InstrumentKind::Microphone)[0].values.microphone;
    EXPECT_FLOAT_EQ(m.pressureResponse[0], 0.13f);
    EXPECT_FLOAT_EQ(m.gridCorrection[3], -1.23f);
}

// ---- Selection and positions ----

TEST_F(InstrumentationEditorTest, StoredPositionPastTheEndSelectsTheFirst) {
    lists.list(InstrumentKind::Calibrator) = {emptyInstrumentEntry(InstrumentKind::Calibrator)};
    Setting::CurrentCalibrator.write(settings, 5);
    ASSERT_TRUE(editor.selectKind(CalibratorSelector));
    EXPECT_EQ(editor.selectedPosition(), 0);
    EXPECT_EQ(Setting::CurrentCalibrator.read(settings), 0);
}

TEST_F(InstrumentationEditorTest, KindTextsAndLines) {
    ASSERT_TRUE(editor.selectKind(4));
    EXPECT_EQ(editor.label(), QStringLiteral("Microphone Preamps"));
    EXPECT_EQ(editor.prompt(), QStringLiteral("Select available Preamp or enter data to add a new instrument"));
    EXPECT_EQ(editor.pages().model(), QStringLiteral("RKP512")); // cleared page of an empty list
    EXPECT_FALSE(editor.updateEnabled());
    ASSERT_TRUE(addTyped(typed("P7")));
    EXPECT_EQ(editor.instrumentLines(), QStringList{QStringLiteral("M1 SN-P7")});
    EXPECT_EQ(Setting::CurrentPreamp.read(settings), 0);
}

TEST_F(InstrumentationEditorTest, UnsavedChangesAnsweredNoKeepTheKind) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    editor.setPages(typed("K5"));
    messages.answer(QStringLiteral("Click Yes to discard the changes and change the selection."), MessageAnswer::No, 1);
    EXPECT_FALSE(editor.selectKind(CalibratorSelector));
    EXPECT_EQ(editor.kind(), InstrumentKind::SoundLevelMeter);
}

// ---- Update ----

TEST_F(InstrumentationEditorTest, UpdateWithoutSelectionIsRefused) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    messages.acknowledgeAll();
    EXPECT_FALSE(editor.update(220));
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("This instrument is not defined. Did you mean to \"Add\", not \"Update\"?")});
}

TEST_F(InstrumentationEditorTest, UpdateToAnotherEntrysSerialRestoresTheOriginal) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    ASSERT_TRUE(addTyped(typed("K1")));
    ASSERT_TRUE(addTyped(typed("K2")));
    InstrumentEntry e = editor.pages();
    setFixedText(e.identity.serialNumber, QStringLiteral("K1"));
    editor.setPages(e);
    messages.acknowledgeAll();
    EXPECT_FALSE(editor.update(220));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Duplicate serial number K1.\nChanging it back to original "
                                                           "value (K2).")});
    EXPECT_EQ(editor.pages().serialNumber(), QStringLiteral("K2"));
    EXPECT_EQ(editor.instrumentLines(), (QStringList{QStringLiteral("M1 SN-K1"), QStringLiteral("M1 SN-K2")}));
}

TEST_F(InstrumentationEditorTest, UpdateCopiesMastoidSetsTwoAndThreeOnlyForNewerRecords) {
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    messages.acknowledgeAll();
    ASSERT_TRUE(addTyped(mastoid("V1")));
    InstrumentEntry e = editor.pages();
    e.values.mastoid.response2[8] = 30.0f;
    e.values.mastoid.block[0] = 7.0f;
    editor.setPages(e);
    ASSERT_TRUE(editor.update(146));
    EXPECT_EQ(lists.list(InstrumentKind::Mastoid)[0].values.mastoid.response2[8], 0.0f);
    EXPECT_EQ(lists.list(InstrumentKind::Mastoid)[0].values.mastoid.block[0], 7.0f);
    editor.setPages(e);
    ASSERT_TRUE(editor.update(147));
    EXPECT_EQ(lists.list(InstrumentKind::Mastoid)[0].values.mastoid.response2[8], 30.0f);
}

// ---- Delete ----

TEST_F(InstrumentationEditorTest, DeletingTheOnlyEntryClearsThePagesAndDisablesUpdateAndDelete) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    ASSERT_TRUE(addTyped(typed("K1")));
    ASSERT_TRUE(editor.remove());
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(editor.updateEnabled());
    EXPECT_FALSE(editor.deleteEnabled());
    EXPECT_TRUE(editor.pages().serialNumber().isEmpty());
}

TEST_F(InstrumentationEditorTest, DeletingTheLastEntrySelectsTheNewLast) {
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    for (const char* serial : {"K1", "K2", "K3"})
        ASSERT_TRUE(addTyped(typed(serial)));
    ASSERT_TRUE(editor.remove());
    EXPECT_EQ(editor.selectedPosition(), 1);
    EXPECT_EQ(editor.pages().serialNumber(), QStringLiteral("K2"));
    ASSERT_TRUE(editor.selectInstrument(0));
    ASSERT_TRUE(editor.remove());
    EXPECT_EQ(editor.pages().serialNumber(), QStringLiteral("K2")); // the entry now at the same position
}

// ---- Values that are no number: refused by Add and Update with the field's name, never stored ----

struct NoNumberCase {
    const char* name;
    int selector;
    const char* manufacturer; // mastoids only
    std::function<void(InstrumentEntry&)> spoil;
    const char* field;
};
void PrintTo(const NoNumberCase& c, std::ostream* os) {
    *os << c.name;
}

class NoNumberValues : public InstrumentationEditorTest, public ::testing::WithParamInterface<NoNumberCase> {
protected:
    InstrumentEntry valid(const char* serial) {
        switch (editor.kind()) {
        case InstrumentKind::Calibrator:
            return calibrator(serial);
        case InstrumentKind::Microphone:
            return microphone(serial);
        default:
            return mastoid(serial, GetParam().manufacturer);
        }
    }
    QString message() const {
        return QStringLiteral("The value entered for %1 is not a valid number.\nEnter a number with a decimal point "
                              "and no unit, for example -1.5.")
            .arg(QString::fromLatin1(GetParam().field));
    }
};

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

TEST_P(NoNumberValues, AddRefusesNamingTheField) {
    ASSERT_TRUE(editor.selectKind(GetParam().selector));
    InstrumentEntry e = valid("S1");
    GetParam().spoil(e);
    messages.acknowledgeAll();
    EXPECT_FALSE(addTyped(e));
    EXPECT_EQ(messages.texts(), QStringList{message()});
    EXPECT_EQ(count(), 0);
    EXPECT_TRUE(editor.pagesModified()); // the pages keep what was entered
}

TEST_P(NoNumberValues, UpdateRefusesNamingTheFieldAndKeepsTheStoredEntry) {
    ASSERT_TRUE(editor.selectKind(GetParam().selector));
    messages.acknowledgeAll();
    ASSERT_TRUE(addTyped(valid("S1")));
    const InstrumentEntry stored = lists.list(editor.kind())[0];
    messages.clear();
    InstrumentEntry e = editor.pages();
    GetParam().spoil(e);
    editor.setPages(e);
    EXPECT_FALSE(editor.update(220));
    EXPECT_EQ(messages.texts(), QStringList{message()});
    EXPECT_EQ(std::memcmp(&lists.list(editor.kind())[0], &stored, sizeof stored), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NoNumberValues,
    ::testing::Values(NoNumberCase{"CalibratorFrequency", CalibratorSelector, "",
                                   [](InstrumentEntry& e) { e.values.calibrator.frequency = NaN; }, "Frequency"},
                      NoNumberCase{"CalibratorLevel", CalibratorSelector, "",
                                   [](InstrumentEntry& e) { e.values.calibrator.level = Infinity; }, "Output Level"},
                      NoNumberCase{"MicSensitivity", MicSelector, "",
                                   [](InstrumentEntry& e) { e.values.microphone.sensitivity = NaN; }, "Sensitivity"},
                      NoNumberCase{"MicLowResponse", MicSelector, "",
                                   [](InstrumentEntry& e) { e.values.microphone.pressureResponse[12] = -Infinity; },
                                   "Low Freq. Pressure Response, 1000 Hz"},
                      NoNumberCase{"MicHighResponse", MicSelector, "",
                                   [](InstrumentEntry& e) { e.values.microphone.pressureResponse[38] = NaN; },
                                   "High Freq. Pressure Response, 20000 Hz"},
                      NoNumberCase{"MicGrid", MicSelector, "",
                                   [](InstrumentEntry& e) { e.values.microphone.gridCorrection[0] = NaN; },
                                   "Grid Corrections, 9000 Hz"},
                      NoNumberCase{"MastoidSet2", MastoidSelector, "Veltan Quirn",
                                   [](InstrumentEntry& e) { e.values.mastoid.response2[8] = NaN; },
                                   "RKC311 Sensitivity, 500 Hz"},
                      NoNumberCase{"SingleSetMastoidSet1", MastoidSelector, "Bruel and Kjaer",
                                   [](InstrumentEntry& e) { e.values.mastoid.response1[12] = NaN; },
                                   "Sensitivity, 1000 Hz"},
                      NoNumberCase{"SingleSetMastoidHiddenSet3", MastoidSelector, "Bruel and Kjaer",
                                   [](InstrumentEntry& e) { e.values.mastoid.response3[12] = Infinity; },
                                   "RKC420 Sensitivity, 1000 Hz"},
                      NoNumberCase{"MastoidSensitivity", MastoidSelector, "Bruel and Kjaer",
                                   [](InstrumentEntry& e) { e.values.mastoid.sensitivity = NaN; }, "Sensitivity"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstrumentationEditorTest, CancelAfterASelectionReloadsTheLists) {
    EXPECT_EQ(editor.cancel(), InstrumentationEditor::Closing::Close);
    ASSERT_TRUE(editor.selectKind(SlmSelector));
    ASSERT_TRUE(addTyped(typed("K1")));
    EXPECT_EQ(editor.cancel(), InstrumentationEditor::Closing::ReloadLists);
    EXPECT_EQ(editor.ok(), InstrumentationEditor::Closing::WriteLists);
}

} // namespace

// ---- Mastoid manufacturer choice and the question before an import ----

namespace {

class MastoidChoice : public InstrumentationEditorTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(editor.selectKind(MastoidSelector));
        messages.acknowledgeAll();
        ASSERT_TRUE(addTyped(mastoid("M1")));
        messages.clear();
    }
    const QString question = QStringLiteral("There are changes that have not been Added or Updated.\nDo you wish to "
                                            "discard the changes?\n\nClick Yes to discard the changes and change the "
                                            "selection.");
};

TEST_F(MastoidChoice, UnchangedResponsePagesSwitchWithoutAsking) {
    EXPECT_TRUE(editor.setMastoidManufacturer(QStringLiteral("Bruel and Kjaer"), false));
    EXPECT_EQ(editor.pages().manufacturer(), QStringLiteral("Bruel and Kjaer"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(MastoidChoice, ChangedResponsePagesAreKeptOnNoAndRestoredOnYes) {
    InstrumentEntry edited = editor.pages();
    edited.values.mastoid.response2[12] = 7.0f;
    editor.setPages(edited);

    messages.answer(question, MessageAnswer::No, 1);
    EXPECT_FALSE(editor.setMastoidManufacturer(QStringLiteral("Bruel and Kjaer"), true));
    EXPECT_EQ(editor.pages().manufacturer(), QStringLiteral("Veltan Quirn"));
    EXPECT_EQ(editor.pages().values.mastoid.response2[12], 7.0f);

    messages.answer(question, MessageAnswer::Yes, 1);
    EXPECT_TRUE(editor.setMastoidManufacturer(QStringLiteral("Bruel and Kjaer"), true));
    EXPECT_EQ(editor.pages().manufacturer(), QStringLiteral("Bruel and Kjaer"));
    EXPECT_EQ(editor.pages().values.mastoid.response2[12], 0.0f);
    EXPECT_EQ(editor.pages().values.mastoid.response1[10], 41.0f); // the stored mastoid's set
    EXPECT_EQ(messages.count(question), 2);
}

TEST_F(InstrumentationEditorTest, ImportQuestionNamesWhereTheImportStarted) {
    ASSERT_TRUE(editor.selectKind(MicSelector));
    EXPECT_TRUE(editor.confirmImport(InstrumentationEditor::ImportOrigin::Menu)); // nothing to lose: no question
    editor.setPages(microphone("S9"));
    const struct {
        InstrumentationEditor::ImportOrigin origin;
        const char* ending;
    } cases[] = {
        {InstrumentationEditor::ImportOrigin::Menu,
         "Click Yes to discard the changes and continue with the import.\nClick "
         "No and then click Add or Update to save your changes."},
        {InstrumentationEditor::ImportOrigin::Page, "Click Yes to discard the changes and continue with the import."},
    };
    for (const auto& c : cases) {
        messages.clear();
        messages.answer(QStringLiteral("continue with the import"), MessageAnswer::No, 1);
        EXPECT_FALSE(editor.confirmImport(c.origin));
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("There are changes that have not been Added or "
                                                               "Updated.\nDo you wish to discard the changes?\n\n") +
                                                QString::fromLatin1(c.ending)});
    }
}

} // namespace
