#pragma once

#include "catalogue/Application.h"
#include "catalogue/Cache.h"
#include "support/BundleBuilder.h"
#include "support/FixtureTree.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace dovrel::test {

// A macOS-shaped home "ann" and an Applications folder side by side in a
// temporary folder, with the catalogue objects reading them.
class CatalogueHomeTest : public ::testing::Test {
protected:
    TempDir tmp;
    FixtureTree tree{tmp.path()};
    Location home = tmp / "ann";
    Location apps = tmp / "Applications";
    Location lib = home / "Library";
    Application application{home, apps};
    Cache cache{home, apps, &application};

    void SetUp() override {
        FixtureTree::makeHomeSkeleton(home);
        std::filesystem::create_directories(apps);
    }

    // A bundle with just an identifier.
    static void install(const Location& where, const std::string& id) {
        BundleBuilder(where).set("CFBundleIdentifier", id).build();
    }
};

} // namespace dovrel::test
