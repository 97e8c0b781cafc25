#include "ambient/BoothInstruments.h"

#include "equipment/InstrumentEntry.h"
#include "model/FixedText.h"

namespace orvik {

namespace {
// The list's one instrument, or null: with two or more the program cannot know which is on the tripod.
const InstrumentEntry* loneInstrument(const InstrumentLists& lists, InstrumentKind kind) {
    const std::vector<InstrumentEntry>& list = lists.list(kind);
    return list.size() == 1 && !list.front().serialNumber().isEmpty() ? &list.front() : nullptr;
}

bool chosen(const EmbeddedIdentity& identity) {
    return !fixedText(identity.serialNumber).isEmpty();
}

template <typename Embedded, typename Convert>
QString fill(Embedded& field, const EmbeddedIdentity& identity, const InstrumentLists& lists, InstrumentKind kind,
             Convert convert, const char* missingLine) {
    if (chosen(identity))
        return {};
    if (const InstrumentEntry* entry = loneInstrument(lists, kind)) {
        field = convert(*entry);
        return {};
    }
    return QString::fromLatin1(missingLine);
}
} // namespace

QString chooseLoneInstruments(AmbientRecord& record, const InstrumentLists& lists) {
    return fill(record.soundLevelMeter, record.soundLevelMeter, lists, InstrumentKind::SoundLevelMeter,
                toEmbeddedIdentity, "    SLM\n") +
           fill(record.preamp, record.preamp, lists, InstrumentKind::Preamp, toEmbeddedIdentity, "    Preamp\n") +
           fill(record.microphone, record.microphone.identity, lists, InstrumentKind::Microphone, toEmbeddedMicrophone,
                "    Mic\n");
}

bool checkBoothInstruments(AmbientRecord& record, const InstrumentLists& lists, MessageBox& messages) {
    const QString missing = chooseLoneInstruments(record, lists);
    if (missing.isEmpty())
        return true;
    messages.show(QStringLiteral("Unable to perform measurement because not all required equipment has\nbeen "
                                 "selected.\n\nBefore doing this measurement you will need to make selections for "
                                 "\nthe following:\n\n") +
                  missing);
    return false;
}

} // namespace orvik
