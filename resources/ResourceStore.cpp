#include "ResourceStore.h"

#include "Catalogue.h"

#include <atomic>

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

// Every catalogued name is listed at once, but its bytes are looked up when first asked for:
// a lookup reads the size stored in front of the file's bytes, and reading that for all the
// files at start-up meant a page fault on each.
void ResourceStore::loadEmbedded() {
    for (const CatalogueEntry& catalogued : resourceCatalogue()) {
        Entry entry;
        entry.embedded = true;
        m_entries.insert(key(isRawData(catalogued.kind) ? StoreKind::RawData : StoreKind::Bitmap, catalogued.name), entry);
    }
}

void ResourceStore::lookUpEmbedded(StoreKind kind, const QString& upperName, Entry& entry) {
    entry.embedded = false;
    QResource resource((kind == StoreKind::RawData ? QLatin1String(":/zuv/rcdata/") : QLatin1String(":/zuv/bitmap/")) +
                       upperName);
    // Stored without compression, so the data point straight into the executable.
    entry.missing = !resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression;
    if (entry.missing) return;
    entry.data = reinterpret_cast<const char*>(resource.data());
    entry.size = resource.size();
}

ResourceBytes ResourceStore::find(StoreKind kind, const QString& name) const {
    const auto it = m_entries.find(key(kind, name));
    if (it == m_entries.end()) return {};
    if (it->embedded) lookUpEmbedded(kind, name.toUpper(), *it);
    if (it->missing) return {};
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

namespace {
std::atomic<int> g_liveStreams{0};

// A stream that owns its copy of the bytes and is counted while it lives.
class CountedStream : public QBuffer {
public:
    explicit CountedStream(const QByteArray& bytes) {
        setData(bytes);
        ++g_liveStreams;
    }
    ~CountedStream() override { --g_liveStreams; }
};
}  // namespace

std::unique_ptr<QBuffer> ResourceStore::openRawStream(const QString& name) const {
    if (m_streamObserver) m_streamObserver(name);
    const ResourceBytes bytes = find(StoreKind::RawData, name);
    if (!bytes.found || bytes.size <= 0 || !bytes.data) return nullptr;
    auto stream = std::make_unique<CountedStream>(QByteArray(bytes.data, int(bytes.size)));
    if (!stream->open(QIODevice::ReadOnly)) return nullptr;
    return stream;
}

int ResourceStore::liveStreams() { return g_liveStreams.load(); }

}  // namespace zuv
