#pragma once

class QApplication;

namespace dovrel {

// The application's look: the Fusion style with a dark palette and the
// style sheet of the screens' buttons and labels (by object name). Every
// focusable widget shows a light blue focus ring (FocusRingStyle, and the
// style sheet's :focus rules for the buttons it draws).
class AppStyle {
public:
    static void apply(QApplication& app);
    static const char* styleSheet();
};

} // namespace dovrel
