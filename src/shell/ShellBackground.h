#pragma once

#include "shell/BackgroundAnimating.h"

#include <QString>
#include <QWidget>

namespace dovrel {

// The window's backdrop behind both layers: the window colour with a soft
// light that drifts to a place chosen by each kind of screen. It stands where
// the animated curves of the background will go.
class ShellBackground : public QWidget, public BackgroundAnimating {
    Q_OBJECT
    Q_PROPERTY(qreal glow READ glow WRITE setGlow)
public:
    explicit ShellBackground(QWidget* parent = nullptr);

    void animation_for_home_view() override;
    void animation_for_scan_view() override;
    void animation_for_page_view() override;
    void animation_for_delete_view() override;
    void animation_for_cleaned_view() override;

    // "home", "scan", "page", "delete", "cleaned", or empty before the first.
    const QString& lastAnimation() const { return last_; }
    int animationCount() const { return count_; }

    // Horizontal place of the light, 0 (left) to 1 (right).
    qreal glow() const { return glow_; }
    void setGlow(qreal glow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void play(const QString& kind, qreal glow, int milliseconds);

    QString last_;
    int count_ = 0;
    qreal glow_ = 0.75;
};

} // namespace dovrel
