#include "ambient/widgets/AmbientSheet.h"
#include "ambient/widgets/AmbientLevelsPage.h"
#include "model/FixedText.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace orvik {
namespace {

QStringList tabTitles(const AmbientSheet& sheet) {
    QStringList titles;
    for (int i = 0; i < sheet.count(); ++i)
        titles << sheet.tabText(i);
    return titles;
}

TEST(AmbientSheet, PagesFollowTheDisplayModeAndAMeasurementBringsTheFirstLevelPageForward) {
    AmbientSheet sheet;
    const QStringList fixed{"Test Information", "SL Meter", "Preamp", "Mic", "Calibrator"};
    sheet.rebuildLevels(BoothDisplay::Osha, true, true);
    EXPECT_EQ(tabTitles(sheet), fixed + QStringList({"OSHA Limits"}));
    sheet.rebuildLevels(BoothDisplay::Both, true, true);
    EXPECT_EQ(tabTitles(sheet), fixed + QStringList({"125 - 8K Hz", "250 - 8K Hz", "500 - 8K Hz", "OSHA Limits"}));

    sheet.refillLevels(clearedAmbientRecord(), false);
    EXPECT_EQ(sheet.currentIndex(), 0);
    sheet.refillLevels(clearedAmbientRecord(), true);
    EXPECT_EQ(sheet.tabText(sheet.currentIndex()), QStringLiteral("125 - 8K Hz"));
}

TEST(AmbientLevelsPage, WithoutTheNotCoveredColumnARowIsStillMarkedByItsLimit) {
    AmbientRecord record = clearedAmbientRecord();
    record.spectrum[25] = 7.0f; // 4000 Hz: above 6.0 not covered, far below 32.0 covered
    for (const bool showNotCovered : {true, false}) {
        AmbientLevelsPage page(0, true, showNotCovered);
        page.fill(record);
        QTreeWidget* list = page.list();
        EXPECT_EQ(list->columnCount(), showNotCovered ? 4 : 3);
        ASSERT_EQ(list->topLevelItemCount(), 11);
        const QTreeWidgetItem* row4000 = list->topLevelItem(8);
        EXPECT_EQ(row4000->text(0), QStringLiteral("4000"));
        EXPECT_EQ(row4000->text(2), QStringLiteral("32.0"));
        // Marked rows carry a drawn image; the others a blank one of the same size.
        EXPECT_NE(row4000->icon(0).pixmap(16).toImage(), list->topLevelItem(7)->icon(0).pixmap(16).toImage());
    }
}

} // namespace
} // namespace orvik
