#pragma once

#include "fs/Types.h"
#include "shell/Screen.h"

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace dovrel {

class Cleaner;

// The content of a category information popover: the category's name, a few
// sentences about it and, for most categories, one button whose press calls
// show(). The results screen instantiates it from the "SmartClean"
// storyboard ("AboutCaches" ... "AboutTrash"), wraps it in a popup of the
// controller's size and keeps it alive while it is shown.
//
// The categories without a button of their own ("AboutRemainders",
// "AboutInstalls") are plain AboutPopovers; the others are subclasses that
// override show(). A popover keeps no state: it asks for the engine at the
// moment its button is pressed.
class AboutPopover : public Screen {
    Q_OBJECT
public:
    // `buttonTitle` empty: text only. `cleaner` gives the engine (the shared
    // one when empty).
    AboutPopover(const QString& title, const QString& text, const QString& buttonTitle,
                 std::function<Cleaner*()> cleaner, QWidget* parent = nullptr);

    static std::unique_ptr<AboutPopover> aboutRemainders(std::function<Cleaner*()> cleaner = {});
    static std::unique_ptr<AboutPopover> aboutInstalls(std::function<Cleaner*()> cleaner = {});

    // The button's action; does nothing here.
    virtual void show(QObject* sender);
    using QWidget::show;

    QLabel* titleLabel() const { return title_; }
    QLabel* textLabel() const { return text_; }
    // Null for a text-only popover.
    QPushButton* button() const { return button_; }

protected:
    // The engine, asked for now.
    Cleaner* engine() const;

    // Shows a category folder in the file manager: its ".DS_Store" entry
    // selected when that exists, otherwise the folder itself selected in its
    // parent as long as the location is set. Nothing when it is not set.
    static void revealCategoryFolder(const std::optional<Location>& folder);

    void paintEvent(QPaintEvent* event) override;

private:
    std::function<Cleaner*()> cleaner_;
    QLabel* title_;
    QLabel* text_;
    QPushButton* button_ = nullptr;
};

} // namespace dovrel
