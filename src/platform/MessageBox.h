#pragma once
// Every message the program shows to the user goes through ShowMessage. By default it is a
// modal message box; tests install a sink that records the texts instead, so no test ever
// waits on a dialog.

#include <QString>
#include <functional>

namespace zuv {

using MessageSink = std::function<void(const QString&)>;

void ShowMessage(const QString& text);

// Replaces the sink; an empty function restores the message box. Returns the previous one.
MessageSink setMessageSink(MessageSink sink);

}  // namespace zuv
