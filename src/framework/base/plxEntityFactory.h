// Turns sections of a store into entities through the fixed type-id registry,
// loading every section at most once per document build.
#pragma once

#include "plxGanttObject.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class ORVANTA_EXPORT TPLXEntityFactory
{
public:
    using Creator = std::unique_ptr<TPLXPersistence> (*)();
    static constexpr int kRegistrySize = 62;

    TPLXEntityFactory();
    virtual ~TPLXEntityFactory();
    TPLXEntityFactory(const TPLXEntityFactory &) = delete;
    TPLXEntityFactory &operator=(const TPLXEntityFactory &) = delete;

    // A new persistence object of the kind registered for `typeId`, or null
    // after the unknown-type-id message.
    virtual std::unique_ptr<TPLXPersistence> createPersistence(const QString &typeId);
    TPLXGanttObject *loadObject(const QString &name, IPLXMedia &media, TPLXGanttObject *parent);
    // The message for a section that refers to one still being loaded above it.
    static void reportCircularReference(const QString &name);
    // The entities named by the string array `key` of section `name`, nulls
    // included; `names`, when given, receives the array as read.
    QList<TPLXGanttObject *> loadObjectList(const QString &name, const QString &key, IPLXMedia &media,
                                            TPLXGanttObject *parent, QStringList *names = nullptr);
    template<typename T>
    QList<T *> loadObjectListAs(const QString &name, const QString &key, IPLXMedia &media, TPLXGanttObject *parent)
    {
        QList<T *> typed;
        for (TPLXGanttObject *object : loadObjectList(name, key, media, parent))
            typed.append(dynamic_cast<T *>(object));
        return typed;
    }
    // Saves a whole tree from its root, then puts the store on disk; each section
    // written holds only what the tree wrote there.
    void saveObject(const QString &name, IPLXMedia &media, TPLXGanttObject *object);
    void saveObjectList(const QString &name, const QString &key, IPLXMedia &media,
                        const QList<TPLXGanttObject *> &list);
    template<typename T>
    void saveObjectListOf(const QString &name, const QString &key, IPLXMedia &media, const QList<T *> &list)
    {
        saveObjectList(name, key, media, QList<TPLXGanttObject *>(list.cbegin(), list.cend()));
    }

    // True the first time `object` is offered during saveObject: an entity that
    // several others refer to (a bar and its connections) is written once.
    bool firstSave(const TPLXGanttObject *object) const;
    // An entity that lives as long as the save in progress, made by `make` on first use for `tag`: a stand-in
    // many entities write through, instead of each making its own. Null outside saveObject.
    TPLXGanttObject *saveScratch(const void *tag, const std::function<std::unique_ptr<TPLXGanttObject>()> &make);

    // Told the number of entities done after each one loads or saves; a false
    // answer cancels the work. A cancelled load gives every further section as
    // missing until Flush; a cancelled save raises EPLXError and leaves the
    // store as it was.
    using Progress = std::function<bool(int done)>;
    void setOnProgress(Progress progress) { FOnProgress = std::move(progress); }
    bool loadCancelled() const { return FLoadCancelled; }
    // Whether a loaded document leaves its refreshes (critical path, summaries, time scales) to the caller, who can
    // free the load's tables first.
    void setRefreshesDeferred(bool deferred) { FRefreshesDeferred = deferred; }
    bool refreshesDeferred() const { return FRefreshesDeferred; }

    TPLXGanttObject *getLoadedObject(const QString &name) const;
    int getObjectIndex(const QString &name) const;
    void objectLoaded(const QString &name, TPLXGanttObject *object);
    void startLoading(const QString &name);
    bool stillLoading(const QString &name) const;
    void Flush();

    // The loaded-object table in load order.
    int loadedCount() const { return static_cast<int>(FLoadedObjects.size()); }
    QString loadedName(int index) const { return FLoadedObjects[static_cast<size_t>(index)].name; }
    TPLXGanttObject *loadedEntity(int index) const { return FLoadedObjects[static_cast<size_t>(index)].entity; }

    // The registry: the 62 type ids in their fixed order, and whether a kind
    // of this library build loads each one.
    static const std::array<const char *, kRegistrySize> &typeIds();
    static bool isRegistered(const QString &typeId);
    // Called once per kind by the unit that builds it; `typeId` must be one of the fixed rows.
    static bool registerKind(const char *typeId, Creator creator);

private:
    struct Loaded
    {
        QString name;
        TPLXGanttObject *entity = nullptr;
    };
    static size_t hashName(const QString &name);
    // The slot of `name` in FLoadedObjects, or -1; `hash` is hashName(name).
    qint64 findLoaded(const QString &name, size_t hash) const;
    // Appends `name` to the table and the index; returns its slot.
    size_t addLoaded(const QString &name, size_t hash, TPLXGanttObject *entity);
    // Room in the index for `count` names without growing it.
    void reserveIndex(size_t count);

    std::vector<Loaded> FLoadedObjects;
    // The index of FLoadedObjects by name: open addressing over a power-of-two
    // table whose entries hold the upper half of the name's hash and the slot
    // plus one (0: free). A probe reads one word, and a name is compared only
    // when its hash half matches: a QHash of the names compared the strings
    // at every probe and took a sixth of the time to open a large document.
    std::vector<quint64> FIndex;
    // The save in progress, 0 outside saveObject.
    quint32 FSaveSession = 0;
    std::vector<std::pair<const void *, std::unique_ptr<TPLXGanttObject>>> FSaveScratch;
    Progress FOnProgress;
    bool FLoadCancelled = false;
    bool FRefreshesDeferred = false;
    // Entities loaded since Flush, or saved by the save in progress.
    int FDoneCount = 0;
};

// Registers a persistence class for its row of the registry when the library loads.
template<typename Persistence>
struct TPLXKindRegistration
{
    explicit TPLXKindRegistration(const char *typeId)
    {
        TPLXEntityFactory::registerKind(typeId, []() -> std::unique_ptr<TPLXPersistence> {
            return std::make_unique<Persistence>();
        });
    }
};
