#pragma once

#include <QDialog>

namespace orvik {

inline constexpr double ProgramVersion = 2.201;

// "About Orvik": version, the standards the verdicts follow, and the quality-assurance line in alternate mode.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    AboutDialog(bool alternateMode, QWidget* parent = nullptr);
    static QString versionText();
};

} // namespace orvik
