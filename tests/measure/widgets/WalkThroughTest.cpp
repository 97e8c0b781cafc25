#include "measure/widgets/TestSheetView.h"
#include "measure/widgets/MeterCalibrationDialog.h"
#include "measure/widgets/ResultListPage.h"
#include "measure/widgets/SaveNowDialog.h"
#include "shell/widgets/SetupPage.h"
#include "database/widgets/StoredAudiometerTestsPage.h"
#include "database/widgets/StoredMeasurementsDialog.h"
#include "shell/widgets/TestSetupView.h"
#include "shell/widgets/SummaryView.h"
#include "FormField.h"
#include "measure/widgets/MeasurementWindows.h"
#include "SheetWindowFixture.h"
#include "model/FixedText.h"
#include "model/widgets/ConditionsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

namespace orvik::test {
namespace {

QStringList columnTexts(const QTableWidget& table, const QString& heading) {
    int column = -1;
    for (int c = 0; c < table.columnCount(); ++c)
        if (table.horizontalHeaderItem(c)->text() == heading)
            column = c;
    QStringList texts;
    for (int row = 0; column >= 0 && row < table.rowCount(); ++row)
        texts << (table.item(row, column) ? table.item(row, column)->text() : QString());
    return texts;
}

void type(QWidget* root, const QString& label, const QString& text) {
    auto* field = fieldLabelled<QLineEdit>(root, label);
    ASSERT_NE(field, nullptr) << qPrintable(label);
    field->clear();
    QTest::keyClicks(field, text);
}

// A technician's morning with `orvik --simulate`: the audiometer set up through the set-up view, the test sheet
// behind the meter check, hearing level of every earphone that is connected on both channels, the summary,
// saving, and the test found again among the stored measurements.
class WalkThroughTest : public SheetWindowFixture {
protected:
    void setUpThroughTheSetupView();
    void passTheCalibrationCheck();
    void measureHearingLevel(TestSheetView& sheet, const QString& transducer);
};

void WalkThroughTest::setUpThroughTheSetupView() {
    frame->action(MenuCommand::AudiometerTest)->trigger();
    auto* setup = qobject_cast<TestSetupView*>(frame->currentView());
    ASSERT_NE(setup, nullptr);
    QWidget* audiometer = setup->page(QStringLiteral("Audiometers"));
    type(audiometer, QStringLiteral("Manufacturer:"), QStringLiteral("Quenmark"));
    type(audiometer, QStringLiteral("Model:"), QStringLiteral("QA-40"));
    type(audiometer, QStringLiteral("Serial number:"), QStringLiteral("AX-2210"));
    type(audiometer, QStringLiteral("Calibration due:"), QStringLiteral("2027"));
    fieldLabelled<QDoubleSpinBox>(audiometer, QStringLiteral("FM modulation rate:"))->setValue(5.0);
    fieldLabelled<QDoubleSpinBox>(audiometer, QStringLiteral("FM deviation:"))->setValue(10.0);
    buttonLabelled(setup->page(QStringLiteral("Low Frequencies")), QStringLiteral("Set to Default Frequencies"))
        ->click();

    QWidget* supraAural = setup->page(QStringLiteral("Supra-aural"));
    type(supraAural, QStringLiteral("Left serial number:"), QStringLiteral("TL-1"));
    type(supraAural, QStringLiteral("Right serial number:"), QStringLiteral("TR-1"));
    QWidget* insert = setup->page(QStringLiteral("Insert"));
    fieldLabelled<QComboBox>(insert, QStringLiteral("Model:"))->setCurrentText(QStringLiteral("ER-3A"));
    for (QRadioButton* coupler : insert->findChildren<QRadioButton*>())
        if (coupler->text() == QStringLiteral("RKC314"))
            coupler->click();
    type(insert, QStringLiteral("Left serial number:"), QStringLiteral("IL-1"));
    type(insert, QStringLiteral("Right serial number:"), QStringLiteral("IR-1"));
    // The circumaural earphones stay in their case: no serial numbers, so the sheet does not offer them.
    setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(frame->views().current(), ViewId::Summary) << qPrintable(t.messages.texts().join(u'\n'));

    auto* summary = qobject_cast<SummaryView*>(frame->currentView());
    ASSERT_NE(summary, nullptr);
    QStringList labels;
    for (const QLabel* label : summary->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Quenmark  QA-40  SN:AX-2210"))) << qPrintable(labels.join(u'|'));
    summary->technicianField()->setCurrentText(QStringLiteral("R. Olsen"));
}

void WalkThroughTest::passTheCalibrationCheck() {
    QString differenceAfterCorrection;
    calibration.show = [this, &differenceAfterCorrection] {
        return whileModal<MeterCalibrationDialog>(
            [this] {
                return runDocumentCalibrationCheck(meter.session(), measurementServices(), database, frame.get());
            },
            [this, &differenceAfterCorrection](MeterCalibrationDialog& window) {
                window.tick();
                window.setCalibrationButton()->click();
                // The correction resets the meter: its display climbs back to the calibrator within a second or two.
                t.clock.advance(2000);
                window.tick();
                differenceAfterCorrection = window.difference()->text();
                window.accept();
            });
    };
    buttonLabelled(frame->currentView(), QStringLiteral("Go To Measurement..."))->click();
    ASSERT_EQ(frame->views().current(), ViewId::TestSheet);
    EXPECT_EQ(calibration.runs, 1);
    EXPECT_TRUE(document.calibrationChecked());
    EXPECT_NEAR(differenceAfterCorrection.toDouble(), 0.0, 0.15) << qPrintable(differenceAfterCorrection);
    EXPECT_EQ(database.calibratedMicrophoneModel(), database.instruments().list(InstrumentKind::Microphone)[0].model());
}

void WalkThroughTest::measureHearingLevel(TestSheetView& sheet, const QString& transducer) {
    EXPECT_EQ(sheet.titleLabel()->text(), "Hearing Level");
    ASSERT_EQ(sheet.transducerList()->currentItem()->text(), transducer);
    ASSERT_GE(sheet.pages()->count(), 2);
    for (int channel : {0, 1}) {
        sheet.pages()->setCurrentIndex(channel);
        QPushButton* measureAll = sheet.button(QStringLiteral("Measure All"));
        if (database.conditionsAsked()) {
            measureAll->click();
        } else {
            // The set-up chose the maker's own mastoid: the first run of the session asks for the conditions.
            whileModal<ConditionsDialog>(
                [measureAll] {
                    measureAll->click();
                    return 0;
                },
                [](ConditionsDialog& conditions) { conditions.accept(); });
            EXPECT_TRUE(database.conditionsAsked());
            EXPECT_FLOAT_EQ(database.record().setup.temperature, 23.0f);
        }
        auto* page = qobject_cast<ResultListPage*>(sheet.pages()->widget(channel));
        ASSERT_NE(page, nullptr);
        const QString levels = columnTexts(*page->table(), QStringLiteral("Hearing Level")).join(u' ');
        EXPECT_EQ(page->table()->rowCount(), 11) << qPrintable(transducer);
        EXPECT_FALSE(levels.contains(QStringLiteral("----"))) << qPrintable(transducer) << channel;
        EXPECT_FALSE(levels.contains(u'(')) << "no failing level on a calibrated audiometer";
    }
}

TEST_F(WalkThroughTest, FromSetupToTheStoredHearingLevelTests) {
    setUpThroughTheSetupView();
    passTheCalibrationCheck();
    auto* sheet = qobject_cast<TestSheetView*>(frame->currentView());
    ASSERT_NE(sheet, nullptr);
    const QStringList offered = [sheet] {
        QStringList names;
        for (int i = 0; i < sheet->transducerList()->count(); ++i)
            names << sheet->transducerList()->item(i)->text();
        return names;
    }();
    measureHearingLevel(*sheet, QStringLiteral("Supra-aural Earphone"));

    // Going on to the insert earphones asks whether to save what was measured.
    const int insertRow = int(offered.indexOf(QStringLiteral("Insert Earphone")));
    ASSERT_GE(insertRow, 0) << qPrintable(offered.join(u','));
    whileModal<SaveNowDialog>(
        [sheet, insertRow] {
            sheet->transducerList()->setCurrentRow(insertRow);
            return 0;
        },
        [](SaveNowDialog& question) { buttonLabelled(&question, QStringLiteral("Save"))->click(); });
    measureHearingLevel(*sheet, QStringLiteral("Insert Earphone"));

    // The supra-aural results are stored already: saving again replaces them, with the insert results added.
    t.messages.answer(QStringLiteral("Saving measurement will overwrite previous values."), MessageAnswer::Yes, 1);
    sheet->button(QStringLiteral("Ok"))->click();
    ASSERT_EQ(frame->views().current(), ViewId::Summary);
    EXPECT_EQ(document.testStatus(0, 0), 1); // hearing level, supra-aural: pass
    EXPECT_EQ(document.testStatus(0, 3), 1); // hearing level, insert: pass
    EXPECT_EQ(document.testStatus(0, 4), 0); // circumaural earphones were not measured
    EXPECT_FALSE(document.isModified());
    buttonLabelled(frame->currentView(), QStringLiteral("Done"))->click();
    ASSERT_EQ(frame->views().current(), ViewId::Idle);
    QCoreApplication::processEvents(); // the menus follow the view once the window is idle again

    // Another day: the test is found by its serial number and opens in the summary.
    frame->action(MenuCommand::NewMeasurement)->trigger();
    whileModal<StoredMeasurementsDialog>(
        [this] {
            frame->action(MenuCommand::StoredMeasurements)->trigger();
            return 0;
        },
        [](StoredMeasurementsDialog& stored) {
            StoredAudiometerTestsPage* page = stored.audiometricPage();
            type(page, QStringLiteral("Serial Num:"), QStringLiteral("AX-2210"));
            buttonLabelled(page, QStringLiteral("Update List"))->click();
            QTreeView* list = page->resultList();
            ASSERT_EQ(list->model()->rowCount(), 1);
            list->setCurrentIndex(list->model()->index(0, 0));
            buttonLabelled(&stored, QStringLiteral("Retrieve"))->click();
        });
    EXPECT_EQ(frame->views().current(), ViewId::Summary);
    EXPECT_EQ(fixedText(database.record().setup.technician), "R. Olsen");
    EXPECT_EQ(fixedText(database.record().setup.insert.leftSerial), "IL-1");
    EXPECT_EQ(document.testStatus(0, 3), 1);
}

} // namespace
} // namespace orvik::test
