#pragma once
// Starting the default browser on an address, with word back when no browser could be
// started: the desktop's opener starts, finds nothing to hand the address to and gives up,
// which would otherwise show only on the terminal.

#include <QObject>
#include <QUrl>
#include <functional>

namespace zorvane {

// Starts the browser on url. False when not even the opener can be started; when the
// opener starts but gives up soon after, failed runs then. The opener is ended (never the
// browser it started) when owner goes away.
bool StartBrowser(const QUrl& url, QObject* owner, std::function<void()> failed);

}  // namespace zorvane
