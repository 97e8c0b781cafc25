#include "shell/widgets/IdleView.h"

#include "shell/ShellDocument.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
// Offered until a test could be set up: a kind entered by hand does not make the others appear.
bool requiredKindMissing(const ShellDocument& document) {
    for (RequiredInstrument kind : {RequiredInstrument::SoundLevelMeter, RequiredInstrument::Calibrator,
                                    RequiredInstrument::Microphone, RequiredInstrument::Preamp})
        if (!document.hasInstrument(kind))
            return true;
    return false;
}
} // namespace

IdleView::IdleView(ShellDocument& document, std::function<void()> addDemoInstruments, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    auto* title = new QLabel(QStringLiteral("<h2>Orvik</h2>"), this);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    const QString database = document.hasDatabase()
                                 ? QStringLiteral("Database: %1").arg(
                                       QDir::toNativeSeparators(document.preferences().databasePath()))
                                 : QStringLiteral("No database open - use File/Change Database.");
    auto* hint = new QLabel(database + QStringLiteral("\n\nStart with Test/Audiometer Test... or Test/Booth Test..."),
                            this);
    hint->setObjectName(QStringLiteral("idleHint"));
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);
    if (addDemoInstruments && document.hasDatabase() && requiredKindMissing(document)) {
        auto* offer =
            new QPushButton(QStringLiteral("Add the simulated instruments to the instrumentation lists"), this);
        offer->setObjectName(QStringLiteral("addDemoInstruments"));
        connect(offer, &QPushButton::clicked, this, std::move(addDemoInstruments));
        layout->addWidget(offer, 0, Qt::AlignHCenter);
    }
    layout->addStretch();
}

} // namespace orvik
