#pragma once

#include "fs/Types.h"

#include <QString>

#include <memory>

namespace dovrel {

// One file or folder of a category (logs, installation files, trash).
struct LargeFile {
    Location url_file;
    QString name;
    ByteCount size = 0;
    QString type;

    static std::shared_ptr<LargeFile> init_with_file_url(Location url_file, QString name, ByteCount size,
                                                         QString type) {
        auto f = std::make_shared<LargeFile>();
        f->url_file = std::move(url_file);
        f->name = std::move(name);
        f->size = size;
        f->type = std::move(type);
        return f;
    }
};

} // namespace dovrel
