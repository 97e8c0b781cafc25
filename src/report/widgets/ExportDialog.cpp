#include "report/widgets/ExportDialog.h"

#include "core/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace orvik {

namespace {
const char* const FormatLabels[] = {"Excel (xls)", "Comma Delimited (CSV)", "Text (txt)"};
// The workbook is written as .xlsx, so that is what the chooser offers under the format's own name.
const char* const Filters[] = {"Excel (*.xlsx)|*.xlsx|All Files (*.*)|*.*||",
                               "Comma-Separated (*.csv)|*.csv|All Files (*.*)|*.*||",
                               "Text (*.txt)|*.txt|All Files (*.*)|*.*||"};

bool openWithDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QButtonGroup* radioGroup(QWidget* parent, QBoxLayout* layout, const QStringList& labels) {
    auto* group = new QButtonGroup(parent);
    for (int id = 0; id < labels.size(); ++id) {
        auto* button = new QRadioButton(labels[id], parent);
        group->addButton(button, id);
        layout->addWidget(button);
    }
    return group;
}
} // namespace

ExportDialog::ExportDialog(ExportContent content, Seams seams, QWidget* parent)
    : QDialog(parent), m_content(std::move(content)), m_seams(std::move(seams)) {
    if (!m_seams.launch)
        m_seams.launch = openWithDesktop;
    setWindowTitle(QStringLiteral("Export Data"));
    m_fileName = new QLineEdit(this);
    auto* browseButton = new QPushButton(QStringLiteral("Browse..."), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("Filename:"), this));
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(browseButton);

    auto* formatBox = new QGroupBox(QStringLiteral("Select data format:"), this);
    auto* formatLayout = new QVBoxLayout(formatBox);
    m_formats = radioGroup(formatBox, formatLayout, {FormatLabels[0], FormatLabels[1], FormatLabels[2]});
    auto* delimiterBox = new QGroupBox(QStringLiteral("Delimiter:  "), this);
    auto* delimiterLayout = new QVBoxLayout(delimiterBox);
    m_delimiters = radioGroup(delimiterBox, delimiterLayout, {QStringLiteral("Comma"), QStringLiteral("Tab")});
    auto* choices = new QHBoxLayout;
    choices->addWidget(formatBox);
    choices->addWidget(delimiterBox);

    m_launch = new QCheckBox(QStringLiteral("Automatically launch application"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(new QLabel(QStringLiteral("You should use the Browse function to select your file."), this));
    layout->addLayout(choices);
    layout->addWidget(m_launch);
    layout->addWidget(buttons);

    const ExportChoice stored = ExportChoice::stored(m_seams.settings);
    m_delimiters->button(stored.tab ? 1 : 0)->setChecked(true);
    m_formats->button(int(stored.format))->setChecked(true);
    formatChosen(int(stored.format));
    connect(m_formats, &QButtonGroup::idClicked, this, &ExportDialog::formatChosen);
    connect(browseButton, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
}

ExportChoice ExportDialog::choice() const {
    return {m_fileName->text(), ExportFormat(m_formats->checkedId()), m_delimiters->checkedId() == 1};
}

// Only text files take a chosen delimiter; CSV is comma-separated by name.
void ExportDialog::formatChosen(int format) {
    const bool text = ExportFormat(format) == ExportFormat::Text;
    if (ExportFormat(format) == ExportFormat::Csv)
        m_delimiters->button(0)->setChecked(true);
    for (QAbstractButton* button : m_delimiters->buttons())
        button->setEnabled(text);
}

void ExportDialog::browse() {
    const ExportChoice current = choice();
    const QString folder = Setting::DefaultExportFolder.read(m_seams.settings);
    const QString proposed = folder.isEmpty() ? current.fileName : QDir(folder).filePath(current.fileName);
    const QString chosen = m_seams.chooseFile({FileRequest::Write, QStringLiteral("Export Data"),
                                               QLatin1String(Filters[int(current.format)]),
                                               exportSuffix(current.format).mid(1), proposed});
    if (!chosen.isEmpty())
        m_fileName->setText(QDir::toNativeSeparators(chosen));
}

void ExportDialog::accept() {
    const QString written = exportTest(m_content, choice(), m_seams.settings, m_seams.messages);
    if (written.isEmpty())
        return;
    m_written = written;
    if (m_launch->isChecked())
        launch(written);
    QDialog::accept();
}

// A file that is gone by now (a sync folder may move it) is found by the technician, and its folder is
// remembered for the next export.
void ExportDialog::launch(QString path) {
    if (!QFileInfo::exists(path)) {
        path = m_seams.chooseFile({FileRequest::Read, QStringLiteral("Please verify your file."),
                                   QLatin1String(Filters[int(choice().format)]), QString(), path});
        if (path.isEmpty())
            return;
        Setting::DefaultExportFolder.write(m_seams.settings, QFileInfo(path).absolutePath());
    }
    if (!m_seams.launch(path))
        m_seams.messages.show(QStringLiteral("Unable to launch viewer."));
}

void ExportDialog::done(int result) {
    choice().store(m_seams.settings);
    QDialog::done(result);
}

} // namespace orvik
