#pragma once
// Every message the program shows to the user goes through ShowMessage. By default it is a
// modal message box with the program's name as its title; tests install a sink that records
// the texts instead, so no test ever waits on a dialog. One user action shows a failure once:
// while a MessageScope is open a text already shown in it is not shown again.

#include <QSet>
#include <QString>
#include <functional>

namespace zuv {

using MessageSink = std::function<void(const QString&)>;

// The program's name: the main window's caption and the title of every message box.
QString ProgramName();

void ShowMessage(const QString& text);

// Replaces the sink; an empty function restores the message box. Returns the previous one.
MessageSink setMessageSink(MessageSink sink);

// Opened by a handler whose one user action can draw the same failing screen more than once
// (the click on a main page's circle: the maximise command, SelectMode, then the marking).
// Scopes nest: the texts shown are forgotten when the outermost one closes.
class MessageScope {
public:
    MessageScope();
    ~MessageScope();
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
};

}  // namespace zuv
