#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

namespace dovrel {

// The disk-usage gauge: a chart ring (a white track over 0.82 of a turn,
// open at the bottom) and over it the used-space ring stroked with the blue
// gradient "0076ff" to "2bbcff". On a click the chart ring grows from 0 to
// 0.82 in 2 s (linear); when it is full the used ring grows along it from 0
// to the used fraction of the home folder's file system in 2 s (linear).
//
// The fraction is read at the click (statvfs of the home folder). When the
// capacities cannot be read (total 0) no used ring and no figure is shown.
class ShapeView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal chartEnd READ chartEnd WRITE setChartEnd)
    Q_PROPERTY(qreal usedEnd READ usedEnd WRITE setUsedEnd)
public:
    static constexpr qreal kChartLength = 0.82;

    // Where the used fraction comes from; the default reads the capacity of
    // the engine's home folder (`url_home`).
    using FractionSource = std::function<std::optional<float>()>;

    explicit ShapeView(QWidget* parent = nullptr, FractionSource source = {});

    QSize sizeHint() const override { return {200, 200}; }

    qreal chartEnd() const { return chartEnd_; }
    void setChartEnd(qreal value);
    qreal usedEnd() const { return usedEnd_; }
    void setUsedEnd(qreal value);
    // The fraction read at the last click, nullopt before or when unknown.
    std::optional<float> usedFraction() const { return used_; }

    // Runs the two ring animations (what a click does).
    void animate();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FractionSource source_;
    std::optional<float> used_;
    qreal chartEnd_ = 0;
    qreal usedEnd_ = 0;
};

} // namespace dovrel
