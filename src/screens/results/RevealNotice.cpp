#include "screens/results/RevealNotice.h"

#include "platform/Dispatch.h"

#include <QAccessible>

namespace dovrel {

namespace {

constexpr std::chrono::seconds kFailureShown(8);
constexpr int kMargin = 16;

} // namespace

RevealNotice::RevealNotice(QWidget* screen) : QLabel(screen) {
    setObjectName(QStringLiteral("revealNotice"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(20, 21, 30, 0.88); color: white; "
                                 "border-radius: 8px; padding: 8px 14px; font-size: 13px; }"));
    hide();
}

void RevealNotice::showOpening() {
    present(tr("Opening the file manager…"));
}

void RevealNotice::showOutcome(Workspace::Revealed outcome, const QString& name) {
    if (outcome != Workspace::Revealed::Failed) {
        ++generation_;
        hide();
        return;
    }
    present(tr("No file manager could be opened to show “%1”.").arg(name));
    const quint64 generation = generation_;
    Dispatch::main_after(this, kFailureShown, [this, generation] {
        if (generation_ == generation)
            hide();
    });
}

void RevealNotice::present(const QString& text) {
    ++generation_;
    setText(text);
    QWidget* screen = parentWidget();
    // Bottom left, clear of the remove button at the bottom right; one
    // line when it fits in half the screen, else wrapped to that width.
    const int widest = std::max(screen->width() / 2, 160);
    setWordWrap(false);
    setMinimumWidth(0);
    setMaximumWidth(QWIDGETSIZE_MAX);
    adjustSize();
    if (width() > widest) {
        setWordWrap(true);
        setFixedWidth(widest);
        adjustSize();
    }
    move(2 * kMargin, screen->height() - height() - kMargin);
    show();
    raise();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace dovrel
