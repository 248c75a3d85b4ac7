#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dovrel::test {

// Builds a real application bundle on disk:
//
//   <path>/Contents/Info.plist             (XML or binary, written by libplist)
//   <path>/Contents/Resources/<icon file>  (optional)
//   <path>/<relative path of a nested bundle>/...  (optional, recursively)
//
// Usage:
//   BundleBuilder(tmp / "Editor.app")
//       .set("CFBundleIdentifier", "com.example.Editor")
//       .set("CFBundleVersion", 245)          // stored as <integer>
//       .icon("AppIcon.icns")
//       .format(BundleBuilder::Format::Binary)
//       .build();                             // returns the bundle path
//
// Without any set() the Info.plist is an empty dictionary; withoutInfoPlist()
// leaves it out and infoPlistBytes() writes the given bytes instead (damaged
// files), linkedInfoPlist() puts it elsewhere behind a link. Parent folders are created; existing files are
// overwritten. Throws std::runtime_error when the disk refuses.
class BundleBuilder {
public:
    // Xml is UTF-8 without a byte-order mark; the other XML forms carry the
    // same text with a UTF-8 mark, or in UTF-16 with the mark of its order.
    enum class Format { Xml, Binary, XmlUtf8Bom, XmlUtf16LE, XmlUtf16BE };

    explicit BundleBuilder(std::filesystem::path bundle);

    BundleBuilder& format(Format f);
    // A top-level string / integer value.
    BundleBuilder& set(const std::string& key, const std::string& value);
    BundleBuilder& set(const std::string& key, std::int64_t value);
    // A file in Contents/Resources (name may include an extension).
    BundleBuilder& icon(const std::string& fileName, const std::string& contents = "icon-bytes");
    // Info.plist with exactly these bytes instead of the encoded keys.
    BundleBuilder& infoPlistBytes(std::string bytes);
    BundleBuilder& withoutInfoPlist();
    // Writes the Info.plist at `relative` inside the bundle instead and makes
    // Contents/Info.plist a symbolic link whose target text is `linkText`.
    BundleBuilder& linkedInfoPlist(std::filesystem::path relative, std::filesystem::path linkText);
    // A bundle built inside this one; `inner`'s path is taken relative to
    // this bundle (e.g. "Contents/Library/LoginItems/Agent.app").
    BundleBuilder& nest(BundleBuilder inner);

    // The encoded Info.plist (the keys in the chosen format).
    std::string encodedInfoPlist() const;

    const std::filesystem::path& path() const { return bundle_; }
    std::filesystem::path infoPlistPath() const { return bundle_ / "Contents" / "Info.plist"; }

    // Writes everything; returns path().
    std::filesystem::path build() const;

private:
    void buildAt(const std::filesystem::path& bundle) const;

    std::filesystem::path bundle_;
    Format format_ = Format::Xml;
    std::map<std::string, std::variant<std::string, std::int64_t>> values_;
    std::vector<std::pair<std::string, std::string>> icons_;
    std::optional<std::string> rawInfoPlist_;
    bool writeInfoPlist_ = true;
    std::optional<std::pair<std::filesystem::path, std::filesystem::path>> infoPlistLink_;
    std::vector<BundleBuilder> nested_;
};

} // namespace dovrel::test
