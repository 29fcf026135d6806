#include "plxObjectEditor.h"

#include "plxGanttObject.h"

#include <QMetaProperty>

#include <algorithm>
#include <unordered_set>

TPLXObjectEditorIntf::~TPLXObjectEditorIntf() = default;

TPLXPropertySnapshot::TPLXPropertySnapshot(TPLXGanttObject *object)
{
    // A worklist, not recursion: the entities held can chain deeply (connections to bars to settings).
    std::unordered_set<TPLXGanttObject *> seen{object};
    std::vector<TPLXGanttObject *> pending{object};
    while (!pending.empty()) {
        TPLXGanttObject *current = pending.back();
        pending.pop_back();
        const QMetaObject *meta = current->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            QVariant value = property.readOnGadget(current);
            if (TPLXGanttObject *held = PLXHeldEntity(value); held && seen.insert(held).second)
                pending.push_back(held);
            if (property.isWritable())
                FValues.push_back({current, i, std::move(value)});
        }
    }
}

void TPLXPropertySnapshot::restore() const
{
    // A value can depend on one written after it (a locked task keeps its dates until it is unlocked): a second pass
    // writes what the first could not.
    for (int pass = 0; pass < 2; ++pass) {
        bool wrote = false;
        for (const Value &v : FValues) {
            const QMetaProperty property = v.object->metaObject()->property(v.index);
            if (property.readOnGadget(v.object) != v.value) {
                property.writeOnGadget(v.object, v.value);
                wrote = true;
            }
        }
        if (!wrote)
            break;
    }
}

bool TPLXPropertySnapshot::operator==(const TPLXPropertySnapshot &other) const
{
    return std::equal(FValues.begin(), FValues.end(), other.FValues.begin(), other.FValues.end(),
                      [](const Value &a, const Value &b) {
                          return a.object == b.object && a.index == b.index && a.value == b.value;
                      });
}

// ------------------------------------------------------------ TPLXEditObjectOperation

TPLXEditObjectOperation::TPLXEditObjectOperation(TPLXDataSourceIntf *dataSource, TPLXGanttObject *object)
    : TPLXOperation(dataSource)
    , CurrentObject(object)
    , OriginalObject(std::make_unique<TPLXPropertySnapshot>(object))
{
}

TPLXEditObjectOperation::~TPLXEditObjectOperation() = default;

void TPLXEditObjectOperation::Activate()
{
    ChangedObject = std::make_unique<TPLXPropertySnapshot>(CurrentObject);
    undo();
}

bool TPLXEditObjectOperation::perform()
{
    if (ChangedObject)
        ChangedObject->restore();
    return true;
}

bool TPLXEditObjectOperation::undo()
{
    OriginalObject->restore();
    return true;
}

bool TPLXEditObjectOperation::changesSomething() const
{
    return ChangedObject && !(*ChangedObject == *OriginalObject);
}

// ------------------------------------------------------------ TPLXEditorsRegistry

void TPLXEditorsRegistry::RegisterEditor(const QMetaObject *entityClass, TPLXEditorClass editorClass)
{
    for (const auto &entry : Entries)
        if (entry->ClassRef == entityClass) {
            entry->EditorClass = editorClass;
            return;
        }
    Entries.push_back(std::make_unique<TPLXEditorEntry>(TPLXEditorEntry{entityClass, editorClass}));
}

void TPLXEditorsRegistry::UnregisterEditor(const QMetaObject *entityClass)
{
    std::erase_if(Entries, [entityClass](const auto &entry) { return entry->ClassRef == entityClass; });
}

TPLXEditorClass TPLXEditorsRegistry::GetEditorClass(const QMetaObject *entityClass) const
{
    const TPLXEditorEntry *entry = GetEditorEntry(entityClass);
    return entry ? entry->EditorClass : nullptr;
}

const TPLXEditorEntry *TPLXEditorsRegistry::GetEditorEntry(const QMetaObject *entityClass) const
{
    for (const auto &entry : Entries)
        if (entry->ClassRef == entityClass)
            return entry.get();
    return nullptr;
}

TPLXEditorsRegistry &EditorsRegistry()
{
    static TPLXEditorsRegistry registry;
    return registry;
}

TPLXEditorsRegistry &DefaultEditorsRegistry()
{
    static TPLXEditorsRegistry registry;
    return registry;
}
