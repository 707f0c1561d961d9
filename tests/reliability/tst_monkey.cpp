// A monkey at the main window: random but reproducible input for a bounded time. It clicks
// the components and triggers the menu items, opens the sheet's menu, picks days in the
// picker, presses the keys, turns the wheel, zooms, resizes, maximises and restores, lets the
// blink tick, and moves the clock to days inside and outside the sheets' ranges. It fails on
// more than one message for one action, an action that holds the event loop for over a
// second of its own work (or five seconds of waiting, which a busy machine cannot explain), or
// (in runs of two minutes and more) a resident size that grows after the first minute;
// crashes and the sanitizers' reports fail the run by themselves.
//
//   ZUV_MONKEY_SECONDS  how long (default 20)     ZUV_MONKEY_SEED  the seed (default: the clock)
//   A run of more than five minutes needs QTEST_FUNCTION_TIMEOUT (ms) above its length.
#include "TestSupport.h"
#include "ResourceStore.h"
#include "mainwindow/ZUVunit.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QRandomGenerator>
#include <QtTest>
#include <ctime>
#include <iterator>

using namespace zuv;
using zuvtest::component;

namespace {

// The GUI thread's own working time: a neighbour on a busy machine does not count.
qint64 threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

long residentKb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // freed memory waits in quarantine, and everything is slower
#else
constexpr bool kSanitized = false;
#endif

// Days inside and outside the ranges of the sheets, the picker and the day table.
const QDate kDays[] = {QDate(1900, 1, 1),  QDate(1921, 3, 4),  QDate(1924, 2, 29), QDate(2001, 1, 1),
                       QDate(2006, 6, 15), QDate(2026, 12, 10), QDate(2048, 12, 31), QDate(2049, 3, 2),
                       QDate(2049, 3, 3),  QDate(2052, 12, 31), QDate(2053, 3, 3),  QDate(2100, 6, 15)};

const Qt::Key kKeys[] = {Qt::Key_Right, Qt::Key_Left,  Qt::Key_Down,   Qt::Key_Up,    Qt::Key_PageDown,
                         Qt::Key_PageUp, Qt::Key_Home, Qt::Key_Escape, Qt::Key_Equal, Qt::Key_Minus,
                         Qt::Key_C,      Qt::Key_Plus, Qt::Key_A};

class Monkey {
public:
    Monkey(TFormZUV& window, QRandomGenerator& rng, QDate& today) : w(window), rng(rng), today(today) {}

    // One random action; returns its name for the failure messages.
    QString act() {
        switch (rng.bounded(11)) {
        case 0: return triggerAnItem();
        case 1: return clickAComponent();
        case 2: return sheetMenu();
        case 3: return pickADay();
        case 4: return pressAKey();
        case 5: return turnTheWheel();
        case 6: return resize();
        case 7:
        case 8: zuvtest::tick(w); return QStringLiteral("tick");
        case 9: today = kDays[rng.bounded(int(std::size(kDays)))]; return QStringLiteral("clock %1").arg(today.toString(Qt::ISODate));
        default: return dragTheSheet();
        }
    }

private:
    template <typename T>
    T* any(const QList<T*>& from) { return from.isEmpty() ? nullptr : from[rng.bounded(int(from.size()))]; }

    QString triggerAnItem() {
        QList<QAction*> items;
        for (QAction* a : w.findChildren<QAction*>())
            // "закрыть программу" would end the run; "свернуть на панель" leaves it running.
            if (a->isEnabled() && !a->menu() && a->objectName() != QLatin1String("N3")) items << a;
        QAction* item = any(items);
        if (!item) return QStringLiteral("no item");
        item->trigger();
        return QStringLiteral("item ") + item->objectName();
    }

    QString clickAComponent() {
        QList<QWidget*> shown;
        for (QWidget* c : w.findChildren<QWidget*>())
            if (c->isVisible() && !c->objectName().isEmpty() && !qobject_cast<QMenu*>(c)) shown << c;
        QWidget* target = any(shown);
        if (!target || target->width() < 1 || target->height() < 1) return QStringLiteral("no component");
        const QPoint at(rng.bounded(target->width()), rng.bounded(target->height()));
        QTest::mouseMove(target, at);
        QTest::mouseClick(target, rng.bounded(6) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
        return QStringLiteral("click %1 at %2,%3").arg(target->objectName()).arg(at.x()).arg(at.y());
    }

    QString sheetMenu() {
        ImageControl* sheet = component<ImageControl>(w, QStringLiteral("StartImage"));
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), sheet->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(sheet, &open);
        QMenu* menu = component<QMenu>(w, QStringLiteral("StartPopupMnu"));
        QList<QAction*> enabled;
        for (QAction* a : menu->actions())
            if (a->isEnabled()) enabled << a;
        QAction* item = any(enabled);
        menu->hide();
        if (item) item->trigger();
        return QStringLiteral("sheet menu ") + (item ? item->objectName() : QStringLiteral("closed"));
    }

    QString pickADay() {
        auto* picker = component<MonthCalendar>(w, QStringLiteral("MCal"));
        const QDate day = kDays[rng.bounded(int(std::size(kDays)))].addDays(rng.bounded(60) - 30);
        picker->SetDate(day);
        emit picker->DayClicked();
        return QStringLiteral("pick %1").arg(day.toString(Qt::ISODate));
    }

    QString pressAKey() {
        const Qt::Key key = kKeys[rng.bounded(int(std::size(kKeys)))];
        const Qt::KeyboardModifiers mods = rng.bounded(3) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(&w, key, mods);
        return QStringLiteral("key %1%2").arg(mods ? QStringLiteral("Ctrl+") : QString()).arg(int(key));
    }

    QString turnTheWheel() {
        auto* box = component<ScrollBox>(w, QStringLiteral("StartPanel"));
        const int delta = (rng.bounded(2) ? 120 : -120) * (1 + rng.bounded(3));
        const Qt::KeyboardModifiers mods = rng.bounded(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QWheelEvent turn(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &turn);
        return QStringLiteral("wheel %1%2").arg(mods ? QStringLiteral("Ctrl ") : QString()).arg(delta);
    }

    QString resize() {
        const QSize size(400 + rng.bounded(1600), 300 + rng.bounded(800));
        if (w.IsMaximized()) return triggerNamed(QStringLiteral("N2"));
        if (rng.bounded(4) == 0) return triggerNamed(QStringLiteral("N1"));
        w.resize(size);
        return QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height());
    }

    QString triggerNamed(const QString& name) {
        component<QAction>(w, name)->trigger();
        return QStringLiteral("item ") + name;
    }

    QString dragTheSheet() {
        ImageControl* sheet = component<ImageControl>(w, QStringLiteral("StartImage"));
        if (!sheet->isVisible()) return QStringLiteral("no sheet to drag");
        const QPoint from(rng.bounded(std::max(1, sheet->width())), rng.bounded(std::max(1, sheet->height())));
        const QPoint to = from + QPoint(rng.bounded(200) - 100, rng.bounded(200) - 100);
        QTest::mousePress(sheet, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), sheet->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(sheet, &move);
        QTest::mouseRelease(sheet, Qt::LeftButton, {}, to);
        return QStringLiteral("drag");
    }

    TFormZUV& w;
    QRandomGenerator& rng;
    QDate& today;
};

// The offscreen platform says for every popup that it cannot raise it or grab the keyboard.
QtMessageHandler g_previousHandler = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    g_previousHandler(type, context, text);
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomInput() {
        const int seconds = qEnvironmentVariableIsSet("ZUV_MONKEY_SECONDS") ? qEnvironmentVariableIntValue("ZUV_MONKEY_SECONDS") : 20;
        const quint32 seed = qEnvironmentVariableIsSet("ZUV_MONKEY_SEED") ? quint32(qEnvironmentVariableIntValue("ZUV_MONKEY_SEED"))
                                                                           : quint32(QDateTime::currentMSecsSinceEpoch());
        qInfo("monkey: seed %u, %d s (repeat with ZUV_MONKEY_SEED=%u)", seed, seconds, seed);
        QRandomGenerator rng(seed);
        QDate today(2006, 6, 15);
        setTodayProvider([&today] { return today; });
        zuvtest::MessageRecorder recorder;
        g_previousHandler = qInstallMessageHandler(dropPlatformNotes);
        // A popup the monkey opened (the picker's month menu, say) is closed as a user closes it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        closer.start(100);
        {
            TFormZUV w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            Monkey monkey(w, rng, today);
            const qint64 hangMs = kSanitized ? 3000 : 1000;
            QElapsedTimer run;
            run.start();
            long settled = 0;
            int actions = 0;
            while (run.elapsed() < seconds * 1000) {
                const int messagesBefore = recorder.messages.size();
                QElapsedTimer one;
                one.start();
                const qint64 cpuBefore = threadCpuMs();
                const QString action = monkey.act();
                QApplication::processEvents();
                ++actions;
                const qint64 worked = threadCpuMs() - cpuBefore, waited = one.elapsed();
                QVERIFY2(worked <= hangMs && waited <= 5 * hangMs,
                         qPrintable(QStringLiteral("action %1 (%2) held the event loop %3 ms (%4 ms of its own work)")
                                        .arg(actions).arg(action).arg(waited).arg(worked)));
                const QStringList said = recorder.messages.mid(messagesBefore);
                QVERIFY2(said.size() <= 1, qPrintable(QStringLiteral("action %1 (%2) said: %3").arg(actions).arg(action, said.join(QLatin1String(" | ")))));
                if (settled == 0 && run.elapsed() > 60 * 1000) settled = residentKb();
            }
            const long finalKb = residentKb();
            qInfo("monkey: %d actions, %lld messages, resident %ld kB after the first minute, %ld kB at the end", actions,
                  qlonglong(recorder.messages.size()), settled, finalKb);
            // The first minute meets the largest pictures and fills Qt's caches; after it, no growth.
            if (!kSanitized && seconds >= 120) QVERIFY2(finalKb <= settled + 16 * 1024, "the resident size grew after the first minute");
        }
        setTodayProvider({});
        qInstallMessageHandler(g_previousHandler);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
