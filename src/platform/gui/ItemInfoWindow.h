#pragma once

#include "platform/gui/ItemFacts.h"

#include <QWidget>

#include <filesystem>

class QFormLayout;
class QLabel;

namespace dovrel {

// The in-app information window about one item, shown when the desktop's
// file manager offers no properties window: name, full path, kind, size,
// size on disk, modified, permissions and owner.
//
// The facts are gathered on the global queue (a folder is walked to measure
// it) and filled in when they arrive; the window deletes itself when closed.
class ItemInfoWindow : public QWidget {
    Q_OBJECT
public:
    // Opens a new window for the item (main thread), over `over`'s window
    // and as its transient when given.
    static ItemInfoWindow* showInfo(const std::filesystem::path& item, QWidget* over = nullptr);

    const std::filesystem::path& item() const { return item_; }
    bool isLoaded() const { return loaded_; }
    const ItemFacts& facts() const { return facts_; }
    // The shown value of a row ("Name", "Where", "Kind", "Size", "On disk",
    // "Modified", "Permissions", "Owner"), by its untranslated label.
    QString valueOf(const char* label) const;
    // The "On disk" text: the allocated size, and why it is smaller than the
    // size when it is (a sparse or compressed file, or a folder holding some).
    static QString onDiskText(const ItemFacts& facts);

protected:
    // Escape (and, for the preview, Space) closes the window.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void factsLoaded();

private:
    explicit ItemInfoWindow(std::filesystem::path item);
    void present(ItemFacts facts);

    std::filesystem::path item_;
    ItemFacts facts_;
    bool loaded_ = false;
    QFormLayout* form_;
};

} // namespace dovrel
