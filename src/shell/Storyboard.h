#pragma once

#include <QString>

#include <memory>

namespace dovrel {

class Screen;
class ScreenFactory;

// A named group of screens from which controllers are instantiated by
// identifier, the stand-in for a storyboard. Two are used: "Main" (the
// window's own screens) and "SmartClean" (scan, results and cleanup).
// A cheap value: a name and the factory that knows the screens.
class Storyboard {
public:
    static constexpr const char* kMain = "Main";
    static constexpr const char* kSmartClean = "SmartClean";

    Storyboard() = default;
    Storyboard(QString name, const ScreenFactory* factory);

    // The storyboard of that name in the shared factory.
    static Storyboard storyboardWithName(const QString& name);

    const QString& name() const { return name_; }
    const ScreenFactory* factory() const { return factory_; }
    bool isValid() const { return factory_ != nullptr && !name_.isEmpty(); }

    // A new controller for the identifier every time (nothing is cached),
    // with its identifier and this storyboard recorded in it. Null when the
    // storyboard has no screen of that identifier. The caller owns it.
    std::unique_ptr<Screen> instantiateControllerWithIdentifier(const QString& identifier) const;

private:
    QString name_;
    const ScreenFactory* factory_ = nullptr;
};

} // namespace dovrel
