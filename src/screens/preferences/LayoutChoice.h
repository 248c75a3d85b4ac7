#pragma once

#include <QWidget>

class QComboBox;

namespace dovrel {

class Defaults;

// The home-layout choice of Preferences: "Automatic", "macOS" or "Linux",
// stored at once under HomeLayout::kPreferenceKey and used from the next
// scan. Shows the stored choice when made.
class LayoutChoice : public QWidget {
    Q_OBJECT
public:
    explicit LayoutChoice(Defaults& settings, QWidget* parent = nullptr);

    QComboBox* box() const { return box_; }

private:
    void store(int index);

    Defaults& settings_;
    QComboBox* box_;
};

} // namespace dovrel
