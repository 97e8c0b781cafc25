#include "measure/widgets/SourcePageControls.h"

#include "report/widgets/GraphDialog.h"

#include "measure/BroadBandMeasurement.h"
#include "measure/SpeechMeasurement.h"
#include "measure/widgets/ResultListPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace orvik {

namespace {
// "HL Dial Setting:" of a page; a refused text goes back to the setting in force.
QWidget* dialSettingEdit(const std::function<int()>& current, const std::function<bool(const QString&)>& take) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("HL Dial Setting:")));
    auto* edit = new QLineEdit(QString::number(current()));
    layout->addWidget(edit);
    QObject::connect(edit, &QLineEdit::editingFinished, row, [edit, current, take] {
        if (!take(edit->text()))
            edit->setText(QString::number(current()));
    });
    return row;
}

// A row of exclusive choices ("Placement:", "Incidence Angle:").
QWidget* choiceRow(const QString& label, const QStringList& names, int chosen, const std::function<void(int)>& choose) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(label));
    auto* group = new QButtonGroup(row);
    for (int n = 0; n < names.size(); ++n) {
        auto* button = new QRadioButton(names[n]);
        button->setChecked(n == chosen);
        group->addButton(button, n);
        layout->addWidget(button);
    }
    QObject::connect(group, &QButtonGroup::idClicked, row, choose);
    return row;
}
} // namespace

BroadBandControls::BroadBandControls(ResultListPage& view, BroadBandMeasurement& page)
    : m_view(view), m_page(page) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dialSettingEdit([&page] { return page.dialSetting(); },
                                      [&page](const QString& text) { return page.setDialSettingText(text); }));
    auto* shown = new QComboBox;
    shown->addItems({QStringLiteral("Max Deviation"), QStringLiteral("Overall SPL"), QStringLiteral("SPL at 1000 Hz")});
    shown->setCurrentIndex(int(page.listView()));
    layout->addWidget(shown);
    connect(shown, &QComboBox::currentIndexChanged, this, [&view, &page](int index) {
        page.setListView(BroadBandListView(index));
        view.refill();
    });
    auto* viewButton = new QPushButton(QStringLiteral("View Data"));
    layout->addWidget(viewButton);
    connect(viewButton, &QPushButton::clicked, this, &BroadBandControls::viewData);
    if (!page.note().isEmpty())
        layout->addWidget(new QLabel(page.note()));
}

void BroadBandControls::viewData() {
    const QList<int> rows = m_view.selectedRows();
    if (!m_page.viewDataAllowed(rows))
        return;
    const QList<QPointF> points = m_page.viewDataPoints(rows.front());
    Q_EMIT spectrumChosen(m_page.list().rows[rows.front()].cells.value(0), points);
    QList<double> hz, db;
    for (const QPointF& point : points) {
        hz << point.x();
        db << point.y();
    }
    if (!GraphDialog::showSpectrum(this, hz, db))
        m_page.tellGraphFailed();
}

void addBroadBandControls(ResultListPage& view, Measurement& measurement) {
    view.addControl(new BroadBandControls(view, static_cast<BroadBandMeasurement&>(measurement)));
}

void addSpeechControls(ResultListPage& view, Measurement& measurement) {
    auto& page = static_cast<SpeechMeasurement&>(measurement);
    view.addControl(dialSettingEdit([&page] { return page.dialSetting(); },
                                    [&page](const QString& text) { return page.setDialSettingText(text); }));
    if (page.transducer() == TransducerKind::BoneVibrator)
        view.addControl(choiceRow(QStringLiteral("Placement:"), SpeechMeasurement::placementNames(), page.placement(),
                                  [&page](int n) { page.setPlacement(n); }));
    if (page.transducer() == TransducerKind::SoundField)
        view.addControl(choiceRow(QStringLiteral("Incidence Angle:"), SpeechMeasurement::angleNames(), page.angle(),
                                  [&page](int n) { page.setAngle(n); }));
}

} // namespace orvik
