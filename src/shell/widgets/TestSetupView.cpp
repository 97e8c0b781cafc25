#include "shell/widgets/TestSetupView.h"

#include "core/MessageBox.h"
#include "core/widgets/FileDialogChooser.h"
#include "model/AudiometerRecord.h"
#include "model/FrequencyTable.h"
#include "model/SetupCheck.h"
#include "model/widgets/RetsplDialog.h"
#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"
#include "shell/widgets/AudiometerInfoPage.h"
#include "shell/widgets/EarphonePage.h"
#include "shell/widgets/FrequencyRangePage.h"
#include "shell/widgets/InstrumentChoicePage.h"
#include "shell/widgets/SupraAuralPage.h"
#include "shell/widgets/TextFieldsPage.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvik {

namespace {
template <std::size_t N> TextFieldsPage::Field field(const char* label, char (TestSetup::*member)[N]) {
    return {QString::fromLatin1(label), [member](TestSetup& s) { return (s.*member); }, int(N)};
}

template <std::size_t N>
TextFieldsPage::Field deviceField(const char* label, std::function<DeviceDescription&(TestSetup&)> device,
                                 char (DeviceDescription::*member)[N]) {
    return {QString::fromLatin1(label), [device, member](TestSetup& s) { return (device(s).*member); }, int(N)};
}

std::vector<TextFieldsPage::Field> deviceFields(const char* prefix,
                                               std::function<DeviceDescription&(TestSetup&)> device) {
    const QByteArray p(prefix);
    return {deviceField((p + "manufacturer:").constData(), device, &DeviceDescription::manufacturer),
            deviceField((p + "model:").constData(), device, &DeviceDescription::model),
            deviceField((p + "serial number:").constData(), device, &DeviceDescription::serialNumber)};
}
} // namespace

TestSetupView::TestSetupView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_working(std::make_unique<TestSetup>(context.document.record().setup)),
      m_tree(new QTreeWidget(this)), m_pages(new QStackedWidget(this)) {
    // Fields the set-up check refused (SetupPage::markField).
    setStyleSheet(QStringLiteral("*[invalid=\"true\"] { border: 1px solid red; }"));
    m_tree->setHeaderHidden(true);
    m_tree->setMaximumWidth(230);
    const std::vector<EarphoneBlock> earphones = context.earphones ? context.earphones() : std::vector<EarphoneBlock>{};

    addPage(QStringLiteral("Audiometer Description"), QStringLiteral("Audiometers"), new AudiometerInfoPage(this));
    addPage(QStringLiteral("Audiometer Description"), QStringLiteral("Low Frequencies"),
            new FrequencyRangePage(FirstFrequencyWithBox, LastLowFrequency, true, this));
    addPage(QStringLiteral("Audiometer Description"), QStringLiteral("High Frequencies"),
            new FrequencyRangePage(FirstHighFrequency, FrequencyCount - 1, false, this));
    m_supra = new SupraAuralPage(earphones, context.settings, context.alternateMode, context.askIncompatible, this);
    addPage(QStringLiteral("Select Earphones"), QStringLiteral("Supra-aural"), m_supra);
    offerRetsplEditor(m_supra, m_supra->editRetsplButton(), EarphoneKind::SupraAural);
    auto* insert = new EarphonePage(1, {{3, "RKC314"}, {4, "HA - 1 (RKC312 or RKC313)"}, {5, "HA - 2"}},
                                          earphones, context.alternateMode, this);
    addPage(QStringLiteral("Select Earphones"), QStringLiteral("Insert"), insert);
    offerRetsplEditor(insert, insert->editRetsplButton(), EarphoneKind::Insert);
    auto* circumaural = new EarphonePage(2, {{1, "RKC311 (IEC 60318-1)"}, {6, "RKC420 (IEC 60318-1)"}}, earphones,
                                               context.alternateMode, this);
    addPage(QStringLiteral("Select Earphones"), QStringLiteral("Circumaural"), circumaural);
    offerRetsplEditor(circumaural, circumaural->editRetsplButton(), EarphoneKind::Circumaural);
    addPage(
        QStringLiteral("Bone Vibrator Description"), QStringLiteral("Bone Vibrator"),
        new TextFieldsPage(deviceFields("", [](TestSetup& s) -> DeviceDescription& { return s.boneVibrator; }), this));
    auto speakers = deviceFields("Left ", [](TestSetup& s) -> DeviceDescription& { return s.speakers[0]; });
    for (TextFieldsPage::Field& f :
         deviceFields("Right ", [](TestSetup& s) -> DeviceDescription& { return s.speakers[1]; }))
        speakers.push_back(std::move(f));
    addPage(QStringLiteral("Speaker Description"), QStringLiteral("Speaker"), new TextFieldsPage(speakers, this));
    if (context.instruments) {
        InstrumentLists& lists = *context.instruments;
        addPage(QStringLiteral("Select Microphones"), QStringLiteral("Microphones"),
                new InstrumentChoicePage(lists, InstrumentChoicePage::microphoneRows(), this));
        addPage(QStringLiteral("Select Instrumentation"), QStringLiteral("Equipment"),
                new InstrumentChoicePage(lists, InstrumentChoicePage::equipmentRows(), this));
        addPage(
            QStringLiteral("Select Instrumentation"), QStringLiteral("Calibrator"),
            new InstrumentChoicePage(
                lists, InstrumentChoicePage::rowOf(QStringLiteral("Calibrator"), InstrumentKind::Calibrator), this));
        addPage(QStringLiteral("Select Instrumentation"), QStringLiteral("Mastoid"),
                new InstrumentChoicePage(
                    lists, InstrumentChoicePage::rowOf(QStringLiteral("Mastoid"), InstrumentKind::Mastoid), this));
    }
    addPage(QStringLiteral("Enter Test Location"), QStringLiteral("Location"),
            new TextFieldsPage({field("Customer Name:", &TestSetup::customerName),
                               field("Location:", &TestSetup::location1), field("", &TestSetup::location2)},
                              this));
    m_tree->expandAll();
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, Qt::UserRole).isValid())
            m_pages->setCurrentIndex(item->data(0, Qt::UserRole).toInt());
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TestSetupView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TestSetupView::cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(m_tree);
    body->addWidget(m_pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>Audiometer Test Setup</h3>"), this));
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    showPage(QStringLiteral("Audiometers"));
}

TestSetupView::~TestSetupView() = default;

void TestSetupView::addPage(const QString& heading, const QString& title, SetupPage* page) {
    QTreeWidgetItem* group = nullptr;
    const QList<QTreeWidgetItem*> found = m_tree->findItems(heading, Qt::MatchExactly);
    if (found.isEmpty()) {
        group = new QTreeWidgetItem(m_tree, {heading});
        group->setFlags(Qt::ItemIsEnabled);
    } else {
        group = found.first();
    }
    auto* item = new QTreeWidgetItem(group, {title});
    item->setData(0, Qt::UserRole, m_pages->addWidget(page));
    page->load(*m_working);
    m_byTitle.append({title, page});
}

void TestSetupView::offerRetsplEditor(SetupPage* page, QPushButton* button, EarphoneKind kind) {
    connect(button, &QPushButton::clicked, this, [this, page, kind] { editRetspl(*page, kind); });
}

void TestSetupView::editRetspl(SetupPage& page, EarphoneKind kind) {
    // Stored first, so the editor and its defaults are those of the model and coupler the page shows now.
    page.store(*m_working);
    RetsplDialog(earphoneSlot(*m_working, kind), m_context.alternateMode, fileDialogChooser(this), this).exec();
}

SetupPage* TestSetupView::page(const QString& title) const {
    for (const auto& [t, p] : m_byTitle)
        if (t == title)
            return p;
    return nullptr;
}

void TestSetupView::showPage(const QString& title) {
    const QList<QTreeWidgetItem*> items = m_tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    if (!items.isEmpty())
        m_tree->setCurrentItem(items.first());
}

void TestSetupView::accept() {
    for (const auto& [title, page] : m_byTitle)
        page->store(*m_working);
    const std::vector<SetupProblem> problems = checkSetup(*m_working, QDate::currentDate());
    std::vector<SetupField> fields;
    for (const SetupProblem& problem : problems)
        fields.push_back(problem.field);
    for (const auto& [title, page] : m_byTitle)
        page->markProblems(fields);
    if (!problems.empty()) {
        const bool acceptable = setupAcceptable(problems);
        const MessageButtons buttons = acceptable ? MessageButtons::OkCancel : MessageButtons::Ok;
        if (m_context.messages.show(setupProblemText(problems), buttons) != MessageAnswer::Ok || !acceptable) {
            showPage(fields.front() == SetupField::Frequencies ? QStringLiteral("Low Frequencies")
                                                               : QStringLiteral("Audiometers"));
            return;
        }
    }
    m_context.document.record().setup = *m_working;
    m_context.document.setModified(true);
    m_context.document.markTestStarted();
    m_context.views.switchView(ViewId::Summary);
}

void TestSetupView::cancel() {
    m_context.views.goBack();
}

} // namespace orvik
