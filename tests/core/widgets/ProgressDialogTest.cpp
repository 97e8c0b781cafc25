#include "core/widgets/ProgressDialog.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace orvik {
namespace {

TEST(ProgressDialogTest, OwnerIsDisabledWhileShownAndCancelIsReportedOnce) {
    QWidget owner;
    owner.show();
    QtProgressFactory factory(&owner);
    {
        std::unique_ptr<ProgressWindow> progress = factory.open(ProgressCaption::SetGain);
        auto* dialog = dynamic_cast<ProgressDialog*>(progress.get());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Set Gain");
        EXPECT_FALSE(owner.isEnabled());
        EXPECT_TRUE(dialog->isEnabled());
        EXPECT_FALSE(progress->checkCancelButton());
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        EXPECT_TRUE(progress->checkCancelButton());
        EXPECT_FALSE(progress->checkCancelButton());
    }
    EXPECT_TRUE(owner.isEnabled());
}

TEST(ProgressDialogTest, StepsBy8ByDefaultAndWrapsPastTheEnd) {
    ProgressDialog dialog(nullptr, ProgressCaption::Measurement);
    QProgressBar* bar = dialog.findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 100);
    dialog.stepIt();
    EXPECT_EQ(bar->value(), 8);
    dialog.setPos(96);
    dialog.stepIt();
    EXPECT_LE(bar->value(), 8);
    dialog.setRange(0, 10);
    dialog.setStep(5);
    dialog.setPos(0);
    dialog.stepIt();
    EXPECT_EQ(bar->value(), 5);
}

} // namespace
} // namespace orvik
