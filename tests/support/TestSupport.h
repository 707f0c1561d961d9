#pragma once
// Helpers shared by the window suites: a window's components by their object names, a
// recorder for the program's messages and a fixed "today", both undone when the helper goes
// out of scope.

#include "platform/MessageBox.h"
#include "platform/Clock.h"
#include "core/Screen.h"

#include <QAction>
#include <QDate>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace zuvtest {

// Short names for the suites' screen tables: {Gks, M::DatedSheet}, {NoSystem, M::Control, PatentPage}.
using zuv::Screen;
using M = zuv::ScreenMode;
constexpr zuv::CalendarSystem NoSystem = zuv::CalendarSystem::None;
constexpr zuv::CalendarSystem Gks = zuv::CalendarSystem::Gregorian;
constexpr zuv::CalendarSystem Vrks = zuv::CalendarSystem::Vrks;
constexpr zuv::CalendarSystem Zuv = zuv::CalendarSystem::Zuv;
constexpr zuv::ControlPage PatentPage = zuv::ControlPage::Patent;

inline QString describe(const Screen& s) {
    return QStringLiteral("(%1, %2, %3)").arg(int(s.system)).arg(int(s.mode)).arg(int(s.page));
}

// A window's component by the name its design gives it (its objectName), found as a user's
// tools find it. A name the window lacks stops the run: a renamed component must not pass.
template <typename T>
T* component(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found) qFatal("the window has no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Several components of one kind, in the order named.
template <typename T>
QList<T*> components(const QObject& window, std::initializer_list<const char*> names) {
    QList<T*> found;
    for (const char* name : names) found << component<T>(window, QLatin1String(name));
    return found;
}

// The numbered menu item N<number>.
inline QAction* menuItem(const QObject& window, int number) {
    return component<QAction>(window, QStringLiteral("N%1").arg(number));
}

// A tick of the window's one-second timer, as the event loop delivers it.
inline void tick(const QObject& window) {
    static const QMetaMethod timeout = QMetaMethod::fromSignal(&QTimer::timeout);
    timeout.invoke(component<QTimer>(window, QStringLiteral("Timer1")), Qt::DirectConnection);
}

// A left click in the middle of (or at `pos` of) a component, as the pointer gives it.
inline void click(QWidget* widget, QPoint pos = QPoint()) {
    if (pos.isNull()) pos = widget->rect().center();
    QTest::mouseMove(widget, pos);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
}

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

Q_DECLARE_METATYPE(zuv::Screen)
Q_DECLARE_METATYPE(zuv::CalendarSystem)
