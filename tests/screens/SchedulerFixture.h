#pragma once

#include "platform/Defaults.h"
#include "scheduler/LoginItem.h"
#include "scheduler/SchedulerKeys.h"
#include "scheduler/SchedulerSwitch.h"

#include "support/FixtureTree.h"
#include "support/TempDir.h"

namespace dovrel::test {

// A reminder switch over the test's settings whose login item lives in a
// temporary folder, with a real agent file to point at.
struct SchedulerFixture {
    TempDir tmp;
    std::filesystem::path agent =
        FixtureTree(tmp.path()).fileWith("agent/dovrel-cleaner-scheduler", "#!/bin/sh\n");
    LoginItem loginItem{QString::fromLatin1(SchedulerKeys::kAgentIdentifier), agent, tmp / "config", {}};
    SchedulerSwitch schedulerSwitch{Defaults::standard(), Defaults::sharedSuite(), loginItem};

    bool registered() const { return std::filesystem::exists(loginItem.entryFile()); }
};

} // namespace dovrel::test
