#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace dovrel {

// The four button-cell styles the screens use, as plain drawing recipes.
//
// Filled cells clip to the bounds rounded by `radius`, fill with
// `pushButtonColor` while highlighted (pressed) and `buttonColor` otherwise,
// then the sheen cells lay a vertical gradient from `pantiesColor` to clear
// over it. Title cells draw no bezel. Every cell draws its title in
// `textColor`; title cells use `pushTextColor` while highlighted.
//
//   kind                  radius  button        pushed   sheen     text         pushed text  shadow
//   PushButtonCell        4       #00E045 80%   #00E045  -         white        -            red 50%, 4
//   CleanButtonCell       8       white 40%     #00E045  -         white        -            red 50%, 4
//   DVRButtonCell         4       b1e5fe        #00E045  white 40% 364c59       -            red 0%, 4
//   LigthTitleButtonCell  -       -             -        -         white 80%    white 30%    black 40%, 2
//
// Each cell gives its control a shadow of that colour and blur, offset 1
// to the right. The blur is approximated by rings of falling opacity, and
// the shadow of a bezel is drawn only outside the bezel, so it never tints
// a translucent fill.
class ButtonCell {
public:
    enum class Kind {
        PushButtonCell,
        CleanButtonCell,
        DVRButtonCell,
        LigthTitleButtonCell,
    };

    static ButtonCell forKind(Kind kind);
    static QColor green(); // #00E045

    Kind kind = Kind::PushButtonCell;
    std::optional<qreal> radius; // absent: a title cell, no bezel
    QColor buttonColor;
    QColor pushButtonColor;
    std::optional<QColor> pantiesColor;
    QColor textColor;
    std::optional<QColor> pushTextColor;
    QColor shadowColor;
    qreal shadowBlur = 0;

    bool hasBezel() const { return radius.has_value(); }
    // The colour the bezel is filled with (invalid for title cells).
    QColor fillColor(bool highlighted) const;
    QColor titleColor(bool highlighted) const;

    // Paints the shadow, then the cell. Leave shadowBlur pixels around
    // `bounds` for the shadow.
    void paint(QPainter& painter, const QRectF& bounds, const QString& title, const QFont& font,
               bool highlighted) const;
    void paintShadow(QPainter& painter, const QRectF& bounds, const QString& title, const QFont& font) const;
};

} // namespace dovrel
