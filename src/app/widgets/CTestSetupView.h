#pragma once

#include "ViewContext.h"
#include "model/TestSetup.h"
#include "model/Transducer.h"

#include <QWidget>
#include <memory>

class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace orvik {

class CSetupPage;
class CTestAudSupraPP;

// The audiometer test set-up: the pages under their headings, working on a copy of the record's set-up that
// goes back into the record only when the set-up passes its checks.
class CTestSetupView final : public QWidget {
    Q_OBJECT
public:
    explicit CTestSetupView(ViewContext& context, QWidget* parent = nullptr);
    ~CTestSetupView() override;

    void accept();
    void cancel();
    void showPage(const QString& title);
    CSetupPage* page(const QString& title) const;
    CTestAudSupraPP* supraAuralPage() const { return m_supra; }

private:
    void addPage(const QString& heading, const QString& title, CSetupPage* page);
    void offerRetsplEditor(CSetupPage* page, QPushButton* button, EarphoneKind kind);
    void editRetspl(CSetupPage& page, EarphoneKind kind);

    ViewContext& m_context;
    std::unique_ptr<TestSetup> m_working;
    QTreeWidget* m_tree;
    QStackedWidget* m_pages;
    QList<QPair<QString, CSetupPage*>> m_byTitle;
    CTestAudSupraPP* m_supra = nullptr;
};

} // namespace orvik
