// orvik-cli graph: a spectrum as the "View Data" window draws it, written as a PNG.
#include "cli/CliCommand.h"
#include "cli/widgets/OffscreenApplication.h"
#include "report/widgets/GraphPainter.h"

#include <QFile>
#include <QRegularExpression>

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand GraphCommand{"graph",
                              "graph --points FILE --png OUT\n"
                              "     FILE: one point a line, frequency (Hz) and level (dB) separated by a comma, tab or "
                              "blank",
                              run, offscreenApplication};
const CliCommandRegistration registration(GraphCommand);

constexpr int Width = 800;
constexpr int Height = 500;

// False on a line that is not two numbers; blank lines are skipped.
bool readPoints(QFile& file, QList<double>& hz, QList<double>& db) {
    static const QRegularExpression separator(QStringLiteral("[,\\t ]+"));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList cells = line.split(separator);
        bool okHz = false, okDb = false;
        hz << cells.value(0).toDouble(&okHz);
        db << cells.value(1).toDouble(&okDb);
        if (cells.size() != 2 || !okHz || !okDb)
            return false;
    }
    return true;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 4 || arguments[0] != QLatin1String("--points") || arguments[2] != QLatin1String("--png"))
        return usageError(GraphCommand, err);
    QFile file(arguments[1]);
    QList<double> hz, db;
    if (!file.open(QIODevice::ReadOnly) || !readPoints(file, hz, db)) {
        err << "orvik-cli graph: cannot read points from " << arguments[1] << '\n';
        return 1;
    }
    const std::optional<GraphDescription> description = spectrumGraph(hz, db);
    Graph graph;
    graph.setPlacement(10, 10, Width - 20, Height - 20);
    if (!description || !graph.show(*description)) {
        err << "orvik-cli graph: Something messed up\n";
        return 1;
    }
    if (!graphImage(graph).save(arguments[3], "PNG")) {
        err << "orvik-cli graph: cannot write " << arguments[3] << '\n';
        return 1;
    }
    out << "wrote " << arguments[3] << '\n';
    return 0;
}
} // namespace

} // namespace orvik::cli
