#pragma once

#include <QDBusConnection>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

class QObject;

namespace dovrel {

// Opening addresses and showing files in the desktop's file manager, the
// stand-in for the platform's workspace.
//
// The file manager is reached through org.freedesktop.FileManager1 on the
// session bus. Calls to it never wait on the event loop: they are sent
// asynchronously with a bounded reply time, and what follows (a fallback, a
// completion) runs from the event loop once the answer or the timeout is in.
// Items are passed as file URIs built from the path bytes, so names that are
// not valid UTF-8 reach the file manager exactly.
class Workspace {
public:
    static constexpr const char* kFileManagerService = "org.freedesktop.FileManager1";
    static constexpr const char* kFileManagerPath = "/org/freedesktop/FileManager1";
    static constexpr const char* kFileManagerInterface = "org.freedesktop.FileManager1";
    // Upper bound for each call; a file manager started on demand gets this long.
    static constexpr int kCallTimeoutMs = 5000;

    // Opens the address with the desktop's default handler (browser for
    // http(s), file manager for folders). Returns whether a handler took it.
    static bool openURL(const QUrl& url);

    // How a reveal ended.
    enum class Revealed {
        ByFileManager, // the file manager service showed the items selected
        FoldersOpened, // a file manager opened the folders holding them
        Failed,        // nothing could show them (no file manager is known)
    };

    // Shows the items selected in the file manager (ShowItems with every
    // item's URI). When no file manager takes the call, opens each folder that
    // holds one of the items instead, every folder once, in the order of the
    // items, with the file manager's desktop entry (FileManagerEntry), never
    // with a web browser. An empty list does nothing. `done`, when given,
    // learns on the main thread how it ended (Failed when any folder could
    // not be opened).
    static void activateFileViewerSelectingURLs(const std::vector<std::filesystem::path>& items,
                                                std::function<void(Revealed)> done = {});
    // The same for one item.
    static void reveal(const std::filesystem::path& item);

    // Asks the file manager for its properties window of the items
    // (ShowItemProperties). There is no fallback here: `done(false)` tells the
    // caller to show its own information. `done` runs on the main thread, and
    // only while `context` is alive (null: always).
    static void showItemProperties(const std::vector<std::filesystem::path>& items, QObject* context,
                                   std::function<void(bool)> done);

    // The address of a local path with its bytes percent-encoded as they are.
    static QUrl fileURL(const std::filesystem::path& path);
    // The same address as the text a file URI list carries.
    static QString fileURI(const std::filesystem::path& path);

    // Opens a folder in the file manager of the desktop entries; whether it
    // started. Goes through the installed opener when there is one.
    static bool openFolder(const std::filesystem::path& folder);

    // Replaces the handler behind openURL and openFolder (tests); an empty
    // one restores the desktop's.
    using URLOpener = std::function<bool(const QUrl&)>;
    static void setURLOpener(URLOpener opener);

    // The bus on which the file manager is called (tests use a private bus);
    // absent restores the session bus.
    static void setFileManagerBus(std::optional<QDBusConnection> bus);
};

} // namespace dovrel
