#include "equipment/CellStream.h"
#include "equipment/CertificateWorkbook.h"
#include "equipment/WorkbookReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik;

namespace {

// A reader that misbehaves, as one reading a hostile workbook would, fails the import with the workbook
// message and never takes the program down or holds it up.
struct BadReader {
    const char* name;
    const char* script; // the whole reader, a shell script
};

void PrintTo(const BadReader& value, std::ostream* out) {
    *out << value.name;
}

class HostileWorkbook : public ::testing::TestWithParam<BadReader> {};

TEST_P(HostileWorkbook, FailsTheImportWithAMessage) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("reader"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("#!/bin/sh\n") + GetParam().script + '\n');
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    WorkbookReader reader;
    reader.program = program;
    reader.timeoutMs = 500;
    QElapsedTimer clock;
    clock.start();
    const CertificateResult result =
        readCertificateWorkbook(QStringLiteral(ORVIK_TEST_DATA_DIR "/mastoid_certificate.xls"), reader);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("Unable to load Excel Worksheet"));
    EXPECT_LT(clock.elapsed(), 5000);
}

INSTANTIATE_TEST_SUITE_P(
    Readers, HostileWorkbook,
    ::testing::Values(BadReader{"Crashes", "kill -SEGV $$"}, BadReader{"Hangs", "exec sleep 30"},
                      BadReader{"HangsAfterSomeCells", "printf 'ORVIK-CELLS 1\\n1 1\\n'; exec sleep 30"},
                      BadReader{"FailsAfterWholeCells", "printf 'ORVIK-CELLS 1\\n1 1\\n0 0 N 1\\nEND\\n'; exit 1"},
                      BadReader{"CellOutsideTheGrid", "printf 'ORVIK-CELLS 1\\n1 1\\n0 1 N 1\\nEND\\n'"},
                      BadReader{"OversizedGrid", "printf 'ORVIK-CELLS 1\\n4000000000 1\\nEND\\n'"},
                      BadReader{"GridBeyondAMillionCells", "printf 'ORVIK-CELLS 1\\n4097 256\\nEND\\n'"},
                      BadReader{"TextPastTheEnd", "printf 'ORVIK-CELLS 1\\n1 1\\n0 0 T 99\\nab\\nEND\\n'"},
                      BadReader{"NotANumber", "printf 'ORVIK-CELLS 1\\n1 1\\n0 0 N nan\\nEND\\n'"},
                      BadReader{"NoEnd", "printf 'ORVIK-CELLS 1\\n1 1\\n0 0 N 1\\n'"},
                      BadReader{"TrailingBytes", "printf 'ORVIK-CELLS 1\\n1 1\\nEND\\nmore'"},
                      BadReader{"Missing", "exec /nonexistent/reader"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CellStream, CarriesTextsWithLineBreaksAndNumbersExactly) {
    const CellGrid cells{{QStringLiteral("Freq (Hz)"), QVariant(), QStringLiteral("two\nlines END\n")},
                         {250.0, 0.1 + 0.2, QStringLiteral("Müller")}};
    EXPECT_EQ(CellStream::decode(CellStream::encode(cells)), cells);
}

TEST(CellStream, GridsUpToAMillionCellsAreTaken) {
    const struct {
        const char* size;
        bool taken;
    } cases[] = {{"4096 256", true}, {"65536 16", true}, {"4097 256", false}, {"65536 17", false}};
    for (const auto& c : cases)
        EXPECT_EQ(CellStream::decode(QByteArray("ORVIK-CELLS 1\n") + c.size + "\nEND\n").has_value(), c.taken)
            << c.size;
}

} // namespace
