#pragma once
// Keeps the one dated sheet currently on screen fitted into the view, unmarked, so that a
// blink tick only restores the cells the previous mark covered and outlines the new ones,
// instead of decoding the whole PNG every second. Only a raster of the view's own size is
// kept, and it is dropped as soon as the sheet or the view size changes.

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace zuv {

class SheetCache {
public:
    // The fitted raster for this sheet and view size, or nullptr.
    const QImage* Find(const QString& sheetName, const QSize& viewSize) const;
    const QImage* Put(const QString& sheetName, QImage fitted);
    void Clear();

    // Bookkeeping of the last mark drawn onto the view's picture from the cached raster:
    // which picture (by cacheKey) and which pixels the outlines touched.
    void SetLastMark(qint64 pictureKey, std::vector<QRect> touched);
    bool LastMarkIsOn(qint64 pictureKey) const { return m_hasLastMark && m_lastPictureKey == pictureKey; }
    const std::vector<QRect>& LastMarkRects() const { return m_lastTouched; }
    void ForgetLastMark() { m_hasLastMark = false; m_lastTouched.clear(); }

private:
    QString m_name;
    QImage m_fitted;
    bool m_hasLastMark = false;
    qint64 m_lastPictureKey = 0;
    std::vector<QRect> m_lastTouched;
};

}  // namespace zuv
