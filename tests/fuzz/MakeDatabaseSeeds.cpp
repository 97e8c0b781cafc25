// Writes the database seeds of the database_file harness: one small lab history in each of the given schema
// versions, so that mutations start from files the conversion and the browser accept.
#include "database/LabHistoryGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <version>...\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const orvik::LabHistoryGenerator generator;
    for (int i = 2; i < argc; ++i) {
        const int version = QByteArray(argv[i]).toInt();
        const QString path = folder.filePath(QStringLiteral("version%1.mdb").arg(version));
        QFile::remove(path);
        generator.writeDatabase(path, version, 1, 1, generator.instruments(1, version >= 2));
    }
    return 0;
}
