#include "DocumentFixture.h"
#include "database/StoredMeasurementsBrowser.h"

#include <cstring>

using namespace orvik;
using namespace orvik::test;

namespace {

// Names as technicians type them, beyond Latin-1 and beyond what their fields keep, saved, listed, searched for
// and loaded again.
class StoredText : public DocumentFixture {
protected:
    void SetUp() override { createDatabase(); }

    std::vector<int> ids(const BrowserRows& rows) {
        std::vector<int> result;
        for (std::size_t line = 0; line < rows.size(); ++line)
            result.push_back(rows.id(line));
        return result;
    }

    AudiometricSearch byTechnician(const QString& technician) {
        AudiometricSearch search;
        search.technician = technician;
        return search;
    }

    StoredMeasurementsBrowser browser{doc, services.messages};
};

TEST_F(StoredText, TechnicianModelAndSerialBeyondLatin1AreFoundAsTypedAndLoadBackExactly) {
    saveTest("J. Smith", "AC40", "0412877", 1);
    saveTest("Łukasz Wróblewski", "ΑΚ-40", "№0412", 2);

    AudiometricSearch search;
    search.technician = QStringLiteral("Łukasz Wróblewski");
    search.model = QStringLiteral("ΑΚ-40");
    search.serialNumber = QStringLiteral("№0412");
    const auto rows = browser.searchAudiometric(search);
    ASSERT_EQ(ids(rows), std::vector<int>{2});
    EXPECT_EQ(rows.cells(0).mid(0, 3),
              (QStringList{QStringLiteral("Łukasz Wróblewski"), QStringLiteral("ΑΚ-40"), QStringLiteral("№0412")}));
    EXPECT_TRUE(browser.searchAudiometric(byTechnician(QStringLiteral("?ukasz Wróblewski"))).empty());

    ASSERT_TRUE(doc.loadRecord(2));
    EXPECT_EQ(fixedText(doc.record().setup.technician), QStringLiteral("Łukasz Wróblewski"));
}

TEST_F(StoredText, ANameLongerThanItsFieldIsFoundByTheNameAsTyped) {
    const QString typed = QStringLiteral("Łukasz Grzegorz Brzęczyszczykiewicz-Wróblewski");
    const QByteArray typedUtf8 = typed.toUtf8();
    saveTest(typedUtf8.constData(), "AC40", "0412877", 1);
    const QString kept = fixedText(doc.record().setup.technician);
    ASSERT_LT(kept.size(), typed.size());
    ASSERT_TRUE(typed.startsWith(kept));

    const auto rows = browser.searchAudiometric(byTechnician(typed));
    ASSERT_EQ(ids(rows), std::vector<int>{1});
    EXPECT_EQ(rows.cells(0)[0], kept); // the column holds what the record holds
    EXPECT_EQ(ids(browser.searchAudiometric(byTechnician(kept))), std::vector<int>{1});

    // Saving the loaded record again finds its own row rather than adding one.
    ASSERT_TRUE(doc.loadRecord(1));
    doc.setModified(true);
    services.messages.answer(QStringLiteral("Saving measurement will overwrite previous values"), MessageAnswer::Yes);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    EXPECT_EQ(ids(browser.searchAudiometric({})), std::vector<int>{1});
}

TEST_F(StoredText, ARecordWithLatin1BytesFromAnEarlierVersionReadsAndIsFoundAsBefore) {
    fillRecord();
    const char latin1[] = "J\xf6rg M\xfcller";
    std::memset(doc.record().setup.technician, 0, sizeof doc.record().setup.technician);
    std::memcpy(doc.record().setup.technician, latin1, sizeof latin1 - 1);
    ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);

    const auto rows = browser.searchAudiometric(byTechnician(QStringLiteral("Jörg Müller")));
    ASSERT_EQ(ids(rows), std::vector<int>{1});
    EXPECT_EQ(rows.cells(0)[0], QStringLiteral("Jörg Müller"));
    ASSERT_TRUE(doc.loadRecord(1));
    EXPECT_EQ(QByteArray(doc.record().setup.technician), QByteArray(latin1));
}

TEST_F(StoredText, BoothTextsBeyondLatin1AreFoundAsTyped) {
    const QString customer = QStringLiteral("Szpital św. Łukasza, Oddział Laryngologii Dziecięcej");
    saveBooth("Kabina Ż-1", customer.toUtf8().constData());
    saveBooth("BT-2", "Lakeside Audiology");

    BoothSearch search;
    search.customer = customer;
    const auto rows = browser.searchBooths(search);
    ASSERT_EQ(ids(rows), std::vector<int>{1});
    EXPECT_EQ(rows.cells(0)[0], QStringLiteral("Kabina Ż-1"));
    EXPECT_EQ(rows.cells(0)[1], fittedFixedText(customer, sizeof(AmbientRecord::customerName)));
    EXPECT_TRUE(customer.startsWith(rows.cells(0)[1]));

    const QString longName = QStringLiteral("Kabina Ż-2 ") + QString(40, QChar(u'ż'));
    saveBooth(longName.toUtf8().constData(), "Lakeside Audiology");
    EXPECT_EQ(doc.ambientTestNameUsed(longName), std::optional<bool>(true));
    EXPECT_EQ(doc.ambientTestNameUsed(QStringLiteral("Kabina Ż-1")), std::optional<bool>(true));
    EXPECT_EQ(doc.ambientTestNameUsed(QStringLiteral("Kabina ?-1")), std::optional<bool>(false));
}

} // namespace
