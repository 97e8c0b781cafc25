#pragma once

#include "model/TestSetup.h"
#include "model/Transducer.h"
#include "shell/ViewContext.h"

#include <QWidget>
#include <memory>

class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace orvik {

class SetupPage;
class SupraAuralPage;

// The audiometer test set-up: the pages under their headings, working on a copy of the record's set-up that
// goes back into the record only when the set-up passes its checks.
class TestSetupView final : public QWidget {
    Q_OBJECT
public:
    explicit TestSetupView(ViewContext& context, QWidget* parent = nullptr);
    ~TestSetupView() override;

    void accept();
    void cancel();
    void showPage(const QString& title);
    SetupPage* page(const QString& title) const;
    SupraAuralPage* supraAuralPage() const { return m_supra; }

private:
    void addPage(const QString& heading, const QString& title, SetupPage* page);
    void offerRetsplEditor(SetupPage* page, QPushButton* button, EarphoneKind kind);
    void editRetspl(SetupPage& page, EarphoneKind kind);

    ViewContext& m_context;
    std::unique_ptr<TestSetup> m_working;
    QTreeWidget* m_tree;
    QStackedWidget* m_pages;
    QList<QPair<QString, SetupPage*>> m_byTitle;
    SupraAuralPage* m_supra = nullptr;
};

} // namespace orvik
