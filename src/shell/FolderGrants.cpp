#include "shell/FolderGrants.h"

#include "platform/Defaults.h"
#include "platform/gui/UserAccount.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace dovrel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("dovrel::FolderGrants", text);
}

bool isFolder(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

QString FolderGrants::key(Kind kind) {
    return QString::fromLatin1(kind == Kind::Home ? Grant::kHomeKey : Grant::kApplicationsKey);
}

QByteArray FolderGrants::expectedName(Kind kind) {
    return kind == Kind::Home ? UserAccount::loginName().toLocal8Bit() : QByteArray("Applications");
}

std::optional<std::filesystem::path> FolderGrants::expectedFolder(Kind kind) {
    if (kind == Kind::Home)
        return UserAccount::homeDirectoryForUser();
    if (auto system = UserAccount::localApplicationsDirectory())
        return system;
    const std::filesystem::path own = UserAccount::homeDirectoryForUser() / "Applications";
    if (isFolder(own))
        return own;
    return std::nullopt;
}

FolderPicker::Request FolderGrants::request(Kind kind, const Defaults* settings) {
    FolderPicker::Request request;
    request.prompt = tr("Allow");
    const std::filesystem::path home = UserAccount::homeDirectoryForUser();
    if (kind == Kind::Home) {
        request.title = tr("Choose Your Home Folder");
        request.startFolder = home.has_parent_path() && home != home.root_path() ? home.parent_path() : home;
        request.selection = home;
    } else {
        request.title = tr("Choose the Applications Folder");
        std::optional<std::filesystem::path> start = expectedFolder(kind);
        if (!start && settings)
            if (const auto granted = Grant::resolve(*settings, key(Kind::Home)).folder)
                if (const auto beside = granted->parent_path() / "Applications"; isFolder(beside))
                    start = beside;
        request.startFolder = start.value_or(home);
    }
    return request;
}

QByteArray FolderGrants::folderName(const std::filesystem::path& folder) {
    std::filesystem::path p = folder;
    if (p.filename().empty() && p.has_parent_path())
        p = p.parent_path();
    return QByteArray::fromStdString(p.filename().native());
}

bool FolderGrants::isRightFolder(Kind kind, const std::filesystem::path& folder) {
    const QByteArray expected = expectedName(kind);
    return !expected.isEmpty() && folderName(folder) == expected;
}

FolderGrants::Outcome FolderGrants::store(Defaults& settings, Kind kind,
                                          const std::filesystem::path& folder) {
    if (!isRightFolder(kind, folder))
        return Outcome::WrongFolder;
    const std::optional<QByteArray> grant = Grant::create(folder);
    if (grant)
        settings.setData(key(kind), *grant);
    else
        settings.removeObjectForKey(key(kind));
    settings.synchronize();
    return grant ? Outcome::Stored : Outcome::NotGranted;
}

QString FolderGrants::refusal(Kind kind, const std::filesystem::path& picked) {
    const QString chosen = displayPath(picked);
    const QString name = QString::fromLocal8Bit(expectedName(kind));
    const std::optional<std::filesystem::path> expected = expectedFolder(kind);
    if (kind == Kind::Home)
        return tr("“%1” is not your home folder. Please choose the folder named “%2” (%3).")
            .arg(chosen, name, displayPath(*expected));
    if (expected)
        return tr("“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).")
            .arg(chosen, displayPath(*expected));
    return tr("“%1” is not an Applications folder. Please choose a folder named “Applications”.").arg(chosen);
}

FolderGrants::State FolderGrants::state(const Defaults& settings, Kind kind) {
    State state;
    const std::optional<QByteArray> data = settings.dataForKey(key(kind));
    const Grant::Resolution resolution = Grant::resolve(data);
    state.status = resolution.status;
    state.folder = resolution.folder;
    if (!state.folder && data)
        state.folder = Grant::storedPath(*data);
    state.rightName = state.folder && isRightFolder(kind, *state.folder);
    return state;
}

QString FolderGrants::displayPath(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace dovrel
