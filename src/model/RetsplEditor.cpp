#include "model/RetsplEditor.h"

#include "model/DefaultRetspl.h"
#include "model/FixedText.h"

#include <QFile>
#include <QList>

#include <cmath>

namespace orvik {

namespace {
RetsplEditor::Fields fieldsOf(const EarphoneBlock& block) {
    RetsplEditor::Fields fields{};
    for (int i = 0; i < FrequencyCount; ++i)
        fields[static_cast<std::size_t>(i)] = block.retspl[i];
    return fields;
}

float numberOrZero(QByteArrayView text) {
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : 0.f;
}
} // namespace

RetsplEditor::RetsplEditor(const EarphoneBlock& slot, bool alternateMode)
    : m_slot(slot), m_alternateMode(alternateMode), m_fields(fieldsOf(slot)) {}

void RetsplEditor::setField(int index, float value) {
    if (index >= 0 && index < FrequencyCount)
        m_fields[static_cast<std::size_t>(index)] = value;
}

void RetsplEditor::setFieldText(int index, const QString& text) {
    setField(index, numberOrZero(text.toLatin1()));
}

QString RetsplEditor::fieldText(float value) {
    return QString::number(value);
}

void RetsplEditor::resetToDefaults() {
    EarphoneBlock defaults = m_slot;
    defaultRetspl(defaults, m_alternateMode);
    m_fields = fieldsOf(defaults);
}

void RetsplEditor::save(EarphoneBlock& slot) const {
    EarphoneBlock defaults = slot;
    defaultRetspl(defaults, m_alternateMode);
    bool standard = true;
    for (int i = 0; i < FrequencyCount; ++i) {
        slot.retspl[i] = m_fields[static_cast<std::size_t>(i)];
        standard = standard && slot.retspl[i] == defaults.retspl[i];
    }
    slot.standard = standard ? 1 : 0;
}

QString RetsplEditor::proposedFileName() const {
    QString model = fixedText(m_slot.model);
    if (model.isEmpty())
        return QStringLiteral("EarphoneData.csv");
    // Model texts such as "HV/1A" and "TDH 50/49" would otherwise propose a file in a folder that does not exist.
    for (const QChar separator : {u'/', u'\\', u':'})
        model.replace(separator, u'_');
    return QStringLiteral("%1.csv").arg(model);
}

QByteArray RetsplEditor::toCsv(const Fields& fields) {
    QByteArray csv;
    for (const float value : fields)
        csv += QByteArray::number(static_cast<double>(value), 'f', 1) + "\r\n";
    return csv;
}

RetsplEditor::Fields RetsplEditor::fromCsv(const QByteArray& contents) {
    Fields fields{};
    const QList<QByteArray> lines = contents.split('\n');
    // A file with fewer lines leaves the remaining fields 0; lines beyond the 39th are ignored.
    for (int i = 0; i < FrequencyCount && i < lines.size(); ++i)
        fields[static_cast<std::size_t>(i)] = numberOrZero(lines[i]);
    return fields;
}

bool RetsplEditor::exportTo(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray csv = toCsv(m_fields);
    return file.write(csv) == csv.size();
}

bool RetsplEditor::importFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_fields = fromCsv(file.readAll());
    return true;
}

} // namespace orvik
