#pragma once
// Helpers shared by the window suites: a recorder for the program's messages and a fixed
// "today", both undone when the helper goes out of scope.

#include "platform/MessageBox.h"
#include "platform/Clock.h"

#include <QDate>
#include <QStringList>

namespace zuvtest {

class MessageRecorder {
public:
    MessageRecorder() {
        m_previous = zuv::setMessageSink([this](const QString& text) { messages << text; });
    }
    ~MessageRecorder() { zuv::setMessageSink(m_previous); }
    QStringList messages;

private:
    zuv::MessageSink m_previous;
};

class FixedToday {
public:
    explicit FixedToday(const QDate& date) {
        zuv::setTodayProvider([date] { return date; });
    }
    ~FixedToday() { zuv::setTodayProvider({}); }
};

}  // namespace zuvtest
