#pragma once

#include "shell/Screen.h"

#include <QByteArray>
#include <QUrl>

#include <filesystem>
#include <optional>

class QLabel;
class QPushButton;

namespace dovrel {

class Defaults;
class FolderPicker;

// The folder-access screen ("Sandbox"): asks the user to pick the home
// folder and the Applications folder and stores each pick as a grant under
// "home" and "Applications".
//
// A pick is always stored; it counts as the right folder only when its name
// is the login name (home) or "Applications". When the right folder has been
// picked and the other grant resolves, the screen springs out of view, the
// home screen is asked for 0.3 s later ("home_view_controller_for_launch"),
// and "sandbox_end_anim_complete" follows when the animation has ended (the
// home screen is asked for first if the animation ended sooner).
class SandboxViewController : public Screen {
    Q_OBJECT
public:
    explicit SandboxViewController(FolderPicker& picker, QWidget* parent = nullptr);

    void viewDidLoad() override;

    void allow_home();
    void allow_applications();
    void open_sandbox_webpage();
    // The closing animation; posts "sandbox_end_anim_complete" when done.
    void sandbox_end_anim();

    static QUrl sandboxWebpage();

    QPushButton* allowHome() const { return allowHome_; }
    QPushButton* allowApps() const { return allowApps_; }
    bool isClosing() const { return closing_; }

    Defaults* app_settings = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Target {
        QString key;         // where the pick is stored
        QString otherKey;    // the grant that must also resolve
        QByteArray expected; // the folder name that counts
        QPushButton* button; // disabled once the right folder is picked
    };

    void pick(const Target& target, const std::filesystem::path& start);
    void picked(const Target& target, const std::optional<std::filesystem::path>& folder);
    void markGranted(QPushButton* button);
    void postHomeOnce();

    FolderPicker& picker_;
    QWidget* stage_;
    QLabel* label_;
    QLabel* text_;
    QLabel* info_text_;
    QWidget* directory_view_;
    QWidget* buttons_view_;
    QPushButton* allowHome_;
    QPushButton* allowApps_;
    bool closing_ = false;
    bool homePosted_ = false;
};

} // namespace dovrel
