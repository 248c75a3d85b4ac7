#include "ResultsFixture.h"

#include "engine/BrowserChoice.h"
#include "engine/CategoryTable.h"
#include "engine/HandOver.h"
#include "platform/Defaults.h"

#include <QTest>

namespace dovrel::test {

ResultsFixture::ResultsFixture() {
    factory.registerScreen(
        QString::fromLatin1(Storyboard::kSmartClean), QStringLiteral("SmartClean"),
        [this] { return std::make_unique<SmartCleanViewController>([this] { return &engine; }); });
    const Location t = tmp.path();
    setCategory(0, {cache("A", t / "Caches/a", 100), cache("B", t / "Caches/b", 200),
                    cache("C", t / "Caches/c", 300)});
    setCategory(1, {file(t / "Logs/one.log", 50)});
    setCategory(2,
                {remainder("com.gone.app", {t / "Prefs/com.gone.app.plist", t / "Support/com.gone.app"}, 70),
                 remainder("com.old.app", {t / "Prefs/com.old.app.plist"}, 30)});
    // The browser sources are the engine's own, as a scan leaves them; no
    // browser choice is stored, so every browser found starts ticked.
    engine.browser_chrome_item =
        source("chrome", "browsers", {t / "Chrome/Local Storage", t / "Chrome/Storage"}, 1000);
    engine.browser_mozilla_item = source("mozilla", "browsers", {t / "Firefox/storage"}, 500);
    setCategory(3, {engine.browser_chrome_item, engine.browser_mozilla_item});
    for (BrowserChoice::Browser b : BrowserChoice::kBrowsers)
        Defaults::standard().removeObjectForKey(BrowserChoice::key(b));
    setCategory(4, {});
    setCategory(5, {file(t / "Downloads/setup.dmg", 40)});
    setCategory(6, {file(t / ".Trash/a.txt", 10), file(t / ".Trash/b.txt", 20)});
    finish();
}

ResultsFixture::~ResultsFixture() {
    close();
}

void ResultsFixture::setCategory(int c, std::vector<ResultEntry> items, std::optional<ByteCount> total) {
    auto result = std::make_shared<CleanerItem>();
    ByteCount sum = 0;
    for (const ResultEntry& e : items)
        sum += HandOver::sizeOf(e);
    result->items = std::move(items);
    result->size = total.value_or(sum);
    const ScanCategory& category = CategoryTable::all()[static_cast<std::size_t>(c)];
    result->type = QString::fromLatin1(category.tag);
    engine.*category.result = result;
}

void ResultsFixture::finish() {
    engine.smart_outline_items.clear();
    ByteCount all = 0;
    for (const ScanCategory& category : CategoryTable::all()) {
        const ByteCount size = (engine.*category.result)->size;
        engine.*category.total = size;
        all += size;
        engine.smart_outline_items.push_back(SmartOutlineItem::init_with_label(
            QString::fromLatin1(category.label), size, QString::fromLatin1(category.tag),
            IconRef::resource(QString::fromLatin1(category.image))));
    }
    engine.total_smart_size = all;
}

SmartCleanViewController& ResultsFixture::open() {
    close();
    std::unique_ptr<Screen> made =
        storyboard.instantiateControllerWithIdentifier(QStringLiteral("SmartClean"));
    screen.reset(static_cast<SmartCleanViewController*>(made.release()));
    screen->resize(780, 540);
    screen->loadViewIfNeeded();
    screen->show();
    (void)QTest::qWaitForWindowExposed(screen.get());
    return *screen;
}

void ResultsFixture::close() {
    if (screen) {
        screen->release();
        screen.reset();
    }
}

std::shared_ptr<LargeFile> ResultsFixture::file(const Location& location, ByteCount size) {
    const std::string name = location.filename().native();
    return LargeFile::init_with_file_url(location, QString::fromUtf8(name.data(), qsizetype(name.size())),
                                         size, QString());
}

std::shared_ptr<CacheItem> ResultsFixture::cache(const QString& label, const Location& location,
                                                 ByteCount size) {
    auto item = std::make_shared<CacheItem>();
    item->label = label;
    item->url = location;
    item->size = size;
    return item;
}

std::shared_ptr<RemainderItem> ResultsFixture::remainder(const QString& label, std::vector<Location> files,
                                                         ByteCount size) {
    auto item = std::make_shared<RemainderItem>();
    item->label = label;
    item->bundle = label;
    item->files = std::move(files);
    item->size = size;
    return item;
}

std::shared_ptr<CleanerItem> ResultsFixture::source(const char* type, const char* group,
                                                    std::vector<Location> files, ByteCount size) {
    auto item = std::make_shared<CleanerItem>();
    item->type = QString::fromLatin1(type);
    item->group = QString::fromLatin1(group);
    item->files = std::move(files);
    item->size = size;
    return item;
}

} // namespace dovrel::test
