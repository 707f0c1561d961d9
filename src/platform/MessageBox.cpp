#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zuv {

namespace {
MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}

// The texts shown while a scope is open, and how many scopes are open.
struct ActionMessages {
    int depth = 0;
    QSet<QString> shown;
};
ActionMessages& actionMessages() {
    static ActionMessages messages;
    return messages;
}
}  // namespace

QString ProgramName() { return QStringLiteral("зувская календарная система"); }

void ShowMessage(const QString& text) {
    ActionMessages& action = actionMessages();
    if (action.depth > 0) {
        if (action.shown.contains(text)) return;
        action.shown.insert(text);
    }
    if (currentSink()) {
        currentSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ProgramName(), text, QMessageBox::Ok, QApplication::activeWindow());
    // Qt's Russian translation keeps the Latin "OK"; a Russian desktop writes it in Cyrillic.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК"));
    box.exec();
}

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = currentSink();
    currentSink() = std::move(sink);
    return previous;
}

MessageScope::MessageScope() { ++actionMessages().depth; }

MessageScope::~MessageScope() {
    ActionMessages& action = actionMessages();
    if (--action.depth == 0) action.shown.clear();
}

}  // namespace zuv
