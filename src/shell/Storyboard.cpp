#include "shell/Storyboard.h"

#include "shell/Screen.h"
#include "shell/ScreenFactory.h"

namespace dovrel {

Storyboard::Storyboard(QString name, const ScreenFactory* factory)
    : name_(std::move(name)), factory_(factory) {}

Storyboard Storyboard::storyboardWithName(const QString& name) {
    return Storyboard(name, &ScreenFactory::shared());
}

std::unique_ptr<Screen> Storyboard::instantiateControllerWithIdentifier(const QString& identifier) const {
    if (!isValid())
        return nullptr;
    std::unique_ptr<Screen> screen = factory_->create(name_, identifier);
    if (screen) {
        screen->identifier_ = identifier;
        screen->storyboard_ = *this;
    }
    return screen;
}

} // namespace dovrel
