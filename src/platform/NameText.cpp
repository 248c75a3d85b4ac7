#include "platform/NameText.h"

#include "platform/Utf8.h"

#include <cstdint>

namespace dovrel {

namespace {

bool isEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

QString NameText::fromBytes(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t code = 0;
        const std::size_t n = Utf8::decode(bytes.substr(i), code);
        if (n == 0) {
            out.append(QChar(static_cast<char16_t>(0xDC00U + static_cast<std::uint8_t>(bytes[i]))));
            ++i;
            continue;
        }
        const char32_t one[] = {code};
        out.append(QString::fromUcs4(one, 1));
        i += n;
    }
    return out;
}

std::string NameText::bytes(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (isEscapedByte(unit)) {
            out += static_cast<char>(unit - 0xDC00);
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

QString NameText::shown(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (isEscapedByte(c.unicode()))
            c = QChar(QChar::ReplacementCharacter);
    return out;
}

} // namespace dovrel
