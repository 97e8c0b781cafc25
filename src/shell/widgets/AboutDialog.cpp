#include "shell/widgets/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace orvik {

QString AboutDialog::versionText() { return QString::asprintf("Version: %.3f", ProgramVersion); }

AboutDialog::AboutDialog(bool alternateMode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Orvik"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<b>Orvik</b>"), this);
    layout->addWidget(title);
    for (const QString& line : {versionText(), QStringLiteral("ANSI S3.6 - 2004"), QStringLiteral("ANSI S3.1 - 1999")})
        layout->addWidget(new QLabel(line, this));
    if (alternateMode) {
        auto* qa = new QLabel(
            QStringLiteral("Quality Assurance of Audiometer Calibration by\n Swedish Audiological Society, 1996"),
            this);
        qa->setObjectName(QStringLiteral("qualityAssurance"));
        layout->addWidget(qa);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace orvik
