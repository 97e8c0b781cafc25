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
    // Marks the record present and stores it under its test name; false after a reported failure.
    virtual bool storeBooth() = 0;
};

} // namespace orvik
