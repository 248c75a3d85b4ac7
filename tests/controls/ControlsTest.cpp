// The custom controls: the switch, the check button's ripple, the push
// button, the button cells, and the transition label's pictures. Animations
// are stepped by setting their current time, never by waiting.

#include "controls/Animator.h"
#include "controls/ButtonCell.h"
#include "controls/CellButton.h"
#include "controls/CleanButton.h"
#include "controls/GCheckButton.h"
#include "controls/PushButton.h"
#include "controls/RippleLayer.h"
#include "controls/RtlMirror.h"
#include "controls/SwitchButton.h"
#include "controls/SwitchLayer.h"
#include "controls/TransitionLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVariantAnimation>

#include <gtest/gtest.h>

namespace dovrel {
namespace {

// Runs the animation under `key` of `target` to its end.
void finish(QObject* target, const char* key) {
    QVariantAnimation* a = Animator::running(target, QString::fromLatin1(key));
    ASSERT_NE(a, nullptr) << key;
    a->setCurrentTime(a->duration());
}

QVariant endOf(QObject* target, const char* key) {
    QVariantAnimation* a = Animator::running(target, QString::fromLatin1(key));
    return a ? a->endValue() : QVariant();
}

void hover(QWidget* w, bool inside) {
    if (inside) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(w, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
    }
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Animator::setDurationFactor(1);
        window.resize(300, 120);
        window.show();
    }
    void TearDown() override { Animator::setDurationFactor(1); }
    QWidget window;
};

TEST_F(ControlsTest, SwitchFlipsOnPressAndAlwaysSendsItsAction) {
    struct Case {
        bool enabled;
        bool on;
        bool expectOn;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}, {false, true, true}};
    for (const Case& c : cases) {
        SwitchButton s(QStringLiteral("Remind me"), &window);
        s.setGeometry(10, 10, 200, 30);
        s.show();
        s.setChecked(c.on);
        s.setEnabled(c.enabled);
        QSignalSpy action(&s, &QAbstractButton::clicked);
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(10, 15));
        EXPECT_EQ(s.isChecked(), c.expectOn) << c.enabled << c.on;
        ASSERT_EQ(action.count(), 1) << "the action goes out on press, enabled or not";
        EXPECT_EQ(action.at(0).at(0).toBool(), c.expectOn);
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(10, 15));
        EXPECT_EQ(action.count(), 1) << "nothing happens on release";
        EXPECT_EQ(s.isChecked(), c.expectOn);
    }
}

TEST_F(ControlsTest, SpaceActsLikeAPressOnTheSwitchAndThePushButton) {
    SwitchButton s(&window);
    QSignalSpy switched(&s, &QAbstractButton::clicked);
    QTest::keyPress(&s, Qt::Key_Space);
    EXPECT_TRUE(s.isChecked());
    QTest::keyRelease(&s, Qt::Key_Space);
    EXPECT_EQ(switched.count(), 1);

    PushButton b(QStringLiteral("Open"), &window);
    QSignalSpy pushed(&b, &QAbstractButton::clicked);
    QTest::keyPress(&b, Qt::Key_Space);
    EXPECT_EQ(pushed.count(), 1);
    QTest::keyRelease(&b, Qt::Key_Space);
    EXPECT_EQ(pushed.count(), 1);
    EXPECT_FALSE(b.isDown());
}

TEST_F(ControlsTest, StateSetFromCodeAnimatesExactlyLikeAPress) {
    for (bool on : {true, false}) {
        SwitchButton pressed(&window), coded(&window);
        for (SwitchButton* s : {&pressed, &coded}) {
            s->setGeometry(0, 0, 30, 30);
            Animator::setDurationFactor(0);
            s->setChecked(!on);
            Animator::setDurationFactor(1);
        }
        QTest::mousePress(&pressed, Qt::LeftButton, {}, QPoint(5, 5));
        coded.setChecked(on);
        for (SwitchButton* s : {&pressed, &coded}) {
            ASSERT_EQ(s->isChecked(), on);
            EXPECT_EQ(endOf(s->layer(), SwitchButton::kBackgroundKey).value<QColor>(),
                      on ? SwitchLayer::onColor() : SwitchLayer::clearColor());
            EXPECT_EQ(Animator::running(s->layer(), QStringLiteral("key#4"))->duration(), 300);
            EXPECT_DOUBLE_EQ(endOf(s->layer(), SwitchButton::kStateRadiusKey).toReal(),
                             on ? SwitchLayer::kRoundRadius : SwitchLayer::kRestRadius);
            finish(s->layer(), SwitchButton::kBackgroundKey);
            finish(s->layer(), SwitchButton::kStateRadiusKey);
        }
        EXPECT_EQ(pressed.layer()->backgroundColor(), coded.layer()->backgroundColor());
        EXPECT_DOUBLE_EQ(pressed.layer()->cornerRadius(), coded.layer()->cornerRadius());
    }
}

TEST_F(ControlsTest, PointerRoundsAnOffSwitchAndLeavesAnOnSwitchAlone) {
    SwitchButton s(&window);
    s.setGeometry(0, 0, 30, 30);
    hover(&s, true);
    EXPECT_TRUE(s.mouseInside());
    EXPECT_DOUBLE_EQ(endOf(s.layer(), SwitchButton::kPointerInKey).toReal(), 9.0);
    finish(s.layer(), SwitchButton::kPointerInKey);
    EXPECT_DOUBLE_EQ(s.layer()->cornerRadius(), 9.0);
    hover(&s, false);
    EXPECT_FALSE(s.mouseInside());
    finish(s.layer(), SwitchButton::kPointerOutKey);
    EXPECT_DOUBLE_EQ(s.layer()->cornerRadius(), 7.2);

    Animator::setDurationFactor(0);
    s.setChecked(true);
    Animator::setDurationFactor(1);
    const QColor background = s.layer()->backgroundColor();
    const qreal radius = s.layer()->cornerRadius();
    for (bool inside : {true, false, true}) {
        hover(&s, inside);
        EXPECT_EQ(s.mouseInside(), inside);
        for (const char* key : {SwitchButton::kPointerInKey, SwitchButton::kPointerOutKey,
                                SwitchButton::kBackgroundKey, SwitchButton::kStateRadiusKey})
            EXPECT_EQ(Animator::running(s.layer(), QString::fromLatin1(key)), nullptr) << key;
        EXPECT_EQ(s.layer()->backgroundColor(), background);
        EXPECT_DOUBLE_EQ(s.layer()->cornerRadius(), radius);
    }
    // Switched off with the pointer still inside: it stays round.
    s.setChecked(false);
    EXPECT_DOUBLE_EQ(endOf(s.layer(), SwitchButton::kStateRadiusKey).toReal(), 9.0);
}

TEST_F(ControlsTest, PushButtonActsOnPressAndColoursItsBackground) {
    PushButton b(QStringLiteral("Open"), &window);
    b.setGeometry(10, 10, 120, 40);
    b.show();
    QSignalSpy action(&b, &QAbstractButton::clicked);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(action.count(), 1);
    EXPECT_EQ(endOf(&b, PushButton::kKey).value<QColor>(), b.pushColor());
    EXPECT_EQ(Animator::running(&b, QStringLiteral("key#1"))->duration(), 90);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(action.count(), 1);
    EXPECT_EQ(endOf(&b, PushButton::kKey).value<QColor>(), b.buttonColor());
    EXPECT_EQ(Animator::running(&b, QStringLiteral("key#1"))->duration(), 100);
    finish(&b, PushButton::kKey);
    EXPECT_EQ(b.backgroundColor(), QColor::fromRgbF(1, 1, 1, 0.8f));
}

TEST_F(ControlsTest, RippleRestartsOnASecondClickAndEndsInvisible) {
    GCheckButton b(&window);
    b.setGeometry(10, 10, 40, 40);
    b.show();
    const char* key = GCheckButton::kRippleKey;
    EXPECT_FALSE(b.shape()->isPainted());
    EXPECT_EQ(b.imageRect().size(), QSize(24, 24));
    EXPECT_EQ(b.imageRect().center(), QRect(0, 0, 40, 40).center());

    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(b.isChecked()); // the ordinary click ran first
    ASSERT_TRUE(b.shape()->isPainted());
    QVariantAnimation* first = Animator::running(b.shape(), QString::fromLatin1(key));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->duration(), 350);
    first->setCurrentTime(175);
    EXPECT_DOUBLE_EQ(b.shape()->radius(), 7 + (18 - 7) * 0.5);
    EXPECT_DOUBLE_EQ(b.shape()->opacity(), 0.5);

    QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(b.isChecked());
    QVariantAnimation* second = Animator::running(b.shape(), QString::fromLatin1(key));
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_DOUBLE_EQ(b.shape()->radius(), 7.0);
    EXPECT_DOUBLE_EQ(b.shape()->opacity(), 0.8);
    EXPECT_TRUE(b.shape()->isPainted());

    second->setCurrentTime(350);
    EXPECT_FALSE(b.shape()->isPainted());
    EXPECT_DOUBLE_EQ(b.shape()->radius(), 18.0); // end values held
    EXPECT_DOUBLE_EQ(b.shape()->opacity(), 0.2);
    QImage picture(b.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    b.shape()->paint(painter, QPointF(20, 20));
    painter.end();
    EXPECT_EQ(picture.pixelColor(20, 3).alpha(), 0); // nothing left of it
}

TEST_F(ControlsTest, EveryButtonIsNamedAndReachableByTab) {
    const QString title = QStringLiteral("Remind me");
    SwitchButton sw(title, &window);
    GCheckButton check(title, &window);
    PushButton push(title, &window);
    CellButton cell(ButtonCell::Kind::LigthTitleButtonCell, title, &window);
    struct Case {
        QWidget* widget;
        QAccessible::Role role;
    } cases[] = {{&sw, QAccessible::CheckBox},
                 {&check, QAccessible::CheckBox},
                 {&push, QAccessible::Button},
                 {&cell, QAccessible::Button}};
    for (const Case& c : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c.widget);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), c.role) << c.widget->metaObject()->className();
        EXPECT_EQ(a->text(QAccessible::Name), title) << c.widget->metaObject()->className();
        EXPECT_TRUE(c.widget->focusPolicy() & Qt::TabFocus) << c.widget->metaObject()->className();
    }
}

TEST(RippleLayer, EndRadiusIsHalfTheWidthLessTwoCutToAWholeNumber) {
    const std::pair<qreal, qreal> cases[] = {{40, 18}, {33, 14}, {32.9, 14}, {5, 0}};
    for (const auto& [width, radius] : cases)
        EXPECT_DOUBLE_EQ(RippleLayer::endRadiusFor(width), radius) << width;
}

TEST(ButtonCell, FilledCellsPaintTheirColourAndTitleCellsNoBezel) {
    using K = ButtonCell::Kind;
    struct Case {
        K kind;
        bool highlighted;
        QColor centre; // invalid: nothing painted under the title
    } cases[] = {
        {K::PushButtonCell, false, QColor(0, 224, 69, 204)},
        {K::PushButtonCell, true, QColor(0, 224, 69)},
        {K::CleanButtonCell, true, QColor(0, 224, 69)},
        {K::DVRButtonCell, false, QColor(0xb1, 0xe5, 0xfe)},
        {K::LigthTitleButtonCell, true, QColor()},
        {K::LigthTitleButtonCell, false, QColor()},
    };
    for (const Case& c : cases) {
        QImage image(72, 42, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        const ButtonCell cell = ButtonCell::forKind(c.kind);
        cell.paint(p, QRectF(6, 6, 60, 30), QString(), QFont(), c.highlighted);
        p.end();
        const QColor bottom = image.pixelColor(36, 33); // under the sheen's clear end
        if (!c.centre.isValid()) {
            EXPECT_EQ(bottom.alpha(), 0) << int(c.kind);
            continue;
        }
        EXPECT_NEAR(bottom.red(), c.centre.red(), 3) << int(c.kind) << " the shadow does not tint the fill";
        EXPECT_NEAR(bottom.green(), c.centre.green(), 3) << int(c.kind);
        EXPECT_NEAR(bottom.alpha(), c.centre.alpha(), 3) << int(c.kind);
        // The shadow falls 1 to the right: more of it right of the bezel than left.
        const QColor right = image.pixelColor(67, 21), left = image.pixelColor(4, 21);
        EXPECT_GE(right.alpha(), left.alpha()) << int(c.kind);
        EXPECT_EQ(right.alpha() > 0, cell.shadowColor.alpha() > 0) << int(c.kind);
    }
    const QColor pushedTitle = ButtonCell::forKind(K::LigthTitleButtonCell).titleColor(true);
    EXPECT_EQ(pushedTitle.rgb(), QColor(Qt::white).rgb());
    EXPECT_NEAR(pushedTitle.alpha(), 77, 1); // white at 30 %
    EXPECT_EQ(ButtonCell::forKind(K::PushButtonCell).titleColor(true), QColor(Qt::white));
}

TEST(TransitionLabel, TheTwoTextsNeverShowTogether) {
    for (auto kind : {TransitionLabel::Kind::Fade, TransitionLabel::Kind::MoveInFromTop})
        for (qreal p = 0; p <= 1.0; p += 0.05) {
            const qreal old = TransitionLabel::oldOpacity(kind, p);
            const qreal fresh = TransitionLabel::freshOpacity(kind, p);
            if (kind == TransitionLabel::Kind::Fade) {
                EXPECT_TRUE(old == 0 || fresh == 0) << p;
            }
            EXPECT_GE(old, 0);
            EXPECT_LE(fresh, 1);
        }
    EXPECT_EQ(TransitionLabel::oldOpacity(TransitionLabel::Kind::Fade, 0), 1);
    EXPECT_EQ(TransitionLabel::freshOpacity(TransitionLabel::Kind::Fade, 1), 1);
}

TEST(TransitionLabel, MidTransitionOnlyTheGlyphsCoverWhatIsBehind) {
    QWidget stage;
    stage.resize(300, 60);
    stage.setAutoFillBackground(true);
    QPalette red = stage.palette();
    red.setColor(QPalette::Window, Qt::red);
    stage.setPalette(red);
    TransitionLabel label(&stage);
    QPalette window = label.palette();
    window.setColor(QPalette::Window, QColor(0x51, 0x53, 0x60));
    label.setPalette(window);
    label.setGeometry(0, 0, 300, 60);
    label.setAlignment(Qt::AlignCenter);
    label.setText(QStringLiteral("12 KB"));
    stage.show();
    for (auto kind : {TransitionLabel::Kind::Fade, TransitionLabel::Kind::MoveInFromTop}) {
        label.addTransition(kind, 300);
        label.setText(QStringLiteral("1.5 MB"));
        ASSERT_TRUE(label.isTransitioning());
        label.setTransitionProgress(0.2);
        const QImage picture = stage.grab().toImage();
        EXPECT_EQ(picture.pixelColor(4, 4), QColor(Qt::red)) << "no box behind the text";
        EXPECT_EQ(picture.pixelColor(295, 55), QColor(Qt::red));
        label.setTransitionProgress(1);
    }
}

// Right to left, children placed by arithmetic show mirrored in their
// container, follow every later move (an animation's too) and the
// container's width; left to right nothing changes.
TEST(RtlMirror, ChildrenPlacedByArithmeticShowMirrored) {
    QWidget container;
    container.resize(400, 100);
    QWidget child(&container);
    child.setGeometry(10, 5, 100, 20);
    RtlMirror::install(&container);
    EXPECT_EQ(child.x(), 10); // left to right: untouched

    qApp->setLayoutDirection(Qt::RightToLeft);
    QWidget mirrored;
    mirrored.resize(400, 100);
    QWidget a(&mirrored);
    a.setGeometry(10, 5, 100, 20);
    RtlMirror::install(&mirrored);
    QWidget late(&mirrored); // added after
    late.setGeometry(0, 0, 50, 10);
    mirrored.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(a.pos(), QPoint(290, 5));
    EXPECT_EQ(late.x(), 350);
    for (const int x : {20, 25, 30}) { // frames of a move
        a.move(x, 5);
        QCoreApplication::processEvents();
        EXPECT_EQ(a.x(), 400 - x - 100);
    }
    mirrored.resize(500, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(a.x(), 500 - 30 - 100);
    qApp->setLayoutDirection(Qt::LeftToRight);
}

// The results' surface is opaque: what is drawn behind it (the window's
// moving dots) does not show through.
TEST(CleanButton, NothingBehindShowsThrough) {
    CleanButton panel;
    panel.resize(120, 80);
    QImage image(panel.size(), QImage::Format_ARGB32);
    image.fill(Qt::red);
    panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const QColor centre = image.pixelColor(60, 40);
    EXPECT_LT(centre.red() - centre.blue(), 20) << centre.name().toStdString();
}

} // namespace
} // namespace dovrel
