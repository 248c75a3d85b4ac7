#include "support/BundleBuilder.h"

#include <plist/plist.h>

#include <QString>

#include <fstream>
#include <stdexcept>

namespace dovrel::test {

namespace fs = std::filesystem;

namespace {
void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}
} // namespace

BundleBuilder::BundleBuilder(fs::path bundle) : bundle_(std::move(bundle)) {}

BundleBuilder& BundleBuilder::format(Format f) {
    format_ = f;
    return *this;
}

BundleBuilder& BundleBuilder::set(const std::string& key, const std::string& value) {
    values_[key] = value;
    return *this;
}

BundleBuilder& BundleBuilder::set(const std::string& key, std::int64_t value) {
    values_[key] = value;
    return *this;
}

BundleBuilder& BundleBuilder::icon(const std::string& fileName, const std::string& contents) {
    icons_.emplace_back(fileName, contents);
    return *this;
}

BundleBuilder& BundleBuilder::infoPlistBytes(std::string bytes) {
    rawInfoPlist_ = std::move(bytes);
    return *this;
}

BundleBuilder& BundleBuilder::withoutInfoPlist() {
    writeInfoPlist_ = false;
    return *this;
}

BundleBuilder& BundleBuilder::linkedInfoPlist(fs::path relative, fs::path linkText) {
    infoPlistLink_.emplace(std::move(relative), std::move(linkText));
    return *this;
}

BundleBuilder& BundleBuilder::nest(BundleBuilder inner) {
    nested_.push_back(std::move(inner));
    return *this;
}

std::string BundleBuilder::encodedInfoPlist() const {
    plist_t dict = plist_new_dict();
    for (const auto& [key, value] : values_) {
        if (const auto* text = std::get_if<std::string>(&value))
            plist_dict_set_item(dict, key.c_str(), plist_new_string(text->c_str()));
        else
            plist_dict_set_item(dict, key.c_str(),
                                plist_new_uint(static_cast<std::uint64_t>(std::get<std::int64_t>(value))));
    }
    char* out = nullptr;
    std::uint32_t length = 0;
    std::string bytes;
    if (format_ == Format::Binary) {
        plist_to_bin(dict, &out, &length);
        bytes.assign(out ? out : "", out ? length : 0);
        plist_to_bin_free(out);
    } else {
        plist_to_xml(dict, &out, &length);
        bytes.assign(out ? out : "", out ? length : 0);
        plist_to_xml_free(out);
    }
    plist_free(dict);
    if (bytes.empty())
        throw std::runtime_error("libplist could not encode the Info.plist");
    if (format_ == Format::XmlUtf8Bom)
        return "\xEF\xBB\xBF" + bytes;
    if (format_ == Format::XmlUtf16LE || format_ == Format::XmlUtf16BE) {
        const bool big = format_ == Format::XmlUtf16BE;
        // The declaration names the encoding the file is in, as real ones do.
        if (const auto at = bytes.find("encoding=\"UTF-8\""); at != std::string::npos)
            bytes.replace(at, 16, "encoding=\"UTF-16\"");
        std::string wide = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit :
             QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdU16String()) {
            const char high = static_cast<char>(unit >> 8);
            const char low = static_cast<char>(unit & 0xFF);
            wide += big ? high : low;
            wide += big ? low : high;
        }
        return wide;
    }
    return bytes;
}

void BundleBuilder::buildAt(const fs::path& bundle) const {
    fs::create_directories(bundle / "Contents");
    if (writeInfoPlist_) {
        const std::string bytes = rawInfoPlist_ ? *rawInfoPlist_ : encodedInfoPlist();
        if (infoPlistLink_) {
            writeFile(bundle / infoPlistLink_->first, bytes);
            fs::remove(bundle / "Contents" / "Info.plist");
            fs::create_symlink(infoPlistLink_->second, bundle / "Contents" / "Info.plist");
        } else {
            writeFile(bundle / "Contents" / "Info.plist", bytes);
        }
    }
    for (const auto& [name, contents] : icons_)
        writeFile(bundle / "Contents" / "Resources" / name, contents);
    for (const BundleBuilder& inner : nested_)
        inner.buildAt(bundle / inner.bundle_);
}

fs::path BundleBuilder::build() const {
    buildAt(bundle_);
    return bundle_;
}

} // namespace dovrel::test
