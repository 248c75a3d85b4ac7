#include "catalogue/PlistEncoding.h"

#include <QStringDecoder>

#include <optional>

namespace dovrel {

std::string PlistEncoding::asUtf8Xml(std::string_view data) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (data.starts_with(kUtf8Mark))
        return std::string(data.substr(kUtf8Mark.size()));
    std::optional<QStringConverter::Encoding> utf16;
    if (data.starts_with("\xFF\xFE")) {
        utf16 = QStringConverter::Utf16LE;
        data.remove_prefix(2);
    } else if (data.starts_with("\xFE\xFF")) {
        utf16 = QStringConverter::Utf16BE;
        data.remove_prefix(2);
    } else if (data.starts_with(std::string_view("<\0", 2))) {
        utf16 = QStringConverter::Utf16LE;
    } else if (data.starts_with(std::string_view("\0<", 2))) {
        utf16 = QStringConverter::Utf16BE;
    }
    if (!utf16)
        return std::string(data);
    QStringDecoder decode(*utf16, QStringConverter::Flag::Stateless);
    const QString text = decode(QByteArrayView(data.data(), static_cast<qsizetype>(data.size())));
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace dovrel
