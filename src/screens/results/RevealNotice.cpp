#include "screens/results/RevealNotice.h"

#include "platform/Dispatch.h"

#include <QAccessible>

namespace dovrel {

namespace {

constexpr std::chrono::seconds kFailureShown(8);
constexpr std::chrono::seconds kSkippedShown(15);
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
    hideAfter(kFailureShown);
}

QString RevealNotice::skippedText(const std::vector<SkippedPlace>& places) {
    if (places.empty())
        return {};
    const SkippedPlace& first = places.front();
    const QString path = QString::fromLocal8Bit(first.location.native().c_str());
    QString text = first.why == SkippedPlace::Why::LinkOnTheWay
                       ? tr("Not scanned: “%1” is a symbolic link, and what it leads to is not part of "
                            "your home folder.")
                             .arg(path)
                       : tr("Left alone: “%1”, because its .trashinfo file is not a regular file.").arg(path);
    if (places.size() == 2)
        text += QLatin1Char(' ') + tr("One more place was left out for a like reason.");
    else if (places.size() > 2)
        text +=
            QLatin1Char(' ') + tr("%1 more places were left out for like reasons.").arg(places.size() - 1);
    return text;
}

void RevealNotice::showSkipped(const std::vector<SkippedPlace>& places) {
    if (places.empty())
        return;
    present(skippedText(places));
    hideAfter(kSkippedShown);
}

void RevealNotice::showNote(const QString& text) {
    present(text);
    hideAfter(kFailureShown);
}

void RevealNotice::hideAfter(std::chrono::seconds shown) {
    const quint64 generation = generation_;
    Dispatch::main_after(this, shown, [this, generation] {
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
