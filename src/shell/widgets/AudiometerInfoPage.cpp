#include "shell/widgets/AudiometerInfoPage.h"

#include "model/AudiometerPageFields.h"
#include "model/FixedText.h"
#include "model/TestSetup.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>

#include <algorithm>

namespace orvik {

namespace {
QLineEdit* textField(int maxLength, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
    return field;
}

QComboBox* numberList(int count, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int i = 1; i <= count; ++i)
        list->addItem(QString::number(i));
    return list;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return layout;
}
} // namespace

AudiometerInfoPage::DateFields AudiometerInfoPage::makeDate() {
    DateFields date{new QLineEdit(this), new QComboBox(this), new QLineEdit(this)};
    date.year->setValidator(new QIntValidator(0, 9999, date.year));
    date.year->setMaximumWidth(70);
    date.month->addItems({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
    date.day->setValidator(new QIntValidator(1, 31, date.day));
    date.day->setMaximumWidth(50);
    return date;
}

AudiometerInfoPage::AudiometerInfoPage(QWidget* parent)
    : SetupPage(parent), m_manufacturer(textField(25, this)), m_model(textField(15, this)), m_type(numberList(5, this)),
      m_serial(textField(12, this)), m_inventory(textField(15, this)), m_lastCalibrated(makeDate()), m_due(makeDate()),
      m_fmRate(new QDoubleSpinBox(this)), m_fmDeviation(new QDoubleSpinBox(this)), m_channels(numberList(4, this)),
      m_channelToTest(numberList(1, this)) {
    m_serial->setObjectName(QStringLiteral("serialNumber"));
    m_model->setObjectName(QStringLiteral("model"));
    for (QDoubleSpinBox* box : {m_fmRate, m_fmDeviation}) {
        box->setDecimals(1);
        box->setRange(0.0, 100.0);
    }
    m_fmRate->setSuffix(QStringLiteral(" Hz"));
    m_fmDeviation->setSuffix(QStringLiteral(" %"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Manufacturer:"), m_manufacturer);
    form->addRow(QStringLiteral("Model:"), m_model);
    form->addRow(QStringLiteral("ANSI type:"), row({m_type}));
    form->addRow(QStringLiteral("Serial number:"), m_serial);
    form->addRow(QStringLiteral("Inventory number:"), m_inventory);
    form->addRow(QStringLiteral("Date last calibrated:"),
                 row({m_lastCalibrated.year, m_lastCalibrated.month, m_lastCalibrated.day}));
    form->addRow(QStringLiteral("Calibration due:"), row({m_due.year, m_due.month, m_due.day}));
    form->addRow(QStringLiteral("FM modulation rate:"), row({m_fmRate}));
    form->addRow(QStringLiteral("FM deviation:"), row({m_fmDeviation}));
    form->addRow(QStringLiteral("Number of channels:"), row({m_channels}));
    form->addRow(QStringLiteral("Channel to test:"), row({m_channelToTest}));
    connect(m_channels, &QComboBox::currentIndexChanged, this, [this](int index) { offerChannels(index + 1); });
}

// Only a channel the audiometer has can be tested; the choice is kept while it still exists.
void AudiometerInfoPage::offerChannels(int channelCount) {
    const int chosen = m_channelToTest->currentIndex();
    m_channelToTest->clear();
    for (int channel = 1; channel <= channelCount; ++channel)
        m_channelToTest->addItem(QString::number(channel));
    m_channelToTest->setCurrentIndex(chosen < channelCount ? std::max(chosen, 0) : 0);
}

void AudiometerInfoPage::load(const TestSetup& setup) {
    m_manufacturer->setText(fixedText(setup.audManufacturer));
    m_model->setText(fixedText(setup.audModel));
    m_type->setCurrentIndex(AudiometerPageFields::typeListPosition(fixedText(setup.audType)));
    m_serial->setText(fixedText(setup.audSerialNumber));
    m_inventory->setText(fixedText(setup.inventoryNumber));
    const auto showDate = [](const DateFields& fields, const QString& stored) {
        const AudiometerPageFields::DateFields date = AudiometerPageFields::dateFields(stored);
        fields.year->setText(date.year);
        fields.month->setCurrentIndex(date.monthIndex);
        fields.day->setText(date.day);
    };
    showDate(m_lastCalibrated, fixedText(setup.dateLastCalibrated));
    showDate(m_due, fixedText(setup.calibrationDueDate));
    m_fmRate->setValue(double(setup.fmRate));
    m_fmDeviation->setValue(double(setup.fmDeviation));
    m_channels->setCurrentIndex(AudiometerPageFields::countListPosition(setup.numberOfChannels));
    offerChannels(m_channels->currentIndex() + 1);
    m_channelToTest->setCurrentIndex(
        AudiometerPageFields::channelListPosition(setup.channelToTest, m_channelToTest->count()));
}

void AudiometerInfoPage::markProblems(const std::vector<SetupField>& fields) {
    markField(m_serial, contains(fields, SetupField::SerialNumber));
    markField(m_model, contains(fields, SetupField::Model));
    markField(m_due.year, contains(fields, SetupField::CalibrationDueYear));
    markField(m_fmRate, contains(fields, SetupField::FmParameters));
    markField(m_fmDeviation, contains(fields, SetupField::FmParameters));
}

void AudiometerInfoPage::store(TestSetup& setup) {
    setFixedText(setup.audManufacturer, m_manufacturer->text());
    setFixedText(setup.audModel, m_model->text());
    setFixedText(setup.audType, AudiometerPageFields::storedType(m_type->currentIndex()));
    setFixedText(setup.audSerialNumber, m_serial->text());
    setFixedText(setup.inventoryNumber, m_inventory->text());
    const auto storedDate = [](const DateFields& fields) {
        // An untouched empty date stays empty rather than becoming year 0.
        if (fields.year->text().trimmed().isEmpty())
            return QString();
        return AudiometerPageFields::storedDate(fields.year->text().toInt(), fields.month->currentIndex(),
                                                fields.day->text().toInt());
    };
    setFixedText(setup.dateLastCalibrated, storedDate(m_lastCalibrated));
    setFixedText(setup.calibrationDueDate, storedDate(m_due));
    setup.fmRate = float(m_fmRate->value());
    setup.fmDeviation = float(m_fmDeviation->value());
    setup.numberOfChannels = AudiometerPageFields::storedCount(m_channels->currentIndex());
    setup.channelToTest = AudiometerPageFields::storedCount(m_channelToTest->currentIndex());
}

} // namespace orvik
