#pragma once

#include <QAbstractButton>

namespace dovrel {

// The home screen's large round scan button: a glowing disc inside a ring
// stroked with a blue gradient, the title in the middle. Darkens while
// pressed, brightens under the pointer.
class ScanButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ScanButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    bool hover_ = false;
};

} // namespace dovrel
