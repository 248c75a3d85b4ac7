#pragma once

#include "platform/gui/PreviewLoader.h"

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTreeWidget;

namespace dovrel {

class PreviewPanel;

// Where the preview panel takes its items from (the screen that opened it).
class PreviewPanelDataSource {
public:
    virtual ~PreviewPanelDataSource() = default;
    virtual int numberOfPreviewItemsInPreviewPanel(PreviewPanel* panel) = 0;
    virtual std::optional<std::filesystem::path> previewItemAtIndex(PreviewPanel* panel, int index) = 0;
};

// The in-app preview window, the stand-in for the Quick Look panel: one
// shared window that shows the first item of its data source.
//
// What it shows is loaded by PreviewLoader on the global queue (see there
// for how hostile items are handled); only the finished content comes back
// to the main thread, and a result for an item that is no longer the one
// asked for is dropped. The window deletes itself when closed; the next
// sharedPreviewPanel() makes a new one.
class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    // The shared panel, made on first use (main thread).
    static PreviewPanel* sharedPreviewPanel();
    // The shared panel if one exists, without making one.
    static PreviewPanel* existingPreviewPanel();

    // The data source is not owned; `owner` is the object whose life bounds
    // it (the panel forgets the source when the owner is destroyed).
    void setDataSource(QObject* owner, PreviewPanelDataSource* source);
    PreviewPanelDataSource* dataSource() const;

    // Asks the data source again and loads its first item.
    void reloadData();
    // Reloads, shows the window and brings it to the front. A window that
    // is not on screen yet opens over `over`'s window, as its transient.
    void makeKeyAndOrderFront(QWidget* over = nullptr);

    // The item being shown (or loaded), and whether its content is in.
    const std::optional<std::filesystem::path>& currentItem() const { return item_; }
    bool isLoaded() const { return loaded_; }
    const PreviewContent& content() const { return content_; }

    // The note under a folder's list: "1 item, 4 KB", "3 items, 12 KB".
    static QString itemsText(int count, ByteCount total);

    // The limits the loader uses (tests make them small).
    void setLimits(const PreviewLoader::Limits& limits) { limits_ = limits; }

protected:
    // Escape (and, for the preview, Space) closes the window.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // The content of the current item is shown.
    void contentLoaded();

private:
    explicit PreviewPanel(QWidget* parent = nullptr);
    void load(const std::filesystem::path& item);
    void present(PreviewContent content);
    void showFacts(const PreviewContent& content);

    QPointer<QObject> sourceOwner_;
    PreviewPanelDataSource* source_ = nullptr;
    std::optional<std::filesystem::path> item_;
    PreviewContent content_;
    PreviewLoader::Limits limits_;
    quint64 generation_ = 0;
    bool loaded_ = false;

    QLabel* title_;
    QStackedWidget* pages_;
    QLabel* image_;
    QPlainTextEdit* text_;
    QTreeWidget* folder_;
    QLabel* factsIcon_;
    QLabel* facts_;
    QLabel* note_;
};

} // namespace dovrel
