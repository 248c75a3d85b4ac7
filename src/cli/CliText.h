#pragma once

#include "engine/Types.h"

#include <QString>

#include <string>

namespace dovrel {

// Text for people on a terminal (never for paths handed to the system).
class CliText {
public:
    static std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

    // A location as readable text: bytes that are not UTF-8 show as U+FFFD.
    static std::string display(const Location& location) {
        const std::string& bytes = location.native();
        return utf8(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
};

} // namespace dovrel
