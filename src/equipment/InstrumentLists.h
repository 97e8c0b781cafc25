#pragma once

#include "equipment/InstrumentEntry.h"

#include <QByteArray>
#include <vector>

namespace orvik {

// The technician's five instrument lists, each in the order of addition, plus entries of the five stored lists
// this program does not use (codes 2, 4, 5, 6, 8), kept only so that writing the block back loses nothing.
class InstrumentLists {
public:
    std::vector<InstrumentEntry>& list(InstrumentKind kind);
    const std::vector<InstrumentEntry>& list(InstrumentKind kind) const;

    bool isEmpty() const;
    int totalCount() const;
    void clear();

    // The entry with this serial number (exact, case-sensitive), or -1.
    int find(InstrumentKind kind, const QString& serialNumber) const;

    // All entries, 832 bytes each, list by list in the stored order; link words written as 0.
    QByteArray toBlock() const;
    // Replaces the lists with the entries of a block; a tail shorter than one entry is ignored, and entries
    // with codes outside 0..9 or with a value measurements read that is not a finite number are skipped.
    static InstrumentLists fromBlock(const char* data, qsizetype size);

    // Two desks writing the lists: each list this desk changed since it read them (mine against asRead) is
    // taken from mine, every other list as another desk stored it meanwhile (stored). The last writer of a
    // list wins; an unchanged list never undoes a colleague's change.
    static InstrumentLists merged(const InstrumentLists& mine, const InstrumentLists& asRead,
                                  const InstrumentLists& stored);
    bool operator==(const InstrumentLists& other) const;

private:
    static constexpr int StoredListCount = 10;
    static int slot(qint32 code); // 0..9 by stored order
    std::vector<InstrumentEntry> m_lists[StoredListCount];
};

} // namespace orvik
