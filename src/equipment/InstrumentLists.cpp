#include "equipment/InstrumentLists.h"

#include "equipment/InstrumentValueFields.h"

#include <cstring>

namespace orvik {

namespace {
// Stored order of the ten lists: the five in use, then the codes no list of this program holds.
constexpr qint32 StoredOrder[] = {0, 3, 1, 9, 7, 2, 4, 5, 6, 8};
} // namespace

int InstrumentLists::slot(qint32 code) {
    for (int i = 0; i < StoredListCount; ++i) {
        if (StoredOrder[i] == code)
            return i;
    }
    return -1;
}

std::vector<InstrumentEntry>& InstrumentLists::list(InstrumentKind kind) {
    return m_lists[slot(static_cast<qint32>(kind))];
}

const std::vector<InstrumentEntry>& InstrumentLists::list(InstrumentKind kind) const {
    return m_lists[slot(static_cast<qint32>(kind))];
}

bool InstrumentLists::isEmpty() const {
    return totalCount() == 0;
}

int InstrumentLists::totalCount() const {
    int count = 0;
    for (const auto& list : m_lists)
        count += static_cast<int>(list.size());
    return count;
}

void InstrumentLists::clear() {
    for (auto& list : m_lists)
        list.clear();
}

int InstrumentLists::find(InstrumentKind kind, const QString& serialNumber) const {
    const auto& entries = list(kind);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].serialNumber() == serialNumber)
            return static_cast<int>(i);
    }
    return -1;
}

QByteArray InstrumentLists::toBlock() const {
    QByteArray block;
    block.reserve(totalCount() * static_cast<qsizetype>(sizeof(InstrumentEntry)));
    for (const auto& list : m_lists) {
        for (InstrumentEntry entry : list) {
            entry.link = 0;
            block.append(reinterpret_cast<const char*>(&entry), sizeof entry);
        }
    }
    return block;
}

InstrumentLists InstrumentLists::fromBlock(const char* data, qsizetype size) {
    InstrumentLists lists;
    constexpr qsizetype entrySize = sizeof(InstrumentEntry);
    for (qsizetype at = 0; size - at >= entrySize; at += entrySize) {
        InstrumentEntry entry;
        std::memcpy(&entry, data + at, sizeof entry);
        const int index = slot(entry.kind);
        // An entry holding a value that is no number is damaged: it is left out, so no measurement can use it.
        if (index < 0 || !hasFiniteValues(entry))
            continue;
        entry.link = 0;
        lists.m_lists[index].push_back(entry);
    }
    return lists;
}

namespace {
bool sameEntries(const std::vector<InstrumentEntry>& a, const std::vector<InstrumentEntry>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(InstrumentEntry)) == 0);
}
} // namespace

InstrumentLists InstrumentLists::merged(const InstrumentLists& mine, const InstrumentLists& asRead,
                                        const InstrumentLists& stored) {
    InstrumentLists result;
    for (int i = 0; i < StoredListCount; ++i)
        result.m_lists[i] = sameEntries(mine.m_lists[i], asRead.m_lists[i]) ? stored.m_lists[i] : mine.m_lists[i];
    return result;
}

bool InstrumentLists::operator==(const InstrumentLists& other) const {
    for (int i = 0; i < StoredListCount; ++i)
        if (!sameEntries(m_lists[i], other.m_lists[i]))
            return false;
    return true;
}

} // namespace orvik
