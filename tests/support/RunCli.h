#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace orvik::test {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
    QStringList lines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

// Runs the built orvik-cli with nothing on its input, in `workingDir` when one is given, and waits for it.
inline CliRun runCli(const QStringList& arguments, const QString& workingDir = {}) {
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(ORVIK_BINARY_DIR "/src/cli/orvik-cli"), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace orvik::test
