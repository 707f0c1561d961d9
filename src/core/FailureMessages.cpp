#include "FailureMessages.h"

namespace zuv {

QString resourceLoadFailureMessage(const QString& name) { return QStringLiteral("Ошибка при загрузке ресурса -1 ") + name; }

QString dateNotFoundMessage(const QDate& date) {
    return QStringLiteral("Ресурс для даты ") + date.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" не найден");
}

}  // namespace zuv
