#include "platform/gui/FileIcons.h"

#include "platform/gui/GuardedFile.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <sys/stat.h>

namespace dovrel {

namespace {

// Bounds for decoding an icon file: bundle icons are small.
constexpr qint64 kMaxIconFileBytes = 8 * 1024 * 1024;
constexpr int kMaxIconSide = 1024;
constexpr int kIconAllocationMb = 32;

QString displayName(const std::filesystem::path& item) {
    const std::string bytes = item.filename().native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QPixmap paintGeneric(FileIcons::Generic kind) {
    constexpr int side = 64;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor paper(0xf2, 0xf3, 0xf7);
    const QColor edge(0x9a, 0x9d, 0xab);
    switch (kind) {
    case FileIcons::Generic::Folder: {
        QPainterPath back;
        back.addRoundedRect(QRectF(6, 14, 52, 40), 5, 5);
        back.addRoundedRect(QRectF(6, 10, 22, 10), 4, 4);
        p.fillPath(back.simplified(), QColor(0x3d, 0x8b, 0xe0));
        p.setBrush(QColor(0x6c, 0xb2, 0xf5));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(6, 20, 52, 34), 5, 5);
        break;
    }
    case FileIcons::Generic::Application: {
        p.setBrush(QColor(0x5d, 0x60, 0x70));
        p.setPen(QPen(edge, 1.5));
        p.drawRoundedRect(QRectF(8, 8, 48, 48), 11, 11);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 42), QPointF(32, 20));
        p.drawLine(QPointF(42, 42), QPointF(32, 20));
        p.drawLine(QPointF(25, 35), QPointF(39, 35));
        break;
    }
    case FileIcons::Generic::File:
    case FileIcons::Generic::Link:
    case FileIcons::Generic::Special: {
        QPainterPath sheet;
        sheet.moveTo(14, 6);
        sheet.lineTo(40, 6);
        sheet.lineTo(52, 18);
        sheet.lineTo(52, 58);
        sheet.lineTo(14, 58);
        sheet.closeSubpath();
        p.setPen(QPen(edge, 1.5));
        p.setBrush(paper);
        p.drawPath(sheet);
        p.drawLine(QPointF(40, 6), QPointF(40, 18));
        p.drawLine(QPointF(40, 18), QPointF(52, 18));
        if (kind == FileIcons::Generic::Link) {
            p.setPen(QPen(QColor(0x3d, 0x8b, 0xe0), 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(22, 46), QPointF(40, 30));
            p.drawLine(QPointF(31, 30), QPointF(40, 30));
            p.drawLine(QPointF(40, 30), QPointF(40, 39));
        } else if (kind == FileIcons::Generic::Special) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe0, 0x8a, 0x2e));
            p.drawEllipse(QPointF(33, 38), 7, 7);
        } else {
            p.setPen(QPen(edge, 2));
            for (int y = 28; y <= 48; y += 7)
                p.drawLine(QPointF(21, y), QPointF(45, y));
        }
        break;
    }
    }
    return pixmap;
}

} // namespace

QIcon FileIcons::generic(Generic kind) {
    static QHash<int, QIcon> cache;
    auto it = cache.find(static_cast<int>(kind));
    if (it == cache.end())
        it = cache.insert(static_cast<int>(kind), QIcon(paintGeneric(kind)));
    return it.value();
}

QMimeType FileIcons::mimeTypeOf(const std::filesystem::path& item) {
    QMimeDatabase db;
    struct stat st {};
    if (::lstat(item.c_str(), &st) == 0) {
        const char* special = nullptr;
        if (S_ISDIR(st.st_mode))
            special = "inode/directory";
        else if (S_ISLNK(st.st_mode))
            special = "inode/symlink";
        else if (S_ISFIFO(st.st_mode))
            special = "inode/fifo";
        else if (S_ISSOCK(st.st_mode))
            special = "inode/socket";
        else if (S_ISCHR(st.st_mode))
            special = "inode/chardevice";
        else if (S_ISBLK(st.st_mode))
            special = "inode/blockdevice";
        if (special != nullptr)
            return db.mimeTypeForName(QString::fromLatin1(special));
    }
    const QList<QMimeType> byName = db.mimeTypesForFileName(displayName(item));
    if (!byName.isEmpty())
        return byName.first();
    return db.mimeTypeForName(QStringLiteral("application/octet-stream"));
}

QIcon FileIcons::iconForMimeType(const QMimeType& type) {
    const QString name = type.name();
    Generic fallbackKind = Generic::File;
    if (name == QLatin1String("inode/directory"))
        fallbackKind = Generic::Folder;
    else if (name == QLatin1String("inode/symlink"))
        fallbackKind = Generic::Link;
    else if (name.startsWith(QLatin1String("inode/")))
        fallbackKind = Generic::Special;
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return it.value();
    QIcon icon;
    if (name == QLatin1String("inode/directory"))
        icon = QIcon::fromTheme(QStringLiteral("folder"));
    if (icon.isNull() && type.isValid())
        icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull() && type.isValid())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = generic(fallbackKind);
    cache.insert(name, icon);
    return icon;
}

QIcon FileIcons::iconForFile(const std::filesystem::path& item) {
    return iconForMimeType(mimeTypeOf(item));
}

QIcon FileIcons::iconFromImageFile(const std::filesystem::path& file) {
    GuardedFile opened = GuardedFile::open(file, false);
    if (!opened.isOpen() || opened.lstat().st_size <= 0 || opened.lstat().st_size > kMaxIconFileBytes)
        return {};
    QByteArray data = opened.read(kMaxIconFileBytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kIconAllocationMb);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxIconSide || size.height() > kMaxIconSide))
        reader.setScaledSize(size.scaled(kMaxIconSide, kMaxIconSide, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return QIcon(QPixmap::fromImage(image));
}

} // namespace dovrel
