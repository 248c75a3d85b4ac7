#pragma once

#include <QString>
#include <QUrl>

#include <filesystem>
#include <functional>

namespace dovrel {

// Opening addresses and showing files in the desktop's file manager.
class Workspace {
public:
    // Opens the address with the desktop's default handler (browser for
    // http(s), file manager for folders). Returns whether a handler took it.
    static bool openURL(const QUrl& url);

    // Shows the item selected in the file manager
    // (org.freedesktop.FileManager1.ShowItems); when no file manager answers,
    // opens the item's parent folder instead. The path's bytes are kept exact.
    static void reveal(const std::filesystem::path& item);

    // The address of a local path with its bytes percent-encoded as they are.
    static QUrl fileURL(const std::filesystem::path& path);

    // Replaces the handler behind openURL (tests); an empty one restores the
    // desktop's.
    using URLOpener = std::function<bool(const QUrl&)>;
    static void setURLOpener(URLOpener opener);

    // ---- Test seam of reveal() ---------------------------------------------
    // Makes reveal() look for the file manager on the D-Bus connection of
    // that name (one made with QDBusConnection::connectToBus, e.g. to a
    // private bus with a fake file manager) instead of the session bus. An
    // empty name restores the session bus.
    static void setFileManagerConnection(const QString& connectionName);
};

} // namespace dovrel
