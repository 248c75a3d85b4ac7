#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractAnimation;
class QWidget;

namespace dovrel {

// Keeps a widget's endless animations from running while nobody can see
// them: pauses them when the widget is hidden (also when a parent is hidden
// or the window minimised, which send it hide events) and resumes them when
// it is shown again. One per widget, made on first use, a child of it.
class VisibilityPause : public QObject {
    Q_OBJECT
public:
    // Watches `animation` on behalf of `widget`; pauses it at once when the
    // widget is not visible now.
    static void attach(QWidget* widget, QAbstractAnimation* animation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit VisibilityPause(QWidget* widget);
    void setRunning(bool running);

    QWidget* widget_;
    QList<QPointer<QAbstractAnimation>> animations_;
};

} // namespace dovrel
