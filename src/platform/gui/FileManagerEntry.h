#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>

namespace dovrel {

// The desktop's file manager as a desktop entry: the application the user
// chose for folders (the default for inode/directory in the mimeapps.list
// files), or else any application that says it opens folders. It opens a
// folder when the file manager service does not answer, instead of the
// desktop's generic opener, which may hand a folder to a web browser.
//
// An entry is taken only when it can be started (Type=Application, not
// Hidden, its program found), takes a file or an address on its command line
// (a %f, %F, %u or %U field), and is not a web browser: nothing in the
// WebBrowser category and nothing that handles text/html, http or https.
class FileManagerEntry {
public:
    // The folders the lookup reads, as the XDG base-directory variables give
    // them (with their defaults), and the desktops of XDG_CURRENT_DESKTOP.
    struct Environment {
        QString configHome;
        QStringList configDirs;
        QString dataHome;
        QStringList dataDirs;
        QStringList desktops;
    };
    static Environment processEnvironment();

    std::filesystem::path file; // the desktop file
    QString id;                 // its desktop id, such as "org.example.Files.desktop"
    QString name;
    QString exec; // the Exec value, unescaped

    // The first entry that may open folders (see the class comment).
    static std::optional<FileManagerEntry> find(const Environment& environment);

    // The program and its arguments for opening `folder`; empty when the
    // Exec line cannot be read.
    QStringList command(const std::filesystem::path& folder) const;
    // Starts the file manager on `folder`, detached; whether it started.
    bool open(const std::filesystem::path& folder) const;

    // Whether an entry with these Categories and MimeType lists is a web browser.
    static bool isWebBrowser(const QStringList& categories, const QStringList& mimeTypes);
};

} // namespace dovrel
