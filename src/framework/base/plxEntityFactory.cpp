#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"

#include <QScopeGuard>

#include <atomic>
#include <utility>

namespace {

constexpr std::array<const char *, TPLXEntityFactory::kRegistrySize> kTypeIds{{
    "Document",
    "Gantt Table",
    "Document Calendar",
    "Task Bar Settings",
    "Task Bar",
    "Date Category",
    "Fixed Date Exception",
    "Recurring Date Exception",
    "Predefined Date Category",
    "Bar Connection",
    "Picture Resource",
    "Image Bar",
    "Milestone Bar",
    "Image Bar Settings",
    "Summary Bar",
    "Text Bar",
    "Tree Grid",
    "Tree Header",
    "Tree Header Cell",
    "Tree Cell",
    "Tree Node",
    "Tree Row",
    "Text Settings",
    "Tree Row Settings",
    "Tree Column Settings",
    "Tree Simple Text Cell",
    "Tree Multiline Text Cell",
    "Tree Date Time Cell",
    "Tree Spin Cell",
    "Tree Currency Cell",
    "Tree Combo Cell",
    "Vertical resize pane",
    "Simple Text Type",
    "Multiline Text Type",
    "Date Time Type",
    "Spin Type",
    "Currency Type",
    "Combo Type",
    "Image Combo Type",
    "Tree Image Combo Cell",
    "Tree Auto Cell",
    "Tree AutoCellType.StartDate",
    "Gantt Row",
    "Connection Settings",
    "Tree AutoCellType.Number",
    "progress bar",
    "Progress Bar Settings",
    "Pert Bar",
    "Pert Bar Settings",
    "Button Edit Type",
    "Tree Button Edit Cell",
    "AutoCellType.TaskName",
    "textual halo",
    "Pert Bar Section",
    "Tree AutoCellType.EndDate",
    "Visual Goodie",
    "Time Scale",
    "Legend Row",
    "Legend Cell",
    "Custom Legend Border",
    "Legend",
    "Textual Halo Settings",
}};

// Filled by the units that build each kind while the library loads; constant-
// initialized, so registration order between units does not matter.
TPLXEntityFactory::Creator creators[TPLXEntityFactory::kRegistrySize] = {};

int rowOf(const QString &typeId)
{
    // Measured once: every entity loaded looks its kind up here.
    static const auto names = [] {
        std::array<QLatin1StringView, TPLXEntityFactory::kRegistrySize> views;
        for (size_t row = 0; row < views.size(); ++row)
            views[row] = QLatin1StringView(kTypeIds[row]);
        return views;
    }();
    for (int row = 0; row < TPLXEntityFactory::kRegistrySize; ++row) {
        const QLatin1StringView name = names[static_cast<size_t>(row)];
        if (name.size() == typeId.size() && typeId == name)
            return row;
    }
    return -1;
}

} // namespace

TPLXEntityFactory::TPLXEntityFactory() = default;

TPLXEntityFactory::~TPLXEntityFactory() = default;

const std::array<const char *, TPLXEntityFactory::kRegistrySize> &TPLXEntityFactory::typeIds()
{
    return kTypeIds;
}

bool TPLXEntityFactory::isRegistered(const QString &typeId)
{
    const int row = rowOf(typeId);
    return row >= 0 && creators[row] != nullptr;
}

bool TPLXEntityFactory::registerKind(const char *typeId, Creator creator)
{
    const int row = rowOf(QString::fromLatin1(typeId));
    PLX_ASSERT(row >= 0 && creator != nullptr);
    creators[row] = creator;
    return true;
}

std::unique_ptr<TPLXPersistence> TPLXEntityFactory::createPersistence(const QString &typeId)
{
    const int row = rowOf(typeId);
    if (row >= 0 && creators[row])
        return creators[row]();
    PLXShowMessage(QLatin1String("Warning: Unknown type id") + typeId);
    return nullptr;
}

size_t TPLXEntityFactory::hashName(const QString &name)
{
    // Seeded per process, so that a file cannot be made of colliding names.
    static const size_t seed = QHashSeed::globalSeed();
    size_t hash = seed ^ (0xcbf29ce484222325ULL + static_cast<size_t>(name.size()));
    for (const QChar c : name)
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    return hash ^ (hash >> 29);
}

qint64 TPLXEntityFactory::findLoaded(const QString &name, size_t hash) const
{
    if (FIndex.empty())
        return -1;
    const size_t mask = FIndex.size() - 1;
    const quint64 tag = static_cast<quint64>(hash >> 32) << 32;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const quint64 entry = FIndex[i];
        if (entry == 0)
            return -1;
        if ((entry & 0xFFFFFFFF00000000ULL) == tag) {
            const size_t slot = static_cast<size_t>(entry & 0xFFFFFFFFULL) - 1;
            if (FLoadedObjects[slot].name == name)
                return static_cast<qint64>(slot);
        }
    }
}

void TPLXEntityFactory::reserveIndex(size_t count)
{
    // At most half full, so that probes stay short.
    if (count * 2 <= FIndex.size())
        return;
    size_t size = 64;
    while (size < count * 2)
        size *= 2;
    FIndex.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t slot = 0; slot < FLoadedObjects.size(); ++slot) {
        // Hashed again rather than kept: the table grows a few times per document.
        const size_t hash = hashName(FLoadedObjects[slot].name);
        size_t i = hash & mask;
        while (FIndex[i] != 0)
            i = (i + 1) & mask;
        FIndex[i] = (static_cast<quint64>(hash >> 32) << 32) | (slot + 1);
    }
}

size_t TPLXEntityFactory::addLoaded(const QString &name, size_t hash, TPLXGanttObject *entity)
{
    const size_t slot = FLoadedObjects.size();
    FLoadedObjects.push_back({name, entity});
    if ((slot + 1) * 2 > FIndex.size()) {
        // Grows by doubling and inserts every name again, this one included.
        reserveIndex(std::max<size_t>(slot + 1, FIndex.size()));
        return slot;
    }
    const size_t mask = FIndex.size() - 1;
    size_t i = hash & mask;
    while (FIndex[i] != 0)
        i = (i + 1) & mask;
    FIndex[i] = (static_cast<quint64>(hash >> 32) << 32) | (slot + 1);
    return slot;
}

TPLXGanttObject *TPLXEntityFactory::loadObject(const QString &name, IPLXMedia &media, TPLXGanttObject *parent)
{
    if (FLoadCancelled)
        return nullptr;
    // One lookup answers "already loaded" and "still loading"; a name not
    // seen yet is added at once, as still loading.
    const size_t hash = hashName(name);
    if (const qint64 found = findLoaded(name, hash); found >= 0) {
        TPLXGanttObject *loaded = FLoadedObjects[static_cast<size_t>(found)].entity;
        if (!loaded)
            reportCircularReference(name);
        return loaded;
    }
    const size_t slot = addLoaded(name, hash, nullptr);
    const size_t tableMark = FLoadedObjects.size();
    const QString typeId = media.strValue(name, QStringLiteral("typeID"), QStringLiteral("MISSING"));
    std::unique_ptr<TPLXPersistence> persistence = createPersistence(typeId);
    if (!persistence) {
        PLXShowMessage(QLatin1String("Error loading ") + name);
        return nullptr;
    }
    TPLXGanttObject *entity = nullptr;
    try {
        entity = TPLXPersistence::load(std::move(persistence), name, media, *this);
    } catch (const EPLXError &error) {
        media.releaseSection(name);
        // The half-built entity freed its children; forget them so that no
        // later reference reaches a freed object. They read as still loading.
        for (size_t i = tableMark; i < FLoadedObjects.size(); ++i)
            FLoadedObjects[i].entity = nullptr;
        PLXLog(QLatin1String("Error loading ") + name + QLatin1String(": ") + error.message());
        PLXShowMessage(QLatin1String("Error loading ") + name);
        return nullptr;
    }
    // Each section is loaded once per build: what the store keeps only for it can go.
    media.releaseSection(name);
    entity->setParent(parent);
    FLoadedObjects[slot].entity = entity;
    if (FOnProgress && !FLoadCancelled && !FOnProgress(++FDoneCount))
        FLoadCancelled = true;
    return entity;
}

void TPLXEntityFactory::reportCircularReference(const QString &name)
{
    PLXShowMessage(QLatin1String("Warning! Circular reference. Involved object: ") + name);
}

QList<TPLXGanttObject *> TPLXEntityFactory::loadObjectList(const QString &name, const QString &key, IPLXMedia &media,
                                                           TPLXGanttObject *parent, QStringList *listed)
{
    QList<TPLXGanttObject *> list;
    const QStringList names = media.strArray(name, key);
    if (listed)
        *listed = names;
    list.reserve(names.size());
    // Room for a long list at once, rather than rehashing the index as it grows.
    reserveIndex(FLoadedObjects.size() + static_cast<size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        // A missing element names no section: say which one is missing, rather than
        // loading "" (and then reporting it as circular at every further gap).
        if (names[i].isEmpty()) {
            PLXLog(QStringLiteral("Unable to locate child object named: \"%1#%2\". Parent name = \"%3\"")
                       .arg(key)
                       .arg(i)
                       .arg(name));
            list.append(nullptr);
            continue;
        }
        list.append(loadObject(names[i], media, parent));
    }
    return list;
}

void TPLXEntityFactory::saveObject(const QString &name, IPLXMedia &media, TPLXGanttObject *object)
{
    // Numbered across factories, so that a mark left by another save never counts.
    static std::atomic<quint32> sessions{0};
    quint32 session = sessions.fetch_add(1) + 1;
    if (session == 0)
        session = sessions.fetch_add(1) + 1;
    const quint32 outer = std::exchange(FSaveSession, session);
    if (outer == 0)
        FDoneCount = 0;
    // The stand-ins of the outermost save go with it.
    const auto endSession = qScopeGuard([this, outer] {
        FSaveSession = outer;
        if (outer == 0)
            FSaveScratch.clear();
    });
    media.beginDocument();
    try {
        if (object && firstSave(object))
            object->doSave(name, media, *this);
        media.endDocument();
    } catch (...) {
        // Half a document is never left to be written when the store is released.
        media.cancelDocument();
        throw;
    }
}

TPLXGanttObject *TPLXEntityFactory::saveScratch(const void *tag,
                                                const std::function<std::unique_ptr<TPLXGanttObject>()> &make)
{
    if (FSaveSession == 0)
        return nullptr;
    for (const auto &[made, object] : FSaveScratch)
        if (made == tag)
            return object.get();
    FSaveScratch.emplace_back(tag, make());
    return FSaveScratch.back().second.get();
}

bool TPLXEntityFactory::firstSave(const TPLXGanttObject *object) const
{
    if (FSaveSession == 0)
        return true;
    return std::exchange(object->FSavedIn, FSaveSession) != FSaveSession;
}

void TPLXEntityFactory::saveObjectList(const QString &name, const QString &key, IPLXMedia &media,
                                       const QList<TPLXGanttObject *> &list)
{
    // Null items (sections that failed to load) have no name and are left out.
    QList<TPLXGanttObject *> items;
    QStringList names;
    for (TPLXGanttObject *item : list) {
        if (!item)
            continue;
        items.append(item);
        names.append(item->getUID());
    }
    media.setStrArrayProperty(name, key, names);
    for (qsizetype i = 0; i < items.size(); ++i)
        if (firstSave(items[i])) {
            items[i]->doSave(names[i], media, *this);
            if (FOnProgress && !FOnProgress(++FDoneCount))
                throw EPLXError(QStringLiteral("The save was cancelled; the file was not changed."));
        }
}

TPLXGanttObject *TPLXEntityFactory::getLoadedObject(const QString &name) const
{
    const int index = getObjectIndex(name);
    return index < 0 ? nullptr : FLoadedObjects[static_cast<size_t>(index)].entity;
}

int TPLXEntityFactory::getObjectIndex(const QString &name) const
{
    return static_cast<int>(findLoaded(name, hashName(name)));
}

void TPLXEntityFactory::objectLoaded(const QString &name, TPLXGanttObject *object)
{
    const size_t hash = hashName(name);
    if (const qint64 index = findLoaded(name, hash); index >= 0) {
        FLoadedObjects[static_cast<size_t>(index)].entity = object;
        return;
    }
    addLoaded(name, hash, object);
}

void TPLXEntityFactory::startLoading(const QString &name)
{
    objectLoaded(name, nullptr);
}

bool TPLXEntityFactory::stillLoading(const QString &name) const
{
    const int index = getObjectIndex(name);
    return index >= 0 && FLoadedObjects[static_cast<size_t>(index)].entity == nullptr;
}

void TPLXEntityFactory::Flush()
{
    FLoadCancelled = false;
    FDoneCount = 0;
    // Swapped out: a large document's table is freed, not kept for the next.
    std::vector<Loaded>().swap(FLoadedObjects);
    std::vector<quint64>().swap(FIndex);
}
