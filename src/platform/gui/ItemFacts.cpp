#include "platform/gui/ItemFacts.h"

#include "fs/FolderWalk.h"
#include "platform/gui/GuardedFile.h"

#include <QCoreApplication>
#include <QMimeDatabase>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dovrel {

namespace {

QString shown(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString tr(const char* text) {
    return QCoreApplication::translate("dovrel::ItemFacts", text);
}

std::optional<QDateTime> timeOf(const struct statx_timestamp& t) {
    if (t.tv_sec == 0 && t.tv_nsec == 0)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

QString userName(uid_t uid) {
    std::vector<char> buffer(16384);
    struct passwd pw {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(uid, &pw, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString groupName(gid_t gid) {
    std::vector<char> buffer(16384);
    struct group gr {};
    struct group* found = nullptr;
    if (::getgrgid_r(gid, &gr, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

} // namespace

QString ItemFacts::permissionText(unsigned mode) {
    QString text;
    switch (mode & S_IFMT) {
    case S_IFDIR:
        text += QLatin1Char('d');
        break;
    case S_IFLNK:
        text += QLatin1Char('l');
        break;
    case S_IFIFO:
        text += QLatin1Char('p');
        break;
    case S_IFSOCK:
        text += QLatin1Char('s');
        break;
    case S_IFCHR:
        text += QLatin1Char('c');
        break;
    case S_IFBLK:
        text += QLatin1Char('b');
        break;
    default:
        text += QLatin1Char('-');
    }
    const char* letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400u >> bit)) ? QLatin1Char(letters[bit]) : QLatin1Char('-');
    return text + QStringLiteral(" (%1)").arg(mode & 07777, 3, 8, QLatin1Char('0'));
}

ItemFacts ItemFacts::gather(const std::filesystem::path& item, bool measureFolder) {
    ItemFacts facts;
    facts.name = shown(item.filename().native());
    facts.path = shown(item.native());

    struct statx sx {};
    if (::statx(AT_FDCWD, item.c_str(), AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT,
                STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return facts;
    facts.exists = true;
    const unsigned mode = sx.stx_mode;
    facts.permissions = permissionText(mode);
    facts.owner = userName(sx.stx_uid);
    facts.group = groupName(sx.stx_gid);
    facts.modified = timeOf(sx.stx_mtime);
    facts.accessed = timeOf(sx.stx_atime);
    if (sx.stx_mask & STATX_BTIME)
        facts.created = timeOf(sx.stx_btime);
    facts.size = static_cast<ByteCount>(sx.stx_size);
    facts.sizeOnDisk = static_cast<ByteCount>(sx.stx_blocks) * 512;

    QMimeDatabase db;
    switch (mode & S_IFMT) {
    case S_IFDIR:
        facts.kind = tr("Folder");
        facts.mimeType = QStringLiteral("inode/directory");
        facts.size = 0;
        break;
    case S_IFLNK: {
        facts.kind = tr("Symbolic link");
        facts.mimeType = QStringLiteral("inode/symlink");
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(item.c_str(), target.data(), target.size());
        if (n > 0) {
            target.resize(static_cast<std::size_t>(n));
            facts.linkTarget = shown(target);
        }
        break;
    }
    case S_IFIFO:
        facts.kind = tr("FIFO (named pipe)");
        facts.mimeType = QStringLiteral("inode/fifo");
        break;
    case S_IFSOCK:
        facts.kind = tr("Socket");
        facts.mimeType = QStringLiteral("inode/socket");
        break;
    case S_IFCHR:
        facts.kind = tr("Character device");
        facts.mimeType = QStringLiteral("inode/chardevice");
        break;
    case S_IFBLK:
        facts.kind = tr("Block device");
        facts.mimeType = QStringLiteral("inode/blockdevice");
        break;
    default: {
        const QList<QMimeType> types = db.mimeTypesForFileName(facts.name);
        const QMimeType type =
            types.isEmpty() ? db.mimeTypeForName(QStringLiteral("application/octet-stream")) : types.first();
        facts.mimeType = type.name();
        facts.kind = type.comment().isEmpty() ? tr("Document") : type.comment();
    }
    }

    if (S_ISDIR(mode) && measureFolder) {
        GuardedFile folder = GuardedFile::open(item, true);
        if (folder.isOpen() && folder.isFolder()) {
            ByteCount size = 0;
            ByteCount onDisk = facts.sizeOnDisk;
            FolderWalk::Options options;
            options.sizes = false;
            facts.folderComplete =
                FolderWalk::walkDescriptor(folder.fd(), options, [&](const FolderWalk::Item& i) {
                    const std::string name(i.name);
                    struct stat st {};
                    if (::fstatat(i.dirfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
                        onDisk += static_cast<ByteCount>(st.st_blocks) * 512;
                        if (!S_ISDIR(st.st_mode))
                            size += static_cast<ByteCount>(st.st_size);
                    }
                    return i.isDirectory();
                });
            facts.size = size;
            facts.sizeOnDisk = onDisk;
        } else {
            facts.folderComplete = false;
        }
    }
    return facts;
}

} // namespace dovrel
