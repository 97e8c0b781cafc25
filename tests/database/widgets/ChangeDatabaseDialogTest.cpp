#include "database/widgets/ChangeDatabaseDialog.h"
#include "FormField.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orvik::test {
namespace {

QPushButton* button(QWidget& root, const QString& text) { return buttonLabelled(&root, text); }

struct NameCase {
    const char* name;
    const char* typed;
    const char* connectsTo; // relative to the folder, or a server's address as it stands; "" when Connect stays off
};

class ChangeDatabaseName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ChangeDatabaseName, ABareNameIsInTheCurrentFolderAndAFullPathStandsAsTyped) {
    QTemporaryDir dir;
    ChangeDatabaseDialog dialog(dir.path(), [](const FileRequest&) { return QString(); });
    QTest::keyClicks(dialog.nameField(), QString::fromUtf8(GetParam().typed).replace("$DIR", dir.path()));
    QPushButton* connect = button(dialog, "Connect");
    const QString expected = QString::fromUtf8(GetParam().connectsTo);
    EXPECT_EQ(connect->isEnabled(), !expected.isEmpty());
    connect->click();
    EXPECT_EQ(dialog.path(), expected.isEmpty()                      ? QString()
                             : expected.startsWith(QLatin1String("postgres")) ? expected
                                                                               : dir.filePath(expected));
}

INSTANTIATE_TEST_SUITE_P(Names, ChangeDatabaseName,
                         ::testing::Values(NameCase{"Bare", " Lab2026.mdb ", "Lab2026.mdb"},
                                           NameCase{"FullPath", "$DIR/sub/Other.mdb", "sub/Other.mdb"},
                                           NameCase{"Blank", "   ", ""},
                                           NameCase{"Server", " postgresql://orvik@lab:5432/orvik ",
                                                    "postgresql://orvik@lab:5432/orvik"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeDatabaseBrowse, AnExistingFileOpensAtOnceAndANewNameWaitsForConnect) {
    QTemporaryDir dir;
    QFile existing(dir.filePath("Old.mdb"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString answer = dir.filePath("New.mdb");
    FileRequest asked;
    ChangeDatabaseDialog dialog(dir.path(), [&](const FileRequest& request) {
        asked = request;
        return answer;
    });
    dialog.show();
    button(dialog, "Browse")->click();
    EXPECT_EQ(asked.purpose, FileRequest::ReadOrCreate);
    EXPECT_EQ(asked.filter, "Access Database Files (*.mdb)|*.mdb||");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(button(dialog, "Connect")->isEnabled());

    answer = existing.fileName();
    button(dialog, "Browse")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.path(), existing.fileName());
}

} // namespace
} // namespace orvik::test
