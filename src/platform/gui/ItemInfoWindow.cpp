#include "platform/gui/ItemInfoWindow.h"

#include "platform/ByteCountFormatter.h"
#include "platform/Dispatch.h"
#include "platform/gui/FileIcons.h"
#include "platform/gui/WindowPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>
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

QString ItemInfoWindow::onDiskText(const ItemFacts& facts) {
    const QString room = formatByteCount(facts.sizeOnDisk);
    if (facts.sizeOnDisk >= facts.size)
        return room;
    // Less room than bytes: holes that were never written, or blocks the
    // file system keeps compressed.
    return facts.mimeType == QLatin1String("inode/directory")
               ? tr("%1, less than its size: some files in it are sparse or compressed and take less "
                    "room on the disk than they hold")
                     .arg(room)
               : tr("%1, less than its size: the file is sparse or compressed and takes less room on the "
                    "disk than it holds")
                     .arg(room);
}

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
            // A path has few spaces to wrap at: it wraps anywhere, as many
            // lines as it needs, so the whole of it can be read and copied.
            auto* where = new QTextEdit;
            where->setObjectName(QString::fromLatin1(row));
            where->setReadOnly(true);
            where->setAcceptRichText(false);
            where->setFrameShape(QFrame::NoFrame);
            where->setLineWrapMode(QTextEdit::WidgetWidth);
            where->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            where->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            where->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            where->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            where->viewport()->setAutoFillBackground(false);
            where->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; border: none; }"));
            where->document()->setDocumentMargin(0);
            where->setPlainText(tr("…"));
            // The document is laid out while the field paints: the new
            // height is taken after that paint, never inside it.
            QObject::connect(
                where->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, where,
                [where](const QSizeF& size) {
                    where->setFixedHeight(int(std::ceil(size.height())) + 2 * where->frameWidth());
                },
                Qt::QueuedConnection);
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
    if (auto* field = findChild<QTextEdit*>(QString::fromLatin1(label)))
        return field->toPlainText();
    auto* value = findChild<QLabel*>(QString::fromLatin1(label));
    return value ? value->text() : QString();
}

void ItemInfoWindow::present(ItemFacts facts) {
    facts_ = std::move(facts);
    auto set = [this](const char* label, const QString& text) {
        if (auto* field = findChild<QTextEdit*>(QString::fromLatin1(label))) {
            field->setPlainText(text);
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
        set("On disk", onDiskText(facts_));
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
