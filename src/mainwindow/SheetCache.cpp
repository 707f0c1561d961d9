#include "SheetCache.h"

namespace zuv {

const QImage* SheetCache::Find(const QString& sheetName, const QSize& viewSize) const {
    if (m_fitted.isNull() || m_fitted.size() != viewSize || m_name.compare(sheetName, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &m_fitted;
}

const QImage* SheetCache::Put(const QString& sheetName, QImage fitted) {
    m_name = sheetName;
    m_fitted = std::move(fitted);
    ForgetLastMark();
    return &m_fitted;
}

void SheetCache::Clear() {
    m_name.clear();
    m_fitted = QImage();
    ForgetLastMark();
}

void SheetCache::SetLastMark(qint64 pictureKey, std::vector<QRect> touched) {
    m_hasLastMark = true;
    m_lastPictureKey = pictureKey;
    m_lastTouched = std::move(touched);
}

}  // namespace zuv
