#pragma once

#include <QLabel>

namespace dovrel {

// A label that gives itself a drop shadow at setup: black at 30%, blur 3,
// 2 to the right and 1 up.
class DVTShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit DVTShadowLabel(QWidget* parent = nullptr);
    explicit DVTShadowLabel(const QString& text, QWidget* parent = nullptr);

private:
    void setup();
};

} // namespace dovrel
