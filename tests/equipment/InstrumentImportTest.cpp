#include "equipment/InstrumentImport.h"
#include "ScriptedMessageBox.h"
#include "WriteFile.h"
#include "equipment/InstrumentationEditor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {

constexpr int MicSelector = 2, MastoidSelector = 3;
const QString Certificate = QStringLiteral(ORVIK_TEST_DATA_DIR "/mastoid_certificate.xls"); // names RKC311

class InstrumentImportTest : public ::testing::Test {
protected:
    InstrumentImportTest() : editor(lists, messages, settings) {}

    QString file(const char* name, const QByteArray& text) {
        return writeFile(dir.filePath(QString::fromLatin1(name)), text);
    }

    QTemporaryDir dir;
    InstrumentLists lists;
    ScriptedMessageBox messages;
    MemorySettingsStore settings;
    InstrumentationEditor editor;
};

TEST_F(InstrumentImportTest, MastoidResponsesGoToTheFilesCouplerElseTheChosenOne) {
    messages.answer(QStringLiteral("discard the changes and change the selection"), MessageAnswer::Yes);
    const struct {
        QByteArray couplerField;
        int choice;
        int expectedSet;
    } cases[] = {{"101", 3, 2}, {"", 3, 3}, {"XYZ", 1, 1}};
    for (const auto& c : cases) {
        ASSERT_TRUE(editor.selectKind(MastoidSelector));
        const QString path =
            file("m.csv", "MASTOID,Veltan Quirn,rkb800,77,1.5,20301231," + c.couplerField + "\n250,40\n8000,60\n");
        EXPECT_EQ(importSetupFile(editor, path, SetupDelimiter::Comma, c.choice), QString());
        for (int set = 1; set <= 3; ++set)
            EXPECT_EQ(editor.pages().mastoidResponseSet(set)[5], set == c.expectedSet ? 40.0f : 0.0f)
                << c.couplerField.constData() << " set " << set;
        EXPECT_EQ(editor.pages().model(), QStringLiteral("RKB800"));
        EXPECT_TRUE(editor.pagesModified());
    }
}

TEST_F(InstrumentImportTest, FailingOrForeignFilesLeaveThePagesAlone) {
    ASSERT_TRUE(editor.selectKind(MicSelector));
    const InstrumentEntry before = editor.pages();
    const struct {
        QByteArray text;
        SetupDelimiter delimiter;
        const char* message;
    } cases[] = {
        {"MASTOID,VQ,rkb800,77,1.5,20301231\n250,40\n", SetupDelimiter::Tab,
         "Bad or missing data type in the setup file (Line 1).\n(Be sure the data in the file is tab-delimited.)"},
        {"MASTOID,VQ,rkb800,77,1.5,20301231\n250,40\n", SetupDelimiter::Comma,
         "Bad or missing data type in the setup file (Line 1).\n(Be sure the data in the file is comma-delimited.)"},
        {"MIC,VQ,M1,77,50,20301231\n40,1\n8000,2\n", SetupDelimiter::Comma,
         "The first frequency in the setup file is higher than the first possible audiometer frequency (Line 2)."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(importSetupFile(editor, file("f.csv", c.text), c.delimiter, 1), QString::fromLatin1(c.message));
        EXPECT_EQ(std::memcmp(&before, &editor.pages(), sizeof before), 0) << c.message;
        EXPECT_FALSE(editor.pagesModified());
    }
}

TEST_F(InstrumentImportTest, MicrophonePagesRefuseWorkbooks) {
    ASSERT_TRUE(editor.selectKind(MicSelector));
    messages.acknowledgeAll();
    EXPECT_FALSE(importPageFile(editor, messages, Certificate, SetupDelimiter::Comma, 0));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("This file option is not yet implememented for microphones."));
    EXPECT_EQ(messages.shown()[0].caption, QStringLiteral("This is not yet implemented"));
    EXPECT_FALSE(editor.pagesModified());
}

TEST_F(InstrumentImportTest, MastoidPagesReadCertificatesIntoTheirSet) {
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    // From the info page the certificate's own coupler decides: no question.
    EXPECT_TRUE(importPageFile(editor, messages, Certificate, SetupDelimiter::Comma, 0));
    EXPECT_FLOAT_EQ(editor.pages().mastoidResponseSet(2)[5], 67.9f);
    EXPECT_EQ(editor.pages().serialNumber(), QStringLiteral("2417"));
    // From the RKC420 page it asks; No leaves that set empty.
    messages.answer(QStringLiteral("different than the response page for RKC420"), MessageAnswer::No, 1);
    EXPECT_FALSE(importPageFile(editor, messages, Certificate, SetupDelimiter::Comma, 3));
    EXPECT_EQ(editor.pages().mastoidResponseSet(3)[5], 0.0f);
}

TEST_F(InstrumentImportTest, PageImportReportsSetupFileFailures) {
    ASSERT_TRUE(editor.selectKind(MastoidSelector));
    messages.acknowledgeAll();
    EXPECT_FALSE(
        importPageFile(editor, messages, dir.filePath(QStringLiteral("absent.csv")), SetupDelimiter::Comma, 1));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Unable to open setup file.")});
}

} // namespace
