#include "engine/SelectionSize.h"

#include "catalogue/RemainderItem.h"
#include "engine/HandOver.h"
#include "engine/LargeFile.h"

#include <gtest/gtest.h>

using namespace dovrel;

namespace {

ResultEntry file(const char* path, ByteCount size) {
    return LargeFile::init_with_file_url(path, QString(), size, QString());
}

ResultEntry group(std::vector<Location> files, ByteCount size) {
    auto r = std::make_shared<RemainderItem>();
    r->files = std::move(files);
    r->size = size;
    return r;
}

} // namespace

// Each byte once: what lies inside another location of the selection, or is
// named a second time, adds nothing; a name that merely starts like a folder's
// is not inside it.
TEST(SelectionSizeTest, EachByteCountsOnce) {
    const SelectionSize::Sizes sizes = {{"/h/a", 100}, {"/h/a/in", 30}, {"/h/a-b", 7}, {"/h/p", 5},
                                        {"/h/q", 6},   {"/h/q/x", 2},   {"/h/z", 9}};
    const struct {
        const char* what;
        std::vector<ResultEntry> entries;
        ByteCount expected;
    } cases[] = {
        {"nothing shared", {file("/h/a", 100), file("/h/a-b", 7)}, 107},
        {"inside another", {file("/h/a/in", 30), file("/h/a", 100)}, 100},
        {"named twice", {file("/h/z", 9), file("/h/z", 9)}, 9},
        {"a group partly inside another entry", {group({"/h/p", "/h/q/x"}, 7), file("/h/q", 6)}, 11},
        {"a group holding its own inner location", {group({"/h/q", "/h/q/x"}, 8)}, 6},
    };
    for (const auto& c : cases) {
        std::vector<const ResultEntry*> entries;
        for (const auto& e : c.entries)
            entries.push_back(&e);
        EXPECT_EQ(SelectionSize::of(entries, sizes), c.expected) << c.what;
        std::vector<Location> locations;
        for (const auto& e : c.entries)
            for (const Location& l : HandOver::locationsOf(e))
                locations.push_back(l);
        EXPECT_EQ(SelectionSize::ofLocations(locations, sizes), c.expected) << c.what;
    }
}
