#include "plxControllerIntf.h"

#include <QHash>
#include <QMutex>

TPLXControllerIntf::TPLXControllerIntf(QWidget *parent)
    : QWidget(parent)
{
}

TPLXObjectEditorIntf::~TPLXObjectEditorIntf() = default;

namespace {

struct EditorTable
{
    QMutex mutex;
    QHash<const QMetaObject *, TPLXEditorRegistry::Creator> creators;
};

EditorTable &editorTable()
{
    static EditorTable table;
    return table;
}

} // namespace

void TPLXEditorRegistry::registerEditor(const QMetaObject *entityClass, Creator creator)
{
    EditorTable &table = editorTable();
    QMutexLocker lock(&table.mutex);
    table.creators.insert(entityClass, creator);
}

TPLXEditorRegistry::Creator TPLXEditorRegistry::find(const QMetaObject *entityClass)
{
    EditorTable &table = editorTable();
    QMutexLocker lock(&table.mutex);
    for (const QMetaObject *meta = entityClass; meta; meta = meta->superClass())
        if (const Creator creator = table.creators.value(meta))
            return creator;
    return nullptr;
}
