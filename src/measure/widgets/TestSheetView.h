#pragma once

#include "core/AppServices.h"
#include "measure/ConditionsQuestion.h"
#include "model/Transducer.h"
#include "shell/ViewContext.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace orvik {

class BusyState;
class TestSheetController;
class MeterSession;
struct AudiometerRecord;

// What the test sheet needs beyond the view context: the meter session it measures through, the seams its
// pages ask and wait with, and how the record is stored (true when it was).
struct TestSheetSeams {
    MeterSession& session;
    AppServices services;
    std::function<bool(const AudiometerRecord&)> save;
    // The microphone model of the last meter calibration check (empty: none yet).
    std::function<QString()> calibratedMicrophoneModel;
    // Told the sheet's transducer whenever the technician goes on to another one; a simulated bench puts that
    // transducer on its coupler.
    std::function<void(TransducerKind)> transducerOnCoupler = {};
    // Whether the session asked for the conditions already; the view adds the dialog that asks.
    ConditionsQuestion conditions = {};
};

// The audiometer test sheet: the test and transducer lists, one tab per page of the chosen test and
// transducer, the run buttons and the labels. The run control (TestSheetController) decides everything; this view
// shows its state and forwards clicks.
class TestSheetView final : public QWidget {
    Q_OBJECT
public:
    // `test`: the test to open, or -1 for the first.
    TestSheetView(ViewContext& context, TestSheetSeams seams, int test = -1, QWidget* parent = nullptr);
    ~TestSheetView() override;

    QListWidget* testList() const { return m_tests; }
    QListWidget* transducerList() const { return m_transducers; }
    QTabWidget* pages() const { return m_pages; }
    QLabel* instrumentLabel() const { return m_instrument; }
    QLabel* titleLabel() const { return m_title; }
    QLabel* dateLabel() const { return m_date; }
    QLabel* timeLabel() const { return m_time; }
    // The sheet's button with this text (not a page's); null when there is none.
    QPushButton* button(const QString& text) const;
    // Null when the meter was not connected as the view opened.
    TestSheetController* sheet() const;

private:
    struct Links;

    void buildLayout();
    QPushButton* addButton(const QString& text, void (TestSheetView::*handler)());
    void showPages();
    void placeTransducer();
    void showLists();
    void showLabels();
    void markTransducersOutsideSetup();
    void showClock();
    void run(const std::function<void()>& measure);
    BusyState& busy();
    void measureAll();
    void measureSelected();
    void nextTest();
    void adjust();
    void adjustSpeech();
    void conditions();
    void save();
    void ok();
    void cancel();
    void recordChanged();

    ViewContext& m_context;
    TestSheetSeams m_seams;
    std::unique_ptr<Links> m_links;
    QListWidget* m_tests = nullptr;
    QListWidget* m_transducers = nullptr;
    QTabWidget* m_pages = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_instrument = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QWidget* m_buttons = nullptr;
    bool m_filling = false;
};

} // namespace orvik
