#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;

namespace orvik {

class SettingsStore;
struct Preferences;

// The organisation's name and report header lines, and the six program options.
class OrganizationPage final : public QWidget {
    Q_OBJECT
public:
    static constexpr int OptionCount = 6;
    using Options = std::array<bool, OptionCount>;

    OrganizationPage(const Preferences& preferences, const Options& options, QWidget* parent = nullptr);
    void store(Preferences& preferences, Options& options) const;

    // The options as stored, and their writing back; the view does both so that Cancel changes nothing.
    static Options readOptions(SettingsStore& settings);
    static void writeOptions(SettingsStore& settings, const Options& options);

private:
    QLineEdit* m_lines[3];
    std::array<QCheckBox*, OptionCount> m_options{};
};

} // namespace orvik
