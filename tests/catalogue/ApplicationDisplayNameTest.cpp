#include "catalogue/DisplayName.h"
#include "platform/NameText.h"

#include <gtest/gtest.h>

#include <string>

namespace dovrel {
namespace {

TEST(ApplicationDisplayName, RemovesOnlyATrailingAppExtension) {
    EXPECT_EQ(DisplayName::of("/Applications/Editor.app"), QStringLiteral("Editor"));
    EXPECT_EQ(DisplayName::of("/Applications/Editor.app/"), QStringLiteral("Editor"));
    EXPECT_EQ(DisplayName::of("Editor.app//"), QStringLiteral("Editor"));
    EXPECT_EQ(DisplayName::of("/x/My.app.app"), QStringLiteral("My.app"));
    EXPECT_EQ(DisplayName::of("/x/Editor.app.zip"), QStringLiteral("Editor.app.zip"));
    EXPECT_EQ(DisplayName::of("/x/Editor.application"), QStringLiteral("Editor.application"));
    EXPECT_EQ(DisplayName::of("/x/Editor.APP"), QStringLiteral("Editor.APP"));
    EXPECT_EQ(DisplayName::of("/x/com.example.Editor"), QStringLiteral("com.example.Editor"));
    EXPECT_EQ(DisplayName::of("/x/notes.txt"), QStringLiteral("notes.txt"));
}

TEST(ApplicationDisplayName, EdgeNames) {
    // Nothing before ".app": the name stays as it is rather than going blank.
    EXPECT_EQ(DisplayName::of("/x/.app"), QStringLiteral(".app"));
    EXPECT_EQ(DisplayName::of("/x/.hidden"), QStringLiteral(".hidden"));
    EXPECT_EQ(DisplayName::of("Plain"), QStringLiteral("Plain"));
    EXPECT_EQ(DisplayName::of("/"), QStringLiteral("/"));
    EXPECT_EQ(DisplayName::of(""), QString());
}

TEST(ApplicationDisplayName, BytesThatAreNotUtf8AreKeptAndShownLossily) {
    const QString name = DisplayName::of(std::string("/x/Caf\xE9\xFF.app"));
    EXPECT_EQ(NameText::bytes(name), std::string("Caf\xE9\xFF"));
    EXPECT_NE(name, DisplayName::of(std::string("/x/Caf\xE9\xFE.app")));
    EXPECT_EQ(NameText::shown(name), QStringLiteral("Caf\uFFFD\uFFFD"));
    EXPECT_EQ(DisplayName::of("/x/Éditeur 日本.app"), QStringLiteral("Éditeur 日本"));
}

} // namespace
} // namespace dovrel
