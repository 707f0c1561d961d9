#pragma once
// The program's built-in resources, looked up by name without regard to letter case.
// Raw-data entries (the PNG pictures and the day table) and bitmap entries are kept apart:
// a raw-data lookup never finds a bitmap and the other way round.

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

namespace zuv {

enum class StoreKind { RawData, Bitmap };

// A view of one entry's bytes; the store keeps them alive for as long as it lives.
struct ResourceBytes {
    const char* data = nullptr;
    qint64 size = 0;
    bool found = false;  // the name exists (its size may still be 0)
};

class ResourceStore {
public:
    // The store over the resources compiled into the executable.
    static ResourceStore& embedded();

    ResourceStore() = default;

    ResourceBytes find(StoreKind kind, const QString& name) const;

    // Replaces or adds an entry; the store keeps a copy. Used to build test stores with
    // missing, empty or damaged pictures.
    void put(StoreKind kind, const QString& name, const QByteArray& bytes);
    void remove(StoreKind kind, const QString& name);

    // Number of entries of a kind.
    int count(StoreKind kind) const;

    // A readable stream over a private copy of a raw-data entry; null when the entry is
    // missing or empty. Streams are counted while they live (leak checks).
    std::unique_ptr<QBuffer> openRawStream(const QString& name) const;
    static int liveStreams();

    // Told the name of every stream asked for, as the caller spelled it (tests record which
    // pictures a screen loads, and in which order).
    void setStreamObserver(std::function<void(const QString& name)> observer) { m_streamObserver = std::move(observer); }

private:
    struct Entry {
        const char* data = nullptr;
        qint64 size = 0;
        QByteArray owned;       // set for entries put() added
        bool embedded = false;  // in the executable, not looked up yet
        bool missing = false;   // catalogued, but the executable has no usable bytes for it
    };
    void loadEmbedded();
    static void lookUpEmbedded(StoreKind kind, const QString& upperName, Entry& entry);
    static QString key(StoreKind kind, const QString& name);

    // Looking up an embedded entry fills it in, on the one thread that reads the store.
    mutable QHash<QString, Entry> m_entries;
    std::function<void(const QString&)> m_streamObserver;
};

// The store a window reads: the embedded one unless a test hands it another.
class StoreChoice {
public:
    void SetResourceStore(ResourceStore* store) { m_store = store; }
    ResourceStore& Store() const { return m_store ? *m_store : ResourceStore::embedded(); }

private:
    ResourceStore* m_store = nullptr;
};

}  // namespace zuv
