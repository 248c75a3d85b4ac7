#include "cli/ScanJson.h"
#include "catalogue/Remainders.h"
#include "cli/ScanCommand.h"
#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "support/CatalogueHomeTest.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace dovrel;
using dovrel::test::CatalogueHomeTest;

namespace {

// One entry in each category that takes plain files, plus two leftovers whose
// names differ only in a byte that is not UTF-8, scanned in-process.
class ScanJsonTest : public CatalogueHomeTest {
protected:
    Remainders remainders{home, apps, &cache, &application};
    Cleaner cleaner{home, &cache, &remainders};

    void SetUp() override {
        CatalogueHomeTest::SetUp();
        install(apps / "Keeper.app", "com.keeper.Keeper");
        tree.file("ann/Library/Logs/one.log", 3);
        tree.file("ann/Downloads/Setup.dmg", 5);
        tree.file("ann/.Trash/old.txt", 7);
        tree.file(std::string("ann/Library/Preferences/com.gone.tool\xfe.plist"), 10);
        tree.file(std::string("ann/Library/Preferences/com.gone.tool\xff.plist"), 20);
        cleaner.smart_clean_with_complete_handler({});
    }
};

TEST_F(ScanJsonTest, TheTableDrivesJsonOutlineAndHandOverAlike) {
    const std::string text = ScanJson::write(cleaner, apps);
    const QJsonArray categories =
        QJsonDocument::fromJson(QByteArray::fromStdString(text)).object().value("categories").toArray();
    const auto& table = CategoryTable::all();
    ASSERT_EQ(categories.size(), static_cast<qsizetype>(table.size()));
    const QStringList outline = QString::fromStdString(ScanCommand::outline(cleaner, false)).split('\n');

    // What each category must hold, so a row pointing at another's result shows.
    const std::map<std::string, QString> firstEntry = {
        {"logs", "one.log"}, {"installs", "Setup.dmg"}, {"trash", "old.txt"}};
    std::set<QString> handedOverTags;
    HandOver::build(cleaner, [&](const QString& tag, const ResultEntry& entry) {
        handedOverTags.insert(tag);
        const auto it = firstEntry.find(tag.toStdString());
        for (const Location& l : HandOver::locationsOf(entry)) {
            if (it != firstEntry.end()) {
                EXPECT_EQ(QString::fromStdString(l.filename().string()), it->second) << tag.toStdString();
            }
        }
        return true;
    });
    for (const ScanCategory& row : table) {
        const QJsonObject c = categories[static_cast<qsizetype>(row.index())].toObject();
        EXPECT_EQ(c.value("type").toString(), row.tag);
        EXPECT_EQ(c.value("label").toString(), CategoryTable::label(row));
        EXPECT_EQ(c.value("size").toInteger(), cleaner.*row.total) << row.tag;
        EXPECT_EQ((cleaner.*row.result)->type, row.tag);
        EXPECT_TRUE(outline.value(static_cast<qsizetype>(row.index())).startsWith(CategoryTable::label(row)));
        if (auto it = firstEntry.find(row.tag); it != firstEntry.end()) {
            ASSERT_EQ(c.value("items").toArray().size(), 1) << row.tag;
            EXPECT_EQ(c.value("items").toArray()[0].toObject().value("name").toString(), it->second);
            EXPECT_TRUE(handedOverTags.count(row.tag)) << row.tag;
        }
    }
}

TEST_F(ScanJsonTest, LeftoverLabelsAndIdentifiersKeepStrayBytesAsEscapes) {
    const std::string text = ScanJson::write(cleaner, apps);
    for (const char* group : {R"({"label":"Tool\udcfe by Gone","bundle":"com.gone.tool\udcfe",)",
                              R"({"label":"Tool\udcff by Gone","bundle":"com.gone.tool\udcff",)"})
        EXPECT_NE(text.find(group), std::string::npos) << group << "\nin " << text;
}

} // namespace
