// Desktop notifications through the freedesktop notification service on the
// session bus; nothing happens where no such service runs.
#pragma once

#include <QString>

namespace platform {

/// Shows a notification with `title` and `body`. Returns false, silently,
/// when there is no session bus or no notification service on it.
bool notifyDesktop(const QString& title, const QString& body);

}  // namespace platform
