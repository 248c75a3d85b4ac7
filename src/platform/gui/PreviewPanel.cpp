#include "platform/gui/PreviewPanel.h"

#include "platform/ByteCountFormatter.h"
#include "platform/Dispatch.h"
#include "platform/gui/FileIcons.h"
#include "platform/gui/WindowPlacement.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace dovrel {

namespace {

QPointer<PreviewPanel> g_shared;

enum Page { kMessagePage, kImagePage, kTextPage, kFolderPage, kFactsPage };

QString dateText(const std::optional<QDateTime>& when) {
    return when ? QLocale().toString(*when, QLocale::ShortFormat) : QString();
}

} // namespace

PreviewPanel* PreviewPanel::sharedPreviewPanel() {
    if (!g_shared)
        g_shared = new PreviewPanel;
    return g_shared;
}

PreviewPanel* PreviewPanel::existingPreviewPanel() {
    return g_shared;
}

PreviewPanel::PreviewPanel(QWidget* parent)
    : QWidget(parent, Qt::Window), title_(new QLabel(this)), pages_(new QStackedWidget(this)),
      image_(new QLabel), text_(new QPlainTextEdit), folder_(new QTreeWidget), factsIcon_(new QLabel),
      facts_(new QLabel), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("PreviewPanel"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Preview"));
    setAccessibleName(tr("Preview"));
    resize(680, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    title_->setObjectName(QStringLiteral("previewTitle"));
    title_->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 600;"));
    title_->setTextFormat(Qt::PlainText);
    layout->addWidget(title_);
    layout->addWidget(pages_, 1);
    note_->setObjectName(QStringLiteral("previewNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    layout->addWidget(note_);

    auto* message = new QLabel;
    message->setObjectName(QStringLiteral("previewMessage"));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    pages_->insertWidget(kMessagePage, message);

    image_->setAlignment(Qt::AlignCenter);
    image_->setAccessibleName(tr("Preview picture"));
    pages_->insertWidget(kImagePage, image_);

    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setAccessibleName(tr("Start of the file"));
    pages_->insertWidget(kTextPage, text_);

    folder_->setColumnCount(2);
    folder_->setHeaderLabels({tr("Name"), tr("Size")});
    folder_->setRootIsDecorated(false);
    folder_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    folder_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    folder_->setAccessibleName(tr("Folder contents"));
    pages_->insertWidget(kFolderPage, folder_);

    auto* factsPage = new QWidget;
    auto* factsLayout = new QHBoxLayout(factsPage);
    factsIcon_->setFixedSize(96, 96);
    factsIcon_->setAlignment(Qt::AlignCenter);
    factsLayout->addWidget(factsIcon_, 0, Qt::AlignTop);
    facts_->setTextFormat(Qt::PlainText);
    facts_->setWordWrap(true);
    facts_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    factsLayout->addWidget(facts_, 1);
    pages_->insertWidget(kFactsPage, factsPage);
}

void PreviewPanel::setDataSource(QObject* owner, PreviewPanelDataSource* source) {
    sourceOwner_ = owner;
    source_ = source;
}

PreviewPanelDataSource* PreviewPanel::dataSource() const {
    return sourceOwner_ ? source_ : nullptr;
}

void PreviewPanel::reloadData() {
    PreviewPanelDataSource* source = dataSource();
    if (source == nullptr || source->numberOfPreviewItemsInPreviewPanel(this) < 1)
        return;
    if (std::optional<std::filesystem::path> item = source->previewItemAtIndex(this, 0))
        load(*item);
}

void PreviewPanel::makeKeyAndOrderFront(QWidget* over) {
    reloadData();
    if (!isVisible())
        WindowPlacement::placeOver(this, over);
    QWidget::show();
    raise();
    activateWindow();
}

void PreviewPanel::load(const std::filesystem::path& item) {
    item_ = item;
    loaded_ = false;
    const quint64 generation = ++generation_;
    const std::string bytes = item.filename().native();
    title_->setText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    note_->clear();
    static_cast<QLabel*>(pages_->widget(kMessagePage))->setText(tr("Loading…"));
    pages_->setCurrentIndex(kMessagePage);

    QPointer<PreviewPanel> self(this);
    const PreviewLoader::Limits limits = limits_;
    Dispatch::global_async([self, generation, item, limits] {
        auto content = std::make_shared<PreviewContent>(PreviewLoader::load(item, limits));
        Dispatch::main_async([self, generation, content] {
            if (self && self->generation_ == generation)
                self->present(std::move(*content));
        });
    });
}

void PreviewPanel::present(PreviewContent content) {
    content_ = std::move(content);
    note_->setText(content_.message);
    switch (content_.kind) {
    case PreviewContent::Kind::Missing:
        static_cast<QLabel*>(pages_->widget(kMessagePage))->setText(content_.message);
        pages_->setCurrentIndex(kMessagePage);
        note_->clear();
        break;
    case PreviewContent::Kind::Image:
    case PreviewContent::Kind::Pdf: {
        QPixmap picture = QPixmap::fromImage(content_.image);
        picture.setDevicePixelRatio(devicePixelRatioF());
        image_->setPixmap(picture);
        pages_->setCurrentIndex(kImagePage);
        break;
    }
    case PreviewContent::Kind::Text:
        text_->setPlainText(content_.text);
        pages_->setCurrentIndex(kTextPage);
        if (content_.truncated)
            note_->setText(tr("Only the start of the file is shown."));
        break;
    case PreviewContent::Kind::Folder: {
        folder_->clear();
        ByteCount total = 0;
        for (const PreviewContent::Entry& entry : content_.entries) {
            auto* row = new QTreeWidgetItem(folder_, {entry.name, formatByteCountInList(entry.size)});
            row->setIcon(0, FileIcons::generic(entry.folder ? FileIcons::Generic::Folder
                                               : entry.link ? FileIcons::Generic::Link
                                                            : FileIcons::Generic::File));
            row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            total += entry.size;
        }
        pages_->setCurrentIndex(kFolderPage);
        if (content_.truncated)
            note_->setText(tr("Only the first %n items are listed.", nullptr, int(content_.entries.size())));
        else
            note_->setText(itemsText(int(content_.entries.size()), total));
        break;
    }
    case PreviewContent::Kind::Facts:
        showFacts(content_);
        break;
    }
    loaded_ = true;
    emit contentLoaded();
}

QString PreviewPanel::itemsText(int count, ByteCount total) {
    // Spelled out for one: without a translation loaded, "%n items" would
    // read "1 items" in English.
    return (count == 1 ? tr("1 item, %1") : tr("%n items, %1", nullptr, count)).arg(formatByteCount(total));
}

void PreviewPanel::showFacts(const PreviewContent& content) {
    const ItemFacts& f = content.facts;
    const QIcon icon = FileIcons::iconForMimeType(QMimeDatabase().mimeTypeForName(f.mimeType));
    factsIcon_->setPixmap(icon.pixmap(QSize(80, 80), devicePixelRatioF()));
    QStringList lines;
    lines << f.kind << formatByteCount(f.size);
    if (!f.linkTarget.isEmpty())
        lines << tr("Points to: %1").arg(f.linkTarget);
    if (f.created)
        lines << tr("Created: %1").arg(dateText(f.created));
    if (f.modified)
        lines << tr("Modified: %1").arg(dateText(f.modified));
    if (f.accessed)
        lines << tr("Last opened: %1").arg(dateText(f.accessed));
    facts_->setText(lines.join(QLatin1Char('\n')));
    pages_->setCurrentIndex(kFactsPage);
}

void PreviewPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace dovrel
