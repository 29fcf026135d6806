#include "plxGanttObject.h"
#include "plxControllerIntf.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"

#include <QMetaProperty>

#include <algorithm>
#include <atomic>

namespace {

// UIDs are handed out on first use; zero is never given, so it marks "none yet".
std::atomic<quint32> nextAutoID{1};

} // namespace

// --------------------------------------------------------- TPLXGanttObject

TPLXGanttObject::TPLXGanttObject() = default;

TPLXGanttObject::~TPLXGanttObject()
{
    detachFromParent();
    std::vector<TPLXGanttObject *> owned = std::move(FOwned);
    FOwned.clear();
    for (TPLXGanttObject *child : owned)
        child->FParent = nullptr;
    // Documents nest as deep as their task trees: the outermost destructor frees
    // the owned entities from a worklist, the ones it calls hand theirs to it.
    // Children are still freed first to last, each with its branch before the next.
    thread_local std::vector<TPLXGanttObject *> *pending = nullptr;
    if (pending) {
        pending->insert(pending->end(), owned.rbegin(), owned.rend());
        return;
    }
    std::vector<TPLXGanttObject *> worklist(owned.rbegin(), owned.rend());
    pending = &worklist;
    while (!worklist.empty()) {
        TPLXGanttObject *next = worklist.back();
        worklist.pop_back();
        delete next;
    }
    pending = nullptr;
}

std::unique_ptr<TPLXGanttObject> TPLXGanttObject::Create() const
{
    return std::make_unique<TPLXGanttObject>();
}

TPLXDrawer *TPLXGanttObject::getDrawer(TPLXViewType viewType) const
{
    if (viewType == vtPertGraph && FDrawerPert)
        return FDrawerPert;
    return FDrawer;
}

void TPLXGanttObject::doSave(const QString &, IPLXMedia &, TPLXEntityFactory &)
{
}

std::unique_ptr<TPLXObjectEditorIntf> TPLXGanttObject::CreateEditor()
{
    if (const TPLXEditorClass editorClass = EditorsRegistry().GetEditorClass(metaObject()))
        return editorClass();
    return DefaultEditor();
}

std::unique_ptr<TPLXObjectEditorIntf> TPLXGanttObject::DefaultEditor()
{
    if (const TPLXEditorClass editorClass = DefaultEditorsRegistry().GetEditorClass(metaObject()))
        return editorClass();
    return std::make_unique<TPLXDummyEditor>();
}

void TPLXGanttObject::setParent(TPLXGanttObject *parent)
{
    if (parent == FParent)
        return;
    PLX_ASSERT(!ownsBranchOf(parent));
    detachFromParent();
    FParent = parent;
    if (parent)
        parent->FOwned.push_back(this);
}

bool TPLXGanttObject::ownsBranchOf(const TPLXGanttObject *object) const
{
    // Walks up from `object` and down from this entity in step, so the check
    // costs the smaller of the depth above and the branch below: adding a leaf
    // to a deep tree, or a deep branch to a shallow parent, stays cheap.
    std::vector<std::pair<const TPLXGanttObject *, size_t>> below{{this, 0}};
    for (const TPLXGanttObject *up = object;; up = up->FParent) {
        if (!up)
            return false;
        if (up == this)
            return true;
        while (!below.empty() && below.back().second == below.back().first->FOwned.size())
            below.pop_back();
        if (below.empty())
            return false;
        const TPLXGanttObject *down = below.back().first->FOwned[below.back().second++];
        if (down == object)
            return true;
        below.emplace_back(down, 0);
    }
}

void TPLXGanttObject::detachFromParent()
{
    if (!FParent)
        return;
    // Children are usually detached newest first, so search from the back.
    auto &siblings = FParent->FOwned;
    const auto it = std::find(siblings.rbegin(), siblings.rend(), this);
    if (it != siblings.rend())
        siblings.erase(std::next(it).base());
    FParent = nullptr;
}

TPLXDocumentSetup *TPLXGanttObject::GetDocumentSetup()
{
    if (FRoot)
        return FRoot;
    TPLXGanttObject *top = this;
    while (top->FParent)
        top = top->FParent;
    auto *root = dynamic_cast<TPLXDocumentSetup *>(top);
    if (!root)
        throw EPLXInvalidCast(QStringLiteral("Invalid class typecast: the topmost entity is not a document"));
    FRoot = root;
    return FRoot;
}

QString TPLXGanttObject::getUID() const
{
    if (!FID.isEmpty())
        return FID;
    if (FAutoID == 0) {
        quint32 id = nextAutoID.fetch_add(1);
        if (id == 0)
            id = nextAutoID.fetch_add(1);
        FAutoID = static_cast<qint32>(id);
    }
    return QLatin1String("AutoID:") + QString::number(FAutoID);
}

void TPLXGanttObject::retargetDrawer()
{
    // The drawer made so far only: a kind that makes its drawers on demand
    // makes them for itself.
    if (FDrawer)
        FDrawer->setTarget(this);
}

void TPLXGanttObject::adoptPersistence(std::unique_ptr<TPLXPersistence> loadedBy)
{
    FID = loadedBy ? loadedBy->getID() : QString();
}

QVariant TPLXGanttObject::property(const char *name) const
{
    const QMetaObject *meta = metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return QVariant();
    return meta->property(index).readOnGadget(this);
}

bool TPLXGanttObject::setProperty(const char *name, const QVariant &value)
{
    const QMetaObject *meta = metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0)
        return false;
    return meta->property(index).writeOnGadget(this, value);
}

// --------------------------------------------------------- TPLXPersistence

TPLXPersistence::TPLXPersistence() = default;

TPLXPersistence::~TPLXPersistence() = default;

TPLXGanttObject *TPLXPersistence::load(std::unique_ptr<TPLXPersistence> self, const QString &name, IPLXMedia &media,
                                       TPLXEntityFactory &factory)
{
    self->ID = name;
    std::unique_ptr<TPLXGanttObject> entity = self->doLoad(name, media, factory);
    PLX_ASSERT(entity != nullptr);
    entity->adoptPersistence(std::move(self));
    entity->retargetDrawer();
    return entity.release();
}

void TPLXPersistence::doSave(const QString &, IPLXMedia &)
{
}

TPLXGanttObject *TPLXPersistence::loadChild(const QString &key, IPLXMedia &media, TPLXEntityFactory &factory,
                                            TPLXGanttObject *parent) const
{
    const QString childName = media.strValue(ID, key, QStringLiteral("Missing"));
    // An empty value names no section (no section can be named so): it is missing too.
    if (childName != QLatin1String("Missing") && !childName.isEmpty())
        return factory.loadObject(childName, media, parent);
    // Most entities leave their optional children out: format only a line that is heard.
    PLXLog([&] {
        return QStringLiteral("Unable to locate child object named: \"%1\". Parent name = \"%2\"").arg(key, ID);
    });
    return nullptr;
}

void TPLXPersistence::saveChild(const QString &section, const QString &key, TPLXGanttObject *child, IPLXMedia &media,
                                TPLXEntityFactory &factory)
{
    if (!child)
        return;
    const QString uid = child->getUID();
    media.setStrProperty(section, key, uid);
    if (factory.firstSave(child))
        child->doSave(uid, media, factory);
}

// -------------------------------------------------------------- TPLXDrawer

TPLXDrawer::TPLXDrawer() = default;

TPLXDrawer::TPLXDrawer(TPLXGanttObject *target)
    : target(target)
{
}

TPLXDrawer::~TPLXDrawer() = default;

TRect TPLXDrawer::getRect() const
{
    return TRect{};
}

void TPLXDrawer::Draw(TPLXVisualContext &)
{
}

TPLXGanttObject *TPLXDrawer::locateObject(int, int)
{
    return nullptr;
}

int TPLXDrawer::getHeight() const
{
    return 0;
}

void TPLXDrawer::setHighlighted(bool on)
{
    highlightedMode = on;
}

bool TPLXDrawer::supportsHighlighting() const
{
    return false;
}

TPLXGanttObject *PLXHeldEntity(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (!(type.flags() & QMetaType::PointerToGadget) || !type.metaObject() ||
        !type.metaObject()->inherits(&TPLXGanttObject::staticMetaObject))
        return nullptr;
    // Entities derive from TPLXGanttObject alone, so every entity pointer is one to its base.
    return *static_cast<TPLXGanttObject *const *>(value.constData());
}
