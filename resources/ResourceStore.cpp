#include "ResourceStore.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QResource>

namespace zuv {

QString ResourceStore::key(StoreKind kind, const QString& name) {
    return (kind == StoreKind::RawData ? QStringLiteral("R:") : QStringLiteral("B:")) + name.toUpper();
}

ResourceStore& ResourceStore::embedded() {
    static ResourceStore store = [] {
        ResourceStore s;
        s.loadEmbedded();
        return s;
    }();
    return store;
}

void ResourceStore::loadEmbedded() {
    const struct {
        const char* folder;
        StoreKind kind;
    } folders[] = {{":/zuv/rcdata", StoreKind::RawData}, {":/zuv/bitmap", StoreKind::Bitmap}};
    for (const auto& folder : folders) {
        QDirIterator it(QString::fromLatin1(folder.folder), QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            QResource resource(path);
            // Stored without compression, so the data point straight into the executable.
            if (resource.compressionAlgorithm() != QResource::NoCompression) continue;
            Entry entry;
            entry.data = reinterpret_cast<const char*>(resource.data());
            entry.size = resource.size();
            m_entries.insert(key(folder.kind, QFileInfo(path).fileName()), entry);
        }
    }
}

ResourceBytes ResourceStore::find(StoreKind kind, const QString& name) const {
    const auto it = m_entries.constFind(key(kind, name));
    if (it == m_entries.constEnd()) return {};
    if (!it->owned.isNull()) return {it->owned.constData(), it->owned.size(), true};
    return {it->data, it->size, true};
}

void ResourceStore::put(StoreKind kind, const QString& name, const QByteArray& bytes) {
    Entry entry;
    entry.owned = bytes.isNull() ? QByteArray("") : bytes;
    entry.size = entry.owned.size();
    m_entries.insert(key(kind, name), entry);
}

void ResourceStore::remove(StoreKind kind, const QString& name) { m_entries.remove(key(kind, name)); }

int ResourceStore::count(StoreKind kind) const {
    const QString prefix = key(kind, QString());
    int n = 0;
    for (auto it = m_entries.constBegin(); it != m_entries.constEnd(); ++it)
        if (it.key().startsWith(prefix)) ++n;
    return n;
}

}  // namespace zuv
