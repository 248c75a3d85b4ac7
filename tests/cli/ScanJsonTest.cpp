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

    // Where the results screen finds three categories, and what each holds,
    // so that a row pointing at another category's result or total shows.
    struct Placed {
        std::shared_ptr<CleanerItem> Cleaner::*result;
        ByteCount Cleaner::*total;
        QString name;
    };
    const std::map<std::string, Placed> placed = {
        {"logs", {&Cleaner::apps_logs_item, &Cleaner::totalLogsSize, "one.log"}},
        {"installs", {&Cleaner::install_files_item, &Cleaner::totalInstallSize, "Setup.dmg"}},
        {"trash", {&Cleaner::trash_item, &Cleaner::totalTrashSize, "old.txt"}}};
    std::map<std::string, QString> handedOver;
    HandOver::build(cleaner, [&](const QString& tag, const ResultEntry& entry) {
        for (const Location& l : HandOver::locationsOf(entry))
            handedOver[tag.toStdString()] = QString::fromStdString(l.filename().string());
        return true;
    });
    for (const ScanCategory& row : table) {
        const QJsonObject c = categories[static_cast<qsizetype>(row.index())].toObject();
        EXPECT_EQ(c.value("type").toString(), row.tag);
        EXPECT_EQ(c.value("label").toString(), CategoryTable::label(row));
        EXPECT_EQ(c.value("size").toInteger(), cleaner.*row.total) << row.tag;
        EXPECT_TRUE(outline.value(static_cast<qsizetype>(row.index())).startsWith(CategoryTable::label(row)));
        const auto it = placed.find(row.tag);
        if (it == placed.end())
            continue;
        const auto& items = *(cleaner.*it->second.result)->items;
        ASSERT_EQ(items.size(), 1u) << row.tag;
        EXPECT_EQ(std::get<std::shared_ptr<LargeFile>>(items[0])->name, it->second.name);
        EXPECT_EQ(cleaner.*it->second.total, c.value("size").toInteger()) << row.tag;
        EXPECT_EQ(c.value("items").toArray()[0].toObject().value("name").toString(), it->second.name);
        EXPECT_EQ(handedOver[row.tag], it->second.name);
    }
}

TEST_F(ScanJsonTest, LeftoverLabelsAndIdentifiersKeepStrayBytesAsEscapes) {
    const std::string text = ScanJson::write(cleaner, apps);
    for (const char* group : {R"({"label":"Tool\udcfe by Gone","bundle":"com.gone.tool\udcfe",)",
                              R"({"label":"Tool\udcff by Gone","bundle":"com.gone.tool\udcff",)"})
        EXPECT_NE(text.find(group), std::string::npos) << group << "\nin " << text;
}

} // namespace
