#include "shell/ScreenFactory.h"

#include "shell/Screen.h"

namespace dovrel {

ScreenFactory& ScreenFactory::shared() {
    static ScreenFactory instance;
    return instance;
}

void ScreenFactory::registerScreen(const QString& storyboard, const QString& identifier, Creator creator) {
    if (!creator)
        return;
    creators_.insert(qMakePair(storyboard, identifier), std::move(creator));
}

void ScreenFactory::unregisterScreen(const QString& storyboard, const QString& identifier) {
    creators_.remove(qMakePair(storyboard, identifier));
}

void ScreenFactory::clear() {
    creators_.clear();
}

bool ScreenFactory::contains(const QString& storyboard, const QString& identifier) const {
    return creators_.contains(qMakePair(storyboard, identifier));
}

std::unique_ptr<Screen> ScreenFactory::create(const QString& storyboard, const QString& identifier) const {
    auto it = creators_.constFind(qMakePair(storyboard, identifier));
    if (it == creators_.constEnd())
        return nullptr;
    return it.value()();
}

} // namespace dovrel
