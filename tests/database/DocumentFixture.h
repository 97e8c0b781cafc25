#pragma once

#include "EngineUnderTest.h"
#include "TestServices.h"
#include "database/Document.h"
#include "model/FixedText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik::test {

// A document over a new database (a file in a fresh temporary folder, or one on the test server), with scripted
// answers.
class DocumentFixture : public ::testing::Test {
protected:
    DocumentFixture() : doc(services.services(), dir.path()) {
        doc.today = [] { return QDate(2024, 3, 5); };
    }

    QString path(const QString& name = QStringLiteral("OrvikDB.mdb")) const { return dir.filePath(name); }

    // A new database, created by answering the create question, version checked and recordsets open. Without a
    // server for a server-engine test, the test is skipped here.
    void createDatabase(const QString& name = QStringLiteral("OrvikDB.mdb")) {
        ORVIK_REQUIRE_ENGINE();
        location = newDatabaseLocation(dir, name);
        services.messages.answer(QStringLiteral("doesn't exist"), MessageAnswer::Yes, 1);
        ASSERT_TRUE(doc.openDatabase(location, true));
        ASSERT_EQ(doc.checkDatabaseVersion(), 0);
        services.messages.clear();
    }

    // The current record as a technician would have filled it before saving.
    void fillRecord(const char* technician = "J. Smith", const char* model = "AC40", const char* serial = "0412877",
                    const char* date = "2024-03-05") {
        doc.newRecord();
        TestSetup& s = doc.record().setup;
        setFixedText(s.technician, QString::fromUtf8(technician));
        setFixedText(s.audModel, QString::fromUtf8(model));
        setFixedText(s.audSerialNumber, QString::fromUtf8(serial));
        setFixedText(s.testDate, QString::fromLatin1(date));
        setFixedText(s.customerName, QStringLiteral("Lakeside Audiology"));
        s.channelToTest = 2;
        s.temperature = 22.5f;
        doc.record().setup.humidity = 55;
        doc.record().notes.visualCheck[3] = 1;
        doc.setModified(true);
    }

    void saveTest(const char* technician, const char* model, const char* serial, int channel,
                  const char* date = "2024-03-05") {
        fillRecord(technician, model, serial, date);
        doc.record().setup.channelToTest = static_cast<quint16>(channel);
        ASSERT_EQ(doc.saveRecord(), Document::SaveResult::Saved);
    }

    void saveBooth(const char* name, const char* customer, const char* date = "2024-01-10") {
        doc.ambientRecord() = clearedAmbientRecord();
        setFixedText(doc.ambientRecord().testName, QString::fromUtf8(name));
        setFixedText(doc.ambientRecord().customerName, QString::fromUtf8(customer));
        setFixedText(doc.ambientRecord().booth, QStringLiteral("Booth A"));
        setFixedText(doc.ambientRecord().measurementDate, QString::fromLatin1(date));
        ASSERT_EQ(doc.saveAmbientRecord(), BoothStore::StoreResult::Stored);
    }

    QTemporaryDir dir;
    QString location; // of the database createDatabase() made
    TestServices services;
    Document doc;
};

} // namespace orvik::test
