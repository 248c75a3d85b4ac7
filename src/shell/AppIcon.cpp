#include "shell/AppIcon.h"

#include <QFile>

namespace dovrel {

const QList<int>& AppIcon::sizes() {
    static const QList<int> all{16, 22, 24, 32, 48, 64, 128, 256, 512};
    return all;
}

QIcon AppIcon::icon() {
    QIcon icon;
    for (int size : sizes()) {
        const QString file = QStringLiteral(":/icons/%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace dovrel
