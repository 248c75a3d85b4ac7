#pragma once

#include <QWidget>

#include <array>

namespace dovrel {

// Five small white dots with a shadow in a row (objectA to objectE). At
// creation dots B to E start, 0.2, 0.35, 0.48 and 0.62 s later, a spring of
// their vertical place down to 80 and back, forever (speed 2, bounciness 8,
// mass 1.2, friction 14); dot A stays at rest. Under reduced motion all
// five rest.
class SearchAnimation : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal objectA READ objectA WRITE setObjectA)
    Q_PROPERTY(qreal objectB READ objectB WRITE setObjectB)
    Q_PROPERTY(qreal objectC READ objectC WRITE setObjectC)
    Q_PROPERTY(qreal objectD READ objectD WRITE setObjectD)
    Q_PROPERTY(qreal objectE READ objectE WRITE setObjectE)
public:
    static constexpr qreal kRest = 40;
    static constexpr qreal kLow = 80;

    explicit SearchAnimation(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {160, 100}; }

    // Vertical place of each dot's centre.
    qreal objectA() const { return y_[0]; }
    qreal objectB() const { return y_[1]; }
    qreal objectC() const { return y_[2]; }
    qreal objectD() const { return y_[3]; }
    qreal objectE() const { return y_[4]; }
    void setObjectA(qreal y) { setDot(0, y); }
    void setObjectB(qreal y) { setDot(1, y); }
    void setObjectC(qreal y) { setDot(2, y); }
    void setObjectD(qreal y) { setDot(3, y); }
    void setObjectE(qreal y) { setDot(4, y); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setDot(int index, qreal y);

    std::array<qreal, 5> y_{kRest, kRest, kRest, kRest, kRest};
};

} // namespace dovrel
