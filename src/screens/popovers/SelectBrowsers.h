#pragma once

#include "engine/BrowserChoice.h"
#include "shell/Screen.h"

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;

namespace dovrel {

class Cleaner;
class Defaults;
struct CleanerItem;

// The browser-selection window ("SelectBrowsers"): one check box and one size
// label per browser (Google Chrome, Firefox, Safari). A browser the last scan
// did not find (or found empty) shows the zero size and cannot be ticked; a
// found one is ticked when it is chosen (BrowserChoice: this scan's choice,
// else its stored key, else ticked).
//
// Ticking or unticking a box stores the key ("GoogleChrome", "Mozilla",
// "Safari") as YES or NO, makes the engine's browser_item hold exactly the
// chosen browsers' locations and posts "browsers_selection_changed", on
// which the results screen reloads its browsers category.
//
// Shown as a modal window: titled "Select browser", fixed in size, without
// a minimise button, moved by dragging its background, placed at the
// application delegate's modalOrigin.
class SelectBrowsers : public Screen {
    Q_OBJECT
public:
    // `cleaner` gives the engine (the shared one when empty).
    explicit SelectBrowsers(std::function<Cleaner*()> cleaner = {}, QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear() override;

    void select_chrome(QObject* sender);
    void select_mozilla(QObject* sender);
    void select_safari(QObject* sender);

    Defaults* app_settings = nullptr;
    Cleaner* sharedCleaner = nullptr;
    std::shared_ptr<CleanerItem> chromeItem;
    std::shared_ptr<CleanerItem> mozillaItem;
    std::shared_ptr<CleanerItem> safariItem;

    QCheckBox* chrome_button() const { return buttons_[0]; }
    QCheckBox* mozilla_button() const { return buttons_[1]; }
    QCheckBox* safari_button() const { return buttons_[2]; }
    QLabel* chrome_size() const { return sizes_[0]; }
    QLabel* mozilla_size() const { return sizes_[1]; }
    QLabel* safari_size() const { return sizes_[2]; }

    bool isMovableByWindowBackground() const { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void select(BrowserChoice::Browser browser);

    std::function<Cleaner*()> cleanerProvider_;
    std::optional<BrowserChoice> choice_;
    QCheckBox* buttons_[3] = {};
    QLabel* sizes_[3] = {};
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace dovrel
