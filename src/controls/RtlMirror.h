#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <unordered_map>

class QWidget;

namespace dovrel {

// Right to left, a container whose children are placed by arithmetic (not by
// a layout, which mirrors itself) shows them mirrored: each child's
// x becomes the container's width less its right edge. The code placing them
// keeps left-to-right coordinates, animations included; every move it makes
// is mirrored as it happens. Left to right nothing changes. Owned by the
// container; children added later are mirrored too.
class RtlMirror : public QObject {
    Q_OBJECT
public:
    // Does nothing while the application is left to right.
    static void install(QWidget* container);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit RtlMirror(QWidget* container);
    void watch(QWidget* child);
    void place(QWidget* child);

    QWidget* container_;
    // Per child: where the placing code put it, and where we put it.
    struct Spot {
        QPoint logical;
        QPoint shown;
    };
    std::unordered_map<QWidget*, Spot> spots_;
};

} // namespace dovrel
