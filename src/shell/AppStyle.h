#pragma once

class QApplication;

namespace dovrel {

// The application's look: the Fusion style with a dark palette and the
// style sheet of the screens' buttons and labels (by object name).
class AppStyle {
public:
    static void apply(QApplication& app);
    static const char* styleSheet();
};

} // namespace dovrel
