#include "shell/widgets/TestNotesView.h"

#include "model/AudiometerRecord.h"
#include "model/FixedText.h"
#include "model/widgets/ConditionsDialog.h"
#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orvik {

namespace {
const char* const VisualCheckNames[VisualCheckItems] = {
    "Left earphone",        "Right earphone",         "Left earphone cushion",   "Right earphone cushion",
    "Left earphone cord",   "Right earphone cord",    "Headband",                "Bone vibrator",
    "Bone vibrator cord",   "Power cord",             "Tone 'On' lamp",          "Power 'On' lamp",
    "Attenuator",           "Masking control",        "Volume control",          "Power switch",
    "Fuse",                 "Tone interrupter",       "Tone reverse switch",     "Freq. selector switch",
    "Earphone selector switch", "Response card",      "Output seletor switch",   "Ch. 1 input selector switch",
    "Ch. 2 input selector switch", "Function selector switch", "Microphone",     "Monitor earphone/speaker",
    "Manual pulse tone control", "VU meter"};
const char* const AnswerHeads[] = {"P", "F", "NA"}; // stored 0, 1, 2
constexpr int Answers = 3;
constexpr int ItemsPerColumn = 15;
} // namespace

TestNotesView::TestNotesView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_comments(new QPlainTextEdit(this)) {
    const TestNotes& notes = context.document.record().notes;
    m_comments->setPlainText(fixedText(notes.comments));
    m_comments->setMaximumHeight(110);
    connect(m_comments, &QPlainTextEdit::textChanged, this, [this] {
        // Keep to what the record holds rather than cutting silently on save.
        const QString text = m_comments->toPlainText();
        if (text.size() > MaxComments) {
            m_comments->setPlainText(text.left(MaxComments));
            m_comments->moveCursor(QTextCursor::End);
        }
    });

    // One box per column: Tab reads one column down before the next.
    auto* checks = new QWidget;
    auto* columns = new QHBoxLayout(checks);
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    for (int i = 0; i < VisualCheckItems; ++i) {
        const int row = i % ItemsPerColumn + 1;
        if (row == 1) {
            column = new QWidget(checks);
            grid = new QGridLayout(column);
            // Each head in the grid column of its answers, so they line up whatever the font.
            for (int a = 0; a < Answers; ++a)
                grid->addWidget(new QLabel(QString::fromLatin1(AnswerHeads[a]), column), 0, a + 1, Qt::AlignHCenter);
            columns->addWidget(column, 0, Qt::AlignTop);
        }
        grid->addWidget(new QLabel(QString::fromLatin1(VisualCheckNames[i]), column), row, 0);
        auto* group = new QButtonGroup(this);
        for (int a = 0; a < Answers; ++a) {
            auto* button = new QRadioButton(column);
            group->addButton(button, a);
            grid->addWidget(button, row, a + 1, Qt::AlignHCenter);
        }
        const int stored = notes.visualCheck[i];
        // An answer outside the three is shown as never answered, which reads as pass.
        group->button(stored >= 0 && stored < Answers ? stored : 0)->setChecked(true);
        m_items << group;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(checks);
    scroll->setWidgetResizable(true);

    auto* conditions = new QPushButton(QStringLiteral("Temperature / Humidity..."), this);
    connect(conditions, &QPushButton::clicked, this, [this] {
        // The values go straight into the record, whatever the notes' own OK or Cancel.
        if (ConditionsDialog(m_context.document.record().setup, m_context.messages, this).exec() == QDialog::Accepted)
            m_context.document.setModified(true);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(conditions, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TestNotesView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TestNotesView::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>Audiometer Test Notes</h3>"), this));
    layout->addWidget(new QLabel(QStringLiteral("Comments:"), this));
    layout->addWidget(m_comments);
    layout->addWidget(new QLabel(QStringLiteral("Visual check:"), this));
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
}

void TestNotesView::accept() {
    TestNotes& notes = m_context.document.record().notes;
    setFixedText(notes.comments, m_comments->toPlainText().left(MaxComments));
    for (int i = 0; i < VisualCheckItems; ++i)
        notes.visualCheck[i] = m_items[i]->checkedId();
    m_context.document.setModified(true);
    m_context.views.goBack();
}

void TestNotesView::cancel() {
    m_context.views.goBack();
}

} // namespace orvik
