// The main window's keyboard and the marked day in words: the keys that step through days on a
// dated screen, zoom and hide the picker; the card of the marked day on the clipboard, in the
// sheet view's description and as the tooltip of the cell under the pointer; and the scroll
// that brings the marked cell into view on an enlarged sheet.

#include "ZUVunit.h"

#include "core/DayCard.h"
#include "core/DaySteps.h"
#include "core/MarkerGeometry.h"
#include "core/ScreenTable.h"
#include "core/SheetCells.h"
#include "core/ViewScroll.h"
#include "platform/Clock.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace zuv {

void TFormZUV::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool dated = rulesOf(CurrentScreen()).canBeDated();
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        MCal->hide();
    } else if (mods == Qt::ControlModifier && (key == Qt::Key_Equal || key == Qt::Key_Plus)) {
        N33Click();
    } else if (mods == Qt::ControlModifier && key == Qt::Key_Minus) {
        N34Click();
    } else if (dated && event->matches(QKeySequence::Copy)) {
        CopyDayCard();
    } else if (const std::optional<DayStep> step = dayStepForKey(key, event->modifiers()); dated && step) {
        StepDay(*step);
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TFormZUV::StepDay(DayStep step) {
    const Marker marker = rulesOf(CurrentScreen()).marker;
    const DateRange range = markerRange(marker);
    const StepCalendar calendar = marker == Marker::GregorianSheets ? StepCalendar::Gregorian : StepCalendar::Vrks;
    PickDay(stepDay(CurDate, step, calendar, range.first, range.last, Today(), DayLines()));
}

void TFormZUV::CopyDayCard() const { QGuiApplication::clipboard()->setText(dayCard(CurDate, DayLines())); }

void TFormZUV::ScrollMarkIntoView() {
    if (StartPanel->IsFitted() || m_markedCell.isEmpty()) return;
    const QSize visible = StartPanel->viewport()->size();
    const QPoint to = scrollToShow(QRect(QPoint(StartPanel->HorzPosition(), StartPanel->VertPosition()), visible), m_markedCell);
    StartPanel->SetHorzPosition(to.x());
    StartPanel->SetVertPosition(to.y());
}

QString TFormZUV::CellToolTip(const QPoint& viewPoint, QRect& cellOutline) const {
    const Marker marker = rulesOf(CurrentScreen()).marker;
    if (marker == Marker::None || m_markedSheet.isEmpty() || m_lastSheetSize.isEmpty()) return QString();
    const MarkGrid grid = marker == Marker::GregorianSheets ? gksGrid()
                          : marker == Marker::VrksYearSheets ? vrksYearGrid()
                                                             : vrksTableGrid();
    const SheetPlacement placement =
        placeSheet(StartImage->width(), StartImage->height(), m_lastSheetSize.width(), m_lastSheetSize.height());
    const std::optional<GridCell> cell = cellAt(placement, grid, QPointF(viewPoint));
    if (!cell) return QString();
    cellOutline = markRect(placement, grid, *cell);
    const CellMeaning meaning = cellMeaning(m_markedSheet, *cell, DayLines());
    if (meaning.day.isValid()) return dayCard(meaning.day, DayLines());
    if (meaning.extraDay > 0) return QStringLiteral("дополнительный день %1").arg(meaning.extraDay);
    if (meaning.dayOfYear > 0) return QStringLiteral("день года %1").arg(meaning.dayOfYear);
    return QString();
}

void TFormZUV::DescribeSheetView() {
    StartImage->setAccessibleName(CurrentKSLabel->text().simplified() + QStringLiteral(". ") +
                                  CurrentModeLabel->text().simplified());
    if (!rulesOf(CurrentScreen()).canBeDated() && m_describedDate.isValid()) {
        m_describedDate = QDate();
        StartImage->setAccessibleDescription(QString());
    }
}

void TFormZUV::DescribeMarkedDay() {
    if (CurDate == m_describedDate) return;  // a blink tick: nothing new to tell
    m_describedDate = CurDate;
    StartImage->setAccessibleDescription(dayCard(CurDate, DayLines()));
}

bool TFormZUV::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StartImage && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QRect cell;
        const QString text = CellToolTip(help->pos(), cell);
        if (text.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), text, StartImage, cell);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zuv
