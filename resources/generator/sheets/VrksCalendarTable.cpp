// The VRKS calendar table VRCALTABLE: the one 364-day year numbered four ways, with its cell
// map.

#include "sheets/DatedSheets.h"

#include "core/SheetGrids.h"
#include "sheets/SheetParts.h"
#include "sheets/VrksSheets.h"

namespace zuvgen {

namespace {

void drawCalendarTable(const Context& ctx) {
    const QString name = QStringLiteral("VRCALTABLE");
    const QSize size = catalogueSize(name);
    SheetCanvas sheet(size.width(), size.height(), zuv::kVrksTableGrid.columns, zuv::kVrksTableGrid.rows);
    drawSheetTitle(sheet, 1, 55, QStringLiteral("Календарная таблица варийского года"),
                   QStringLiteral("Один и тот же год из 364 дней четырежды: по дням года, месяца, сезона и полугодия.\n"
                                  "Дополнительные дни конца юги (53-я неделя её четвёртого года) здесь не показаны."));
    drawYearTables(sheet);
    saveSheet(ctx, name, sheet);
}

}  // namespace

std::vector<Job> vrksCalendarTableJobs(const Context& ctx) { return {[ctx] { drawCalendarTable(ctx); }}; }

}  // namespace zuvgen
