#include "measure/widgets/LinearityInputsView.h"

#include "measure/LinearityMeasurement.h"
#include "measure/widgets/ResultListPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTableWidget>

namespace orvik {

namespace {
constexpr int DialSteps[] = {1, 2, 5, 10};

void addLabelled(QHBoxLayout* layout, const char* label, QWidget* field) {
    layout->addWidget(new QLabel(QLatin1String(label)));
    layout->addWidget(field);
}
} // namespace

LinearityInputsView::LinearityInputsView(LinearityMeasurement& page, ResultListPage& view)
    : m_page(page), m_view(view), m_frequency(new QComboBox), m_max(new QLineEdit), m_step(new QComboBox),
      m_direction(new QComboBox) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (FreqIndex i : page.frequenciesOffered())
        m_frequency->addItem(QString::number(double(frequencyHz(i))), i);
    for (int step : DialSteps)
        m_step->addItem(QString::number(step), step);
    m_direction->addItems({QStringLiteral("Auto"), QStringLiteral("Down"), QStringLiteral("Up")});
    m_max->setMaxLength(4);
    addLabelled(layout, "Test Frequency:", m_frequency);
    addLabelled(layout, "Max dBHL:", m_max);
    addLabelled(layout, "Dial step:", m_step);
    addLabelled(layout, "Direction:", m_direction);
    showInputs();
    connect(m_frequency, &QComboBox::currentIndexChanged, this, &LinearityInputsView::frequencyChosen);
    connect(m_max, &QLineEdit::editingFinished, this, &LinearityInputsView::maxTyped);
    connect(m_step, &QComboBox::currentIndexChanged, this, [this] {
        m_page.setDialStep(m_step->currentData().toInt());
        showInputs();
        m_view.refill();
    });
    connect(m_direction, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_page.setDirection(LinearityDirection(index)); });
    QPointer<QTableWidget> table = view.table();
    page.onLevelShown = [table](int row) {
        if (table && row < table->rowCount())
            table->scrollToItem(table->item(row, 0));
    };
}

void LinearityInputsView::frequencyChosen() {
    m_page.setTestFrequency(m_frequency->currentData().toInt());
    showInputs();
    m_view.refill();
}

void LinearityInputsView::maxTyped() {
    bool ok = false;
    const int typed = m_max->text().trimmed().toInt(&ok);
    if (ok)
        m_page.setMaxDialLevel(typed);
    showInputs();
    m_view.refill();
}

// Shows the page's inputs without taking them as edits; an edit the page refused (during a run) is taken back.
void LinearityInputsView::showInputs() {
    const QSignalBlocker frequency(m_frequency), step(m_step), direction(m_direction);
    m_frequency->setCurrentIndex(m_frequency->findData(m_page.testFrequency()));
    m_max->setText(QString::number(m_page.maxDialLevel()));
    m_step->setCurrentIndex(m_step->findData(m_page.dialStep()));
    m_direction->setCurrentIndex(int(m_page.direction()));
}

void addLinearityInputs(ResultListPage& view, Measurement& page) {
    view.addControl(new LinearityInputsView(static_cast<LinearityMeasurement&>(page), view));
}

} // namespace orvik
