#pragma once

#include "measure/ConditionsQuestion.h"
#include "measure/DialLevelEditor.h"
#include "measure/TestCatalogue.h"
#include "measure/Measurement.h"

#include <QDate>
#include <QTime>
#include <functional>
#include <memory>
#include <vector>

namespace orvik {

// The test sheet's run control without widgets: which test and transducer are chosen, the pages they show,
// the dispatch of Measure All and Measure Selected, the test verdict written into the record's status table,
// saving and leaving. The view shows its lists, labels and pages and forwards the technician's clicks.
class TestSheetController {
public:
    // Saving belongs to the database; the view passes it in. True when the record was stored.
    using SaveRecord = std::function<bool(const AudiometerRecord&)>;
    // The save question shown on a test change while "Show Save Dialog After Test" is on. True for OK.
    using SaveNowQuestion = std::function<bool()>;

    // Starts on test 0 with its first transducer. Without an open meter session no mode is set on a test change.
    TestSheetController(AudiometerRecord& record, MeterLink& link, SaveRecord save, SaveNowQuestion saveNow);
    ~TestSheetController();

    int test() const { return m_test; }
    TransducerKind transducer() const { return m_transducer; }
    QStringList testNames() const;
    QStringList transducerNames() const;
    // The transducers the test offers, in list order: a list position always names the same transducer.
    QList<TransducerKind> transducersListed() const;
    // Whether the record's set-up uses the transducer; the list marks the others but keeps them.
    bool transducerInSetup(TransducerKind transducer) const;
    const QList<PageSlot>& pages() const { return m_pages; }
    int activePage() const { return m_active; }
    void setActivePage(int index);
    // The measuring page of a tab; null for pages that do not measure (yet).
    Measurement* measurementPage(int index);
    // The dial levels a tab edits; null for the other tabs.
    DialLevelEditor* dialLevelPage(int index);
    bool adjustVisible() const { return m_test == 0 || m_test == 9; }
    bool changed() const { return m_changed; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    QString title() const { return testName(m_test); }
    QString instrumentLabel() const;

    void chooseTest(int test);
    void chooseTransducer(int listPosition);
    int measureAll();
    int measureSelected(const QList<int>& rows);
    // False on the last test: the view returns to the measurement summary.
    bool nextTest();
    bool save();
    // Takes the data back and saves when changed; the view then returns to the summary.
    void ok();
    // Takes every page's data back into the record and writes the test's verdict into the status table.
    void takeDataBack();
    // Humidity/Temp confirmed by the technician.
    void setConditions(float temperature, quint16 humidity, float pressure);

    // The pages changed (test or transducer); the view rebuilds its tabs.
    std::function<void()> onPagesChanged;
    // Asked before a run starts; nothing is asked without it.
    ConditionsQuestion conditions;

private:
    void buildPages();
    void commitDialLevels();
    void offerSave();
    bool ensureTestMode();
    int dispatch(const std::function<int(Measurement&)>& run);

    AudiometerRecord& m_record;
    MeterLink& m_link;
    SaveRecord m_save;
    SaveNowQuestion m_saveNow;
    int m_test = 0;
    TransducerKind m_transducer = TransducerKind::SupraAural;
    QList<PageSlot> m_pages;
    std::vector<std::unique_ptr<Measurement>> m_measuring; // by tab; null for pages that do not measure
    std::vector<std::unique_ptr<DialLevelEditor>> m_dialLevels; // by tab; null for pages that do not edit them
    int m_active = 0;
    bool m_changed = false;
    bool m_readOnly = false;
};

// The view's clock labels: "%02d/%02d/%d" (month/day/year) and "%02d:%02d %s" on a 12-hour clock.
QString sheetDateLabel(const QDate& date);
QString sheetTimeLabel(const QTime& time);

// The verdict of a test from its pages' verdicts: any failing page fails it, otherwise any passing page passes it.
TestStatus combinedStatus(const QList<PageVerdict>& verdicts);

} // namespace orvik
