#pragma once

#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace dovrel::test {

// Before main() runs, XDG_CONFIG_HOME points at a fresh temporary folder, so
// Defaults::standard() (created on first use) never touches the real
// settings, and QT_QPA_PLATFORM defaults to "offscreen". These helpers work
// on that store.

// Removes every key the application writes, in the standard store and the
// shared suite.
void resetSettings();

// Waits, running the event loop, until `done` holds or `ms` have passed.
bool waitFor(const std::function<bool()>& done, int ms = 3000);

// Runs the event loop for `ms` (lets queued and deferred work happen).
void spin(int ms = 0);

// Saves the widget's picture as <build>/screenshots/<name>.png and returns
// the file.
std::filesystem::path saveScreenshot(QWidget* widget, const QString& name);

// Sets both the delayed-step factor and the animation factor.
void setTimeFactors(double dispatch, double animation);

} // namespace dovrel::test
