#pragma once

#include "engine/Cleaner.h"
#include "screens/results/SmartCleanViewController.h"
#include "shell/ScreenFactory.h"
#include "shell/Storyboard.h"

#include "support/TempDir.h"

#include <memory>
#include <vector>

namespace dovrel::test {

// An engine holding hand-made scan results (no scan runs) and a results
// screen over it, made through a storyboard of the test's own factory so the
// popover identifiers can be registered per test.
//
// The default results, by category (sizes in bytes):
//   caches      A 100, B 200, C 300                        total 600
//   logs        one.log 50                                 total 50
//   remainders  com.gone.app: 2 files 70, com.old.app 30   total 100
//   browsers    chrome 1000 (2 files), mozilla 500         total 1500
//               (the engine's own browser results; no browser key is stored)
//   mails       (nothing)                                  total 0
//   installs    setup.dmg 40                               total 40
//   trash       a.txt 10, b.txt 20                         total 30
// Entry locations are under `tmp` but not created unless a test does.
class ResultsFixture {
public:
    ResultsFixture();
    ~ResultsFixture();

    // Replaces the items of category c; the category total defaults to their sum.
    void setCategory(int c, std::vector<ResultEntry> items, std::optional<ByteCount> total = std::nullopt);
    // Rows, totals and total_smart_size from the categories.
    void finish();

    // A loaded screen, shown offscreen at the window's size (call finish() first).
    SmartCleanViewController& open();
    void close();

    static std::shared_ptr<LargeFile> file(const Location& location, ByteCount size);
    static std::shared_ptr<CacheItem> cache(const QString& label, const Location& location, ByteCount size);
    static std::shared_ptr<RemainderItem> remainder(const QString& label, std::vector<Location> files,
                                                    ByteCount size);
    static std::shared_ptr<CleanerItem> source(const char* type, const char* group,
                                               std::vector<Location> files, ByteCount size);

    TempDir tmp;
    Cleaner engine{std::nullopt};
    ScreenFactory factory;
    Storyboard storyboard{QString::fromLatin1(Storyboard::kSmartClean), &factory};
    std::unique_ptr<SmartCleanViewController> screen;
};

} // namespace dovrel::test
