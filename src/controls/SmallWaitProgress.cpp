#include "controls/SmallWaitProgress.h"

namespace dovrel {

SmallWaitProgress::SmallWaitProgress(QWidget* parent) : WaitProgress(8, 2, parent) {}

} // namespace dovrel
