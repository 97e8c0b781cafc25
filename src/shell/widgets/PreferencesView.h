#pragma once

#include "core/Preferences.h"
#include "shell/ViewContext.h"
#include "shell/widgets/OrganizationPage.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QVBoxLayout;

namespace orvik {

class PortPage;

// "System setup items": the organisation page and the port page, one at a time. Ok writes the preferences to
// the settings; Cancel leaves them as they were.
class PreferencesView final : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesView(ViewContext& context, QWidget* parent = nullptr);

    QListWidget* categories() const { return m_categories; }
    void accept();
    void cancel();

private:
    void showCategory(int row);
    void storeShownPage();

    ViewContext& m_context;
    // Edits happen on a copy, so Cancel leaves the document's record untouched as well.
    Preferences m_working;
    OrganizationPage::Options m_options;
    QListWidget* m_categories;
    QLabel* m_title;
    QVBoxLayout* m_pageArea;
    QWidget* m_buttons = nullptr;
    OrganizationPage* m_organization = nullptr;
    PortPage* m_port = nullptr;
};

} // namespace orvik
