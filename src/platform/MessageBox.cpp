#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace zuv {

namespace {
MessageSink& currentSink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

void ShowMessage(const QString& text) {
    if (currentSink()) {
        currentSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageSink setMessageSink(MessageSink sink) {
    MessageSink previous = currentSink();
    currentSink() = std::move(sink);
    return previous;
}

}  // namespace zuv
