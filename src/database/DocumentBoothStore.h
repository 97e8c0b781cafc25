#pragma once

#include "ambient/BoothStore.h"
#include "database/Document.h"

namespace orvik {

// The document as the booth test sees it.
class DocumentBoothStore final : public BoothStore {
public:
    explicit DocumentBoothStore(Document& document) : m_document(document) {}
    AmbientRecord& boothRecord() override { return m_document.ambientRecord(); }
    bool boothPresent() const override { return m_document.ambientPresent(); }
    bool boothFromDatabase() const override { return m_document.ambientFromDatabase(); }
    std::optional<bool> boothNameUsed(const QString& testName) override {
        return m_document.ambientTestNameUsed(testName);
    }
    StoreResult storeBooth(bool mayReplace) override {
        m_document.setAmbientPresent(true);
        return m_document.saveAmbientRecord(mayReplace);
    }

private:
    Document& m_document;
};

} // namespace orvik
