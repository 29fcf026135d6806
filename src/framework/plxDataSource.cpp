#include "plxDataSource.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"

#include <QWidget>

TPLXDataSource::TPLXDataSource(QObject *owner)
    : QObject(owner)
    , FUndoRedoStack(std::make_unique<TPLXUndoRedoStack>())
    , factory(std::make_unique<TPLXEntityFactory>())
{
    PLXRessourcesInitialize();
    CreateDefaultRessources_GER();
    setStorage(QString());
}

TPLXDataSource::~TPLXDataSource()
{
    clearDocument();
    // Recorded operations refer to the document's entities: drop them first.
    FUndoRedoStack->clear();
    FRoot.reset();
    PLXRessourcesFinalize();
}

void TPLXDataSource::setStorage(const QString &name)
{
    // The history refers to the document about to be replaced.
    FUndoRedoStack->clear();
    storageName = name;
    media = TPLXMediaFactory::CreateMedia(name);
    factory->Flush();
    std::unique_ptr<TPLXGanttDocument> previous = std::move(FRoot);
    buildDocument();
    FUndoRedoStack->clear();
    previous.reset();
    if (!FRoot && !name.isEmpty()) {
        setStorage(QString());
        return;
    }
    repaintOwnerForm();
}

void TPLXDataSource::buildDocument()
{
    FRoot.reset();
    if (!media)
        return;
    TPLXGanttObject *loaded = factory->loadObject(QStringLiteral("root"), *media, nullptr);
    auto *document = dynamic_cast<TPLXGanttDocument *>(loaded);
    if (loaded && !document) {
        PLXLog(QStringLiteral("The section \"root\" of \"%1\" is not a document").arg(storageName));
        // Nothing else owns a root of the wrong kind.
        std::unique_ptr<TPLXGanttObject> discard(loaded);
    }
    FRoot.reset(document);
    if (FRoot)
        FRoot->setDataSource(this);
}

void TPLXDataSource::SaveToMedia(const QString &name)
{
    PLXMedia store = TPLXMediaFactory::CreateMedia(name);
    if (!store || !FRoot)
        return;
    factory->saveObject(QStringLiteral("root"), *store, FRoot.get());
}

void TPLXDataSource::clearDocument()
{
}

void TPLXDataSource::clearUndoRedoStack()
{
    FUndoRedoStack->clear();
}

void TPLXDataSource::repaintOwnerForm()
{
    auto *form = qobject_cast<QWidget *>(parent());
    if (!form)
        return;
    form->update();
    for (QWidget *control : form->findChildren<QWidget *>())
        control->update();
}

TPLXGanttTable *TPLXDataSource::GetTable() const
{
    return FRoot ? FRoot->GetTable() : nullptr;
}

TPLXTreeGrid *TPLXDataSource::GetTree() const
{
    return FRoot ? FRoot->GetTree() : nullptr;
}

TPLXDocumentCalendar *TPLXDataSource::GetCalendar() const
{
    return FRoot ? FRoot->getCalendar() : nullptr;
}

TPLXLegend *TPLXDataSource::GetLegend() const
{
    return FRoot ? FRoot->GetLegend() : nullptr;
}

bool TPLXDataSource::record(std::unique_ptr<TPLXOperation> op)
{
    // A failed operation stays here and is freed with what it owns.
    return FUndoRedoStack->doOperation(op);
}

bool TPLXDataSource::BarAdd(TPLXGanttBar *bar, int row)
{
    return record(std::make_unique<TPLXBarInsertOperation>(this, bar, row));
}

bool TPLXDataSource::BarDelete(TPLXGanttBar *bar)
{
    return record(std::make_unique<TPLXBarDeleteOperation>(this, bar));
}

bool TPLXDataSource::BarMove(TPLXGanttBar *bar, TDateTime newStart, int row)
{
    return record(std::make_unique<TPLXBarMoveOperation>(this, bar, newStart, row));
}

bool TPLXDataSource::BarResize(TPLXGanttBar *bar, int changeCol, int changeRow, bool right)
{
    return record(
        std::make_unique<TPLXBarResizeOperation>(this, bar, static_cast<double>(changeCol), changeRow, right));
}

bool TPLXDataSource::BarAssignTime(TPLXGanttBar *bar, TDateTime start, TDateTime end)
{
    return record(std::make_unique<TPLXBarAssignTimeOperation>(this, bar, start, end));
}

bool TPLXDataSource::ConnectionAdd(TPLXBarConnection *connection)
{
    return record(std::make_unique<TPLXConnectionAddOperation>(this, connection));
}

bool TPLXDataSource::ConnectionDelete(TPLXBarConnection *connection)
{
    return record(std::make_unique<TPLXConnectionDeleteOperation>(this, connection));
}

bool TPLXDataSource::RowClear(int row)
{
    return record(std::make_unique<TPLXGanttRowClearOperation>(this, row));
}

bool TPLXDataSource::PertBarAdd(int row, int x, int y)
{
    return record(std::make_unique<TPLXPertBarInsertOperation>(this, row, x, y));
}

bool TPLXDataSource::PertBarDelete(TPLXPertBar *pertBar)
{
    return record(std::make_unique<TPLXPertBarDeleteOperation>(this, pertBar));
}

bool TPLXDataSource::PertConnectionAdd(TPLXBarConnection *connection)
{
    return record(std::make_unique<TPLXPertConnectionAddOperation>(this, connection));
}

bool TPLXDataSource::PertConnectionDelete(TPLXBarConnection *connection)
{
    return record(std::make_unique<TPLXPertConnectionDeleteOperation>(this, connection));
}

bool TPLXDataSource::ResolveDistanceViolations(TPLXGanttBar *bar)
{
    if (!FRoot)
        return false;
    std::unique_ptr<TPLXMultipleOperations> pushes = FRoot->resolveDistanceViolations(bar);
    // The pushes are already performed: record them as one step without
    // performing them (and raising their events) a second time.
    if (pushes->empty())
        return true;
    return FUndoRedoStack->addOperation(std::move(pushes));
}

const TPLXOperationEvent &TPLXDataSource::getOnChange() const
{
    return FUndoRedoStack->getOnChange();
}

void TPLXDataSource::setOnChange(TPLXOperationEvent event)
{
    FUndoRedoStack->setOnChange(std::move(event));
}

const TPLXOperationEvent &TPLXDataSource::getOnUndo() const
{
    return FUndoRedoStack->getOnUndo();
}

void TPLXDataSource::setOnUndo(TPLXOperationEvent event)
{
    FUndoRedoStack->setOnUndo(std::move(event));
}

const TPLXOperationEvent &TPLXDataSource::getOnRedo() const
{
    return FUndoRedoStack->getOnRedo();
}

void TPLXDataSource::setOnRedo(TPLXOperationEvent event)
{
    FUndoRedoStack->setOnRedo(std::move(event));
}
