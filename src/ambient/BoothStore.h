#pragma once

#include "ambient/AmbientRecord.h"

#include <QString>
#include <optional>

namespace orvik {

// Where the booth test lives: the document's booth record and the stored booth tests. The document implements
// it; the booth logic knows nothing of the database behind it.
class BoothStore {
public:
    virtual ~BoothStore() = default;
    virtual AmbientRecord& boothRecord() = 0;
    virtual bool boothPresent() const = 0;
    // The record was loaded from or saved to the database.
    virtual bool boothFromDatabase() const = 0;
    // Whether a stored booth test has this name; nullopt after a reported failure.
    virtual std::optional<bool> boothNameUsed(const QString& testName) = 0;
    enum class StoreResult { Stored, NameTaken, Failed };
    // Marks the record present and stores it under its test name. The row of that name is replaced only when
    // mayReplace (the technician agreed, or it is this record's own row); otherwise a name another desk took
    // since it was checked is NameTaken and nothing is stored. Failed after a reported failure.
    virtual StoreResult storeBooth(bool mayReplace) = 0;
};

} // namespace orvik
