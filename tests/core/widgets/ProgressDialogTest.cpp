#include "core/widgets/ProgressDialog.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace orvik {
namespace {

// The window stands above the main window, or above the modal dialog that is up when it opens (the calibration
// check's), and takes the click on "Cancel" there; the click is reported once.
TEST(ProgressDialogTest, StaysAboveTheModalDialogAndTakesCancel) {
    for (const bool withModalDialog : {false, true}) {
        QWidget owner;
        owner.show();
        QDialog modal(&owner);
        if (withModalDialog) {
            modal.setModal(true);
            modal.show();
        }
        QtProgressFactory factory(&owner);
        std::unique_ptr<ProgressWindow> progress = factory.open(ProgressCaption::SetGain);
        auto* dialog = dynamic_cast<ProgressDialog*>(progress.get());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Set Gain");
        EXPECT_EQ(dialog->parentWidget(), withModalDialog ? &modal : &owner);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(progress->checkCancelButton());
        QPushButton* cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_TRUE(progress->checkCancelButton()) << withModalDialog;
        EXPECT_FALSE(progress->checkCancelButton());
    }
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
