#include "platform/gui/PreviewLoader.h"

#include "fs/FolderWalk.h"
#include "platform/gui/GuardedFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPdfDocument>
#include <QStringDecoder>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace dovrel {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("dovrel::PreviewLoader", text);
}

QString shown(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void listFolder(int fd, const PreviewLoader::Limits& limits, PreviewContent& content) {
    const int listing = ::dup(fd);
    if (listing < 0)
        return;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        if (static_cast<int>(content.entries.size()) >= limits.maxFolderEntries) {
            content.truncated = true;
            break;
        }
        PreviewContent::Entry entry;
        entry.name = shown(name);
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.folder = S_ISDIR(st.st_mode);
            entry.link = S_ISLNK(st.st_mode);
            if (entry.folder) {
                const int sub = ::openat(::dirfd(dir), name.c_str(),
                                         O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
                if (sub >= 0) {
                    entry.size = FolderWalk::totalSizeOfDescriptor(sub);
                    ::close(sub);
                }
            } else {
                entry.size = static_cast<ByteCount>(st.st_size);
            }
        }
        content.entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    std::sort(content.entries.begin(), content.entries.end(),
              [](const auto& a, const auto& b) { return a.name.localeAwareCompare(b.name) < 0; });
}

void loadImage(const GuardedFile& file, const PreviewLoader::Limits& limits, PreviewContent& content) {
    if (file.lstat().st_size > limits.maxImageFileBytes) {
        content.message =
            QCoreApplication::translate("dovrel::PreviewLoader", "This image is too large to preview.");
        return;
    }
    QByteArray data = file.read(limits.maxImageFileBytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(limits.imageAllocationMb);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || static_cast<qint64>(size.width()) * size.height() > limits.maxImagePixels) {
        content.message =
            size.isValid()
                ? QCoreApplication::translate("dovrel::PreviewLoader", "This image is too large to preview.")
                : QCoreApplication::translate("dovrel::PreviewLoader", "This image cannot be read.");
        return;
    }
    if (size.width() > limits.renderSize.width() || size.height() > limits.renderSize.height())
        reader.setScaledSize(size.scaled(limits.renderSize, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        content.message = QCoreApplication::translate("dovrel::PreviewLoader", "This image cannot be read.");
        return;
    }
    content.image = std::move(image);
    content.kind = PreviewContent::Kind::Image;
}

void loadPdf(const GuardedFile& file, const PreviewLoader::Limits& limits, PreviewContent& content) {
    if (file.lstat().st_size > limits.maxPdfFileBytes) {
        content.message =
            QCoreApplication::translate("dovrel::PreviewLoader", "This document is too large to preview.");
        return;
    }
    QByteArray data = file.read(limits.maxPdfFileBytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    if (document.status() != QPdfDocument::Status::Ready || document.pageCount() < 1) {
        content.message =
            QCoreApplication::translate("dovrel::PreviewLoader", "This document cannot be read.");
        return;
    }
    const QSizeF points = document.pagePointSize(0);
    if (points.isEmpty()) {
        content.message =
            QCoreApplication::translate("dovrel::PreviewLoader", "This document cannot be read.");
        return;
    }
    const QSize target = points.scaled(QSizeF(limits.renderSize), Qt::KeepAspectRatio).toSize();
    QImage page = document.render(0, target.expandedTo(QSize(1, 1)));
    document.close();
    if (page.isNull()) {
        content.message =
            QCoreApplication::translate("dovrel::PreviewLoader", "This document cannot be read.");
        return;
    }
    content.image = std::move(page);
    content.kind = PreviewContent::Kind::Pdf;
}

} // namespace

PreviewContent PreviewLoader::load(const std::filesystem::path& item, const Limits& limits) {
    PreviewContent content;
    GuardedFile file = GuardedFile::open(item, true);
    content.facts = ItemFacts::gather(item, false);
    if (file.status() == GuardedFile::Status::Missing || !content.facts.exists) {
        content.kind = PreviewContent::Kind::Missing;
        content.message = tr("“%1” is no longer there.").arg(content.facts.name);
        return content;
    }
    content.kind = PreviewContent::Kind::Facts;
    if (!file.isOpen())
        return content; // a link, FIFO, socket or device, or unreadable: described only
    if (file.isFolder()) {
        content.kind = PreviewContent::Kind::Folder;
        listFolder(file.fd(), limits, content);
        return content;
    }

    const QByteArray head = file.read(std::max(limits.maxSniffBytes, limits.maxTextBytes));
    QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFileNameAndData(content.facts.name, head);
    if (type.inherits(QStringLiteral("application/pdf"))) {
        loadPdf(file, limits, content);
    } else if (QImageReader::supportedMimeTypes().contains(type.name().toLatin1())) {
        loadImage(file, limits, content);
    } else if (type.inherits(QStringLiteral("text/plain")) && !head.contains('\0')) {
        const QByteArray start = head.left(static_cast<qsizetype>(limits.maxTextBytes));
        QStringDecoder decoder(QStringDecoder::Utf8);
        content.text = decoder.decode(start);
        content.truncated = file.lstat().st_size > start.size();
        content.kind = PreviewContent::Kind::Text;
    }
    return content;
}

} // namespace dovrel
