#pragma once

#include "ambient/AmbientTest.h"
#include "shell/ViewContext.h"

#include <QWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;

namespace orvik {

class AmbientSheet;
class Document;
class KeySimulator;
class MeterSession;

struct BoothViewSeams {
    MeterSession& session;
    AppServices services;
    Document& document;
    // Connects the meter of the window; false when it could not (already reported).
    std::function<bool()> connectMeter;
    // Told true when the view opens, false when it closes: the microphone stands in the booth meanwhile.
    std::function<void(bool)> microphoneInBooth = {};
};

// "Booth Ambient Levels Measurement": the booth test's sheet with Measure All, Save, Ok and Cancel and the
// choice of level pages.
class AmbientView final : public QWidget {
    Q_OBJECT
public:
    AmbientView(ViewContext& context, BoothViewSeams seams, QWidget* parent = nullptr);
    ~AmbientView() override;

    AmbientSheet& sheet() { return *m_sheet; }
    AmbientTest& test() { return *m_test; }
    // What the level pages show; the booth report prints the same.
    int displayMode() const;
    bool showFail() const;
    void measureAll();
    void save();
    void ok();
    void cancel();

private:
    void buildLayout();
    void rebuildLevels();
    bool ensureLink();

    ViewContext& m_context;
    BoothViewSeams m_seams;
    std::unique_ptr<BoothStore> m_store;
    std::unique_ptr<AmbientTest> m_test;
    AmbientSheet* m_sheet;
    QButtonGroup* m_display;
    QCheckBox* m_showFail;
    std::unique_ptr<KeySimulator> m_keys;
    std::unique_ptr<MeterLink> m_link;
};

} // namespace orvik
