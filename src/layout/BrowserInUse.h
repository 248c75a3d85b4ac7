#pragma once

#include "fs/Types.h"

#include <optional>
#include <string>

namespace dovrel {

// Whether a running browser holds a profile folder, read from the lock the
// browser itself keeps there. Removing site data under a running browser
// corrupts its profile, so such data is left alone.
//
//   browser            folder          lock                          held when
//   Firefox            the profile     .parentlock                   an fcntl lock on it is held
//                                      lock -> "IP:+PID" / "IP:PID"  PID lives and IP is this
//                                                                    computer's, or IP is another's
//   Chromium, Chrome   user-data dir   SingletonLock -> "HOST-PID"   PID lives and HOST is this
//                                                                    computer's name, or HOST is another
//
// A lock naming another computer counts as held: the profile lies on a shared
// disk and the browser itself refuses to start then. "This computer" is a
// loopback address or an address its host name resolves to (Firefox writes
// the latter). A lock whose process is gone, or that cannot be read as
// above, is stale and holds nothing. Only the lock entries are looked at:
// nothing is opened but .parentlock (read-only, never created), and links
// are read, never followed.
class BrowserInUse {
public:
    // The name of the browser running on `folder` ("Firefox", "Chromium",
    // "Google Chrome"), or absent.
    static std::optional<std::string> holder(const Location& folder);

    // The holder of the first folder, from `location` itself up to the home
    // (the home excluded), that a running browser holds; absent when none
    // is, when `location` does not exist (it is gone already), or when it is
    // not below `home`.
    static std::optional<std::string> holderOf(const Location& home, const Location& location);

    // Why a location a running browser holds is left alone:
    // "Close Chromium to clean its site data".
    static std::string reason(const std::string& browser);
};

} // namespace dovrel
