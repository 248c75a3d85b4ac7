#include "cli/ScanJson.h"

#include "engine/CategoryTable.h"
#include "engine/Cleaner.h"
#include "engine/HandOver.h"
#include "fs/PathOps.h"
#include "platform/JsonText.h"
#include "platform/NameText.h"

#include <QString>

namespace dovrel {

namespace {

// Labels and identifiers may carry a file name's stray bytes (NameText); they
// are written with the same escapes as paths.
std::string text(const QString& s) {
    return jsonString(NameText::bytes(s));
}

std::string path(const Location& l) {
    return jsonString(ScanJson::normalisedPath(l));
}

std::string paths(const std::vector<Location>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i)
            out += ',';
        out += path(list[i]);
    }
    return out + "]";
}

std::string number(ByteCount n) {
    return std::to_string(n);
}

std::string item(const std::shared_ptr<CacheItem>& c) {
    return "{\"label\":" + text(c->label) + ",\"url\":" + path(c->url) + ",\"size\":" + number(c->size) + "}";
}

std::string item(const std::shared_ptr<LargeFile>& f) {
    // The name from the path's own bytes, so it stays lossless.
    return "{\"name\":" + jsonString(f->url_file.filename().native()) + ",\"url\":" + path(f->url_file) +
           ",\"size\":" + number(f->size) + "}";
}

std::string item(const std::shared_ptr<RemainderItem>& r) {
    return "{\"label\":" + text(r->label) + ",\"bundle\":" + text(r->bundle) +
           ",\"files\":" + paths(r->files) + ",\"size\":" + number(r->size) + "}";
}

std::string item(const std::shared_ptr<CleanerItem>& s) {
    std::string inUse;
    for (const QString& browser : s->in_use_by)
        inUse += (inUse.empty() ? ",\"in_use_by\":[" : ",") + text(browser);
    if (!inUse.empty())
        inUse += "]";
    return "{\"type\":" + text(s->type) + ",\"group\":" + text(s->group) +
           ",\"files\":" + paths(s->files.value_or(std::vector<Location>{})) +
           ",\"size\":" + number(s->size) + inUse + "}";
}

std::string category(const std::shared_ptr<CleanerItem>& result, const std::shared_ptr<SmartOutlineItem>& row,
                     const char* tag) {
    std::string out = "{\"type\":" + jsonString(tag) + ",\"label\":" + text(row ? row->label : QString()) +
                      ",\"size\":" + number(result ? result->size : 0) + ",\"items\":[";
    if (result && result->items) {
        bool first = true;
        for (const ResultEntry& e : *result->items) {
            if (!first)
                out += ',';
            first = false;
            out += std::visit([](const auto& p) { return item(p); }, e);
        }
    }
    return out + "]}";
}

} // namespace

std::string ScanJson::normalisedPath(const Location& location) {
    return PathOps::tidy(location.native());
}

std::string ScanJson::write(const Cleaner& c, const std::optional<Location>& applications) {
    const auto results = HandOver::categories(c);
    std::string out = "{\"format\":\"dovrel-scan/1\",\"layout\":";
    out += jsonString(HomeLayout::name(c.layout));
    out += ",\"home\":";
    out += c.url_home ? path(*c.url_home) : "null";
    out += ",\"applications\":";
    out += applications ? path(*applications) : "null";
    out += ",\"total_smart_size\":" + number(c.total_smart_size.load());
    out += ",\"categories\":[";
    for (const ScanCategory& cat : CategoryTable::all()) {
        if (cat.index())
            out += ',';
        std::shared_ptr<SmartOutlineItem> row;
        for (const auto& r : c.smart_outline_items)
            if (r->type == QLatin1String(cat.tag))
                row = r;
        out += category(results[cat.index()], row, cat.tag);
    }
    // What the keep list held back: in no category's items or size.
    out += "],\"kept\":[";
    for (std::size_t i = 0; i < c.kept_locations.size(); ++i) {
        const auto& k = c.kept_locations[i];
        out += (i ? ",{\"url\":" : "{\"url\":") + path(k.location) +
               ",\"type\":" + jsonString(CategoryTable::all()[k.category].tag) +
               ",\"size\":" + number(k.size) + ",\"kept_by\":" + jsonString(k.keptBy) + "}";
    }
    out += "]}";
    return out;
}

} // namespace dovrel
