#pragma once

#include <QWidget>

namespace dovrel {

// A rounded panel in "3e3f47" at reduced opacity that groups the controls
// placed in it. Still.
class GroupView : public QWidget {
    Q_OBJECT
public:
    explicit GroupView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dovrel
