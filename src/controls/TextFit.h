#pragma once

class QLabel;

namespace dovrel {

// Titles laid out at a fixed width keep their whole text in every language:
// the font is made smaller, a pixel at a time, until the text fits the
// label's width (never below `smallestPixelSize`).
class TextFit {
public:
    static void shrinkToWidth(QLabel* label, int smallestPixelSize = 16);
};

} // namespace dovrel
