#pragma once

#include <QWidget>

namespace dovrel {

// A rounded white panel at reduced opacity, behind a group of controls.
// Still.
class BackgroundView : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dovrel
