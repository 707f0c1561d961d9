#include "ViewScroll.h"

namespace zuv {

namespace {
// The least shift of [start, start + length) that covers [from, to).
int scrollAxis(int start, int length, int from, int to) {
    if (to - from > length || from < start) return from;
    if (to > start + length) return to - length;
    return start;
}
}  // namespace

QPoint scrollToShow(const QRect& visible, const QRect& cell) {
    const QRect wanted = cell.adjusted(-cell.width(), -cell.height(), cell.width(), cell.height());
    return QPoint(scrollAxis(visible.left(), visible.width(), wanted.left(), wanted.left() + wanted.width()),
                  scrollAxis(visible.top(), visible.height(), wanted.top(), wanted.top() + wanted.height()));
}

}  // namespace zuv
