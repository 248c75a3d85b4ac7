#pragma once

#include "shell/Screen.h"

#include <QMessageBox>
#include <QPointer>
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
// A pick is stored only when it is the right folder (FolderGrants: named as
// the login user, or "Applications"); a wrong one is refused in words on the
// screen, naming the folder expected, and its button stays. A granted card
// shows the folder chosen. When the right folder has been picked and the
// other grant resolves, the screen springs out of view, the
// home screen is asked for 0.3 s later ("home_view_controller_for_launch"),
// and "sandbox_end_anim_complete" follows when the animation has ended (the
// home screen is asked for first if the animation ended sooner).
//
// Where the home needs no Applications folder (HomeLayout::
// needsApplicationsGrant: the granted home, else the login user's), only the
// home card and button are shown; a picked home that turns out to need it
// brings the Applications card back.
class SandboxViewController : public Screen {
    Q_OBJECT
public:
    explicit SandboxViewController(FolderPicker& picker, QWidget* parent = nullptr);

    void viewDidLoad() override;

    void allow_home();
    void allow_applications();
    // Explains why access is needed, in a message box over the window that
    // also offers the help web page (there may be no browser to show it).
    void open_sandbox_webpage();
    // The closing animation; posts "sandbox_end_anim_complete" when done.
    void sandbox_end_anim();

    static QUrl sandboxWebpage();

    QPushButton* allowHome() const { return allowHome_; }
    QPushButton* allowApps() const { return allowApps_; }
    QPushButton* helpButton() const { return help_; }
    // The explanation box while it is open, or null.
    QMessageBox* helpBox() const { return helpBox_.data(); }
    // The refusal of the last pick, empty after a right one.
    QString message() const;
    // What the two cards say under their titles.
    QString homeDetail() const;
    QString appsDetail() const;
    bool isClosing() const { return closing_; }
    // Whether the Applications card and button are offered.
    bool asksForApplications() const { return asksForApplications_; }

    Defaults* app_settings = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Kind { Home, Applications };

    void pick(Kind kind);
    void picked(Kind kind, const std::optional<std::filesystem::path>& folder);
    void markGranted(Kind kind, const std::filesystem::path& folder);
    void showMessage(const QString& text);
    void postHomeOnce();
    // Shows both cards, or the home card alone in the middle.
    void askForApplications(bool ask);

    FolderPicker& picker_;
    QWidget* stage_;
    QLabel* label_;
    QLabel* text_;
    QWidget* info_text_;
    QWidget* directory_view_;
    QWidget* buttons_view_;
    QPushButton* allowHome_;
    QPushButton* allowApps_;
    QPushButton* help_;
    QLabel* homeDetail_;
    QLabel* appsDetail_;
    QLabel* message_;
    QPointer<QMessageBox> helpBox_;
    bool closing_ = false;
    bool homePosted_ = false;
    bool asksForApplications_ = true;
};

} // namespace dovrel
