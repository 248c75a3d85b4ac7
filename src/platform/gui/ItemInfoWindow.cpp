#include "platform/gui/ItemInfoWindow.h"

#include "platform/ByteCountFormatter.h"
#include "platform/Dispatch.h"
#include "platform/gui/FileIcons.h"
#include "platform/gui/WindowPlacement.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QVBoxLayout>

#include <memory>

namespace dovrel {

namespace {

// Rows in order, by their source text.
const char* const kRows[] = {
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Name"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Where"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Kind"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Size"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "On disk"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Modified"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Created"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Permissions"),
    QT_TRANSLATE_NOOP("dovrel::ItemInfoWindow", "Owner"),
};

QString dateText(const std::optional<QDateTime>& when) {
    return when ? QLocale().toString(*when, QLocale::LongFormat) : QStringLiteral("—");
}

} // namespace

ItemInfoWindow* ItemInfoWindow::showInfo(const std::filesystem::path& item, QWidget* over) {
    auto* window = new ItemInfoWindow(item);
    window->adjustSize();
    WindowPlacement::placeOver(window, over);
    window->show();
    window->raise();
    window->activateWindow();

    QPointer<ItemInfoWindow> self(window);
    Dispatch::global_async([self, item] {
        auto facts = std::make_shared<ItemFacts>(ItemFacts::gather(item, true));
        Dispatch::main_async([self, facts] {
            if (self)
                self->present(std::move(*facts));
        });
    });
    return window;
}

ItemInfoWindow::ItemInfoWindow(std::filesystem::path item)
    : QWidget(nullptr, Qt::Window), item_(std::move(item)), form_(new QFormLayout) {
    setObjectName(QStringLiteral("ItemInfoWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const std::string bytes = item_.filename().native();
    const QString name = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    setWindowTitle(tr("%1 Info").arg(name));
    setAccessibleName(windowTitle());
    setMinimumWidth(420);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    auto* icon = new QLabel;
    icon->setPixmap(FileIcons::iconForFile(item_).pixmap(QSize(48, 48), devicePixelRatioF()));
    layout->addWidget(icon);
    form_->setLabelAlignment(Qt::AlignRight);
    for (const char* row : kRows) {
        if (qstrcmp(row, "Where") == 0) {
            // A path has no place to wrap: a one-line field that scrolls, so
            // the whole of it can be read and copied.
            auto* where = new QLineEdit(tr("…"));
            where->setObjectName(QString::fromLatin1(row));
            where->setReadOnly(true);
            where->setFrame(false);
            where->setStyleSheet(
                QStringLiteral("QLineEdit { background: transparent; border: none; padding: 0; }"));
            form_->addRow(tr(row) + QLatin1Char(':'), where);
            continue;
        }
        auto* value = new QLabel(tr("…"));
        value->setObjectName(QString::fromLatin1(row));
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        form_->addRow(tr(row) + QLatin1Char(':'), value);
    }
    layout->addLayout(form_);
    layout->addStretch(1);
}

QString ItemInfoWindow::valueOf(const char* label) const {
    if (auto* field = findChild<QLineEdit*>(QString::fromLatin1(label)))
        return field->text();
    auto* value = findChild<QLabel*>(QString::fromLatin1(label));
    return value ? value->text() : QString();
}

void ItemInfoWindow::present(ItemFacts facts) {
    facts_ = std::move(facts);
    auto set = [this](const char* label, const QString& text) {
        if (auto* field = findChild<QLineEdit*>(QString::fromLatin1(label))) {
            field->setText(text);
            field->setCursorPosition(0);
            field->setToolTip(text);
        } else if (auto* value = findChild<QLabel*>(QString::fromLatin1(label))) {
            value->setText(text);
        }
    };
    set("Name", facts_.name);
    set("Where", facts_.path);
    if (!facts_.exists) {
        set("Kind", tr("This item is no longer there."));
        for (const char* row : {"Size", "On disk", "Modified", "Created", "Permissions", "Owner"})
            set(row, QStringLiteral("—"));
    } else {
        QString kind = facts_.kind;
        if (!facts_.linkTarget.isEmpty())
            kind += QStringLiteral(" → ") + facts_.linkTarget;
        set("Kind", kind);
        QString size = tr("%1 (%2 bytes)").arg(formatByteCount(facts_.size), QLocale().toString(facts_.size));
        if (!facts_.folderComplete)
            size += tr(", not all of it could be read");
        set("Size", size);
        set("On disk", formatByteCount(facts_.sizeOnDisk));
        set("Modified", dateText(facts_.modified));
        set("Created", dateText(facts_.created));
        set("Permissions", facts_.permissions);
        set("Owner",
            facts_.group.isEmpty() ? facts_.owner : facts_.owner + QStringLiteral(" (") + facts_.group + ')');
    }
    loaded_ = true;
    emit factsLoaded();
}

void ItemInfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace dovrel
