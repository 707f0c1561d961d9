#include "Clock.h"

namespace zuv {

namespace {
std::function<QDate()>& todayProvider() {
    static std::function<QDate()> provider;
    return provider;
}
}  // namespace

QDate Today() {
    if (todayProvider()) return todayProvider()();
    return QDate::currentDate();
}

void setTodayProvider(std::function<QDate()> provider) { todayProvider() = std::move(provider); }

}  // namespace zuv
