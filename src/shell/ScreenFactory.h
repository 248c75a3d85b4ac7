#pragma once

#include <QHash>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

namespace dovrel {

class Screen;

// Knows how to make every screen, by storyboard name and identifier.
// The executable registers the screens at start-up (tests register their
// own); the shell and the screens only ask for identifiers, so no screen
// includes another.
class ScreenFactory {
public:
    using Creator = std::function<std::unique_ptr<Screen>()>;

    // The factory the application's storyboards use.
    static ScreenFactory& shared();

    // Registers (or replaces) the maker of one screen.
    void registerScreen(const QString& storyboard, const QString& identifier, Creator creator);
    void unregisterScreen(const QString& storyboard, const QString& identifier);
    void clear();

    bool contains(const QString& storyboard, const QString& identifier) const;

    // A new screen, or null when nothing is registered under the name. The
    // screen's identifier and storyboard are not set here (Storyboard does).
    std::unique_ptr<Screen> create(const QString& storyboard, const QString& identifier) const;

private:
    QHash<QPair<QString, QString>, Creator> creators_;
};

} // namespace dovrel
