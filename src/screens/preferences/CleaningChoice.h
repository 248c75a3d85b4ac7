#pragma once

#include <QWidget>

class QComboBox;

namespace dovrel {

class Defaults;

// What a cleanup does with what the user chose, in Preferences: "Delete
// permanently" or "Move to the Trash", stored at once under
// CleaningMode::kKey and used from the next cleanup. Shows the stored
// choice when made.
class CleaningChoice : public QWidget {
    Q_OBJECT
public:
    explicit CleaningChoice(Defaults& settings, QWidget* parent = nullptr);

    QComboBox* box() const { return box_; }

private:
    Defaults& settings_;
    QComboBox* box_;
};

} // namespace dovrel
