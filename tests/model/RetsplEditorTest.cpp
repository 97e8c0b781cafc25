#include "EarphoneSlot.h"
#include "model/RetsplEditor.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

EarphoneBlock tdh39() {
    return test::defaultEarphone(0, 2, "TDH 39");
}

TEST(RetsplEditor, SaveMarksStandardOnlyWhenAllValuesAreTheDefaults) {
    EarphoneBlock slot = tdh39();
    RetsplEditor editor(slot, false);

    editor.setFieldText(12, QStringLiteral("7.5"));
    editor.save(slot);
    EXPECT_EQ(slot.retspl[12], 7.5f);
    EXPECT_EQ(slot.standard, 0);

    editor.setFieldText(12, QStringLiteral("7"));
    editor.save(slot);
    EXPECT_EQ(slot.standard, 1);

    editor.setFieldText(3, QStringLiteral("0.1")); // a value where the model has none
    editor.save(slot);
    EXPECT_EQ(slot.standard, 0);
}

TEST(RetsplEditor, ResetShowsDefaultsWithoutStoring) {
    EarphoneBlock slot = defaultEarphoneList(false)[4]; // "DD45 318-1" on coupler 6, holding its model values
    ASSERT_EQ(fixedText(slot.model), QLatin1String("DD45 318-1"));
    RetsplEditor editor(slot, false);
    EXPECT_EQ(editor.fields()[2], 45.5f);
    editor.resetToDefaults();
    EXPECT_EQ(editor.fields()[2], 45.0f); // table G
    EXPECT_EQ(slot.retspl[2], 45.5f);

    // Saved unchanged, the listed model values are not the defaults of this coupler.
    RetsplEditor(slot, false).save(slot);
    EXPECT_EQ(slot.standard, 0);
}

TEST(RetsplEditor, CsvWritesOneDecimalPerLineWithCrLf) {
    RetsplEditor::Fields fields{};
    fields[0] = 45.f;
    fields[1] = -2.5f;
    fields[38] = 7.04f;
    const QByteArray csv = RetsplEditor::toCsv(fields);
    EXPECT_TRUE(csv.startsWith("45.0\r\n-2.5\r\n0.0\r\n"));
    EXPECT_TRUE(csv.endsWith("0.0\r\n7.0\r\n"));
    EXPECT_EQ(csv.count("\r\n"), FrequencyCount);
}

TEST(RetsplEditor, CsvReadsNonNumbersAsZeroAndFillsShortFiles) {
    const auto fields = RetsplEditor::fromCsv("45.0\r\nabc\r\n  12.5 \n\r\n-3\r\nnan\r\ninf\r\n1e39\r\n");
    EXPECT_EQ(fields[0], 45.f);
    EXPECT_EQ(fields[1], 0.f);
    EXPECT_EQ(fields[2], 12.5f);
    EXPECT_EQ(fields[3], 0.f);
    EXPECT_EQ(fields[4], -3.f);
    for (int i = 5; i < FrequencyCount; ++i) // not finite, and past the end of the file
        EXPECT_EQ(fields[static_cast<std::size_t>(i)], 0.f) << i;
}

TEST(RetsplEditor, ExportImportRoundTripThroughAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EarphoneBlock slot = tdh39();
    RetsplEditor editor(slot, true);
    EXPECT_EQ(editor.proposedFileName(), QLatin1String("TDH 39.csv"));
    const QString path = dir.filePath(editor.proposedFileName());
    ASSERT_TRUE(editor.exportTo(path));

    EarphoneBlock other = slot;
    std::memset(other.retspl, 0, sizeof other.retspl);
    setFixedText(other.model, QString());
    RetsplEditor importer(other, true);
    EXPECT_EQ(importer.proposedFileName(), QLatin1String("EarphoneData.csv"));
    EXPECT_EQ(RetsplEditor(defaultEarphoneList(false)[11], true).proposedFileName(), QLatin1String("HV_1A.csv"));
    ASSERT_TRUE(importer.importFrom(path));
    EXPECT_EQ(importer.fields(), editor.fields());

    EXPECT_FALSE(importer.importFrom(dir.filePath(QStringLiteral("absent.csv"))));
    EXPECT_EQ(importer.fields(), editor.fields());
}

TEST(RetsplEditor, FieldTextReadsBackExactly) {
    for (const float value : {45.f, 7.5f, -2.5f, 0.f, 13.3f}) {
        RetsplEditor editor(tdh39(), false);
        editor.setFieldText(0, RetsplEditor::fieldText(value));
        EXPECT_EQ(editor.fields()[0], value) << value;
    }
}

} // namespace
} // namespace orvik
