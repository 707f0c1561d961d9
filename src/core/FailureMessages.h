#pragma once
// The two texts the program shows when it cannot draw: a picture resource that is missing or
// does not decode, and a day no sheet or table holds.

#include <QDate>
#include <QString>

namespace zuv {

// "Ошибка при загрузке ресурса -1 " and the name as the caller spelled it.
QString resourceLoadFailureMessage(const QString& name);

// "Ресурс для даты dd.mm.yyyy не найден"
QString dateNotFoundMessage(const QDate& date);

}  // namespace zuv
