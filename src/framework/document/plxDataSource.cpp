#include "plxDataSource.h"

#include "plxColumnOperation.h"
#include "plxDocumentCalendar.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxImageBar.h"
#include "plxIniDocument.h"
#include "plxPertBar.h"
#include "plxPictureResource.h"
#include "plxPlatform.h"
#include "plxProjectXml.h"
#include "plxRessourceStrings.h"
#include "plxRowOperation.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"

#include <QSaveFile>
#include <QScopeGuard>
#include <QWidget>

namespace {

// The whole document exchanged for another; undo exchanges them back, so
// every entity the older history refers to comes back as it was.
class TPLXDocumentReplaceOperation : public TPLXOperation
{
public:
    TPLXDocumentReplaceOperation(TPLXDataSource *source, std::unique_ptr<TPLXGanttDocument> document)
        : TPLXOperation(source)
        , FSource(source)
        , FOther(std::move(document))
    {
    }
    ~TPLXDocumentReplaceOperation() override { FSource->retireDocument(std::move(FOther)); }
    bool perform() override { return exchange(); }
    bool undo() override { return exchange(); }
    QString displayName() const override { return QStringLiteral("Import"); }

private:
    bool exchange()
    {
        if (!FOther)
            return false;
        FSource->exchangeDocument(FOther);
        return true;
    }

    TPLXDataSource *FSource;
    std::unique_ptr<TPLXGanttDocument> FOther;
};

} // namespace

TPLXDataSource::TPLXDataSource(QObject *owner)
    : QObject(owner)
    , FUndoRedoStack(std::make_unique<TPLXUndoRedoStack>())
    , factory(std::make_unique<TPLXEntityFactory>())
{
    PLXRessourcesInitialize();
    CreateDefaultRessources_GER();
    // The stack's events reach the application's handler and every bound control, which read the texts
    // computed from the chart up to date: saved or read, they are what the chart now says.
    FUndoRedoStack->setOnChange([this](TPLXOperation *op) {
        TPLXTreeAutoCell::chartChanged();
        if (FOnChange)
            FOnChange(op);
        emit changed(op);
    });
    FUndoRedoStack->setOnUndo([this](TPLXOperation *op) {
        if (FOnUndo)
            FOnUndo(op);
        emit undone(op);
    });
    FUndoRedoStack->setOnRedo([this](TPLXOperation *op) {
        if (FOnRedo)
            FOnRedo(op);
        emit redone(op);
    });
    setStorage(QString());
}

TPLXDataSource::~TPLXDataSource()
{
    clearDocument();
    // Recorded operations refer to the document's entities: drop them first.
    FUndoRedoStack->clear();
    FRetired.clear();
    FRoot.reset();
    PLXRessourcesFinalize();
}

void TPLXDataSource::setStorage(const QString &name)
{
    // A broken file can raise a message per entry: the user sees a few, the log gets all.
    const TPLXMessageCap cap;
    // A file that cannot be opened raises here, before anything has changed.
    PLXMedia next = TPLXMediaFactory::CreateMedia(name);
    // The history refers to the document about to be replaced.
    FUndoRedoStack->clear();
    storageName = name;
    media = std::move(next);
    factory->Flush();
    std::unique_ptr<TPLXGanttDocument> previous = std::move(FRoot);
    buildDocument();
    FUndoRedoStack->clear();
    FRetired.clear();
    previous.reset();
    // A load cancelled through the factory's progress callback stays as far as it got.
    if (!FRoot && !name.isEmpty() && !FLoadCancelled) {
        setStorage(QString());
        return;
    }
    emit documentReplaced();
    repaintOwnerForm();
}

void TPLXDataSource::buildDocument()
{
    FRoot.reset();
    if (!media)
        return;
    // The refreshes after loading build their tables once the load's own are freed.
    factory->setRefreshesDeferred(true);
    const auto undefer = qScopeGuard([this] { factory->setRefreshesDeferred(false); });
    TPLXGanttObject *loaded = factory->loadObject(QStringLiteral("root"), *media, nullptr);
    auto *document = dynamic_cast<TPLXGanttDocument *>(loaded);
    if (loaded && !document) {
        PLXLog(QStringLiteral("The section \"root\" of \"%1\" is not a document").arg(storageName));
        // Nothing else owns a root of the wrong kind.
        std::unique_ptr<TPLXGanttObject> discard(loaded);
    }
    FRoot.reset(document);
    // The table of loaded sections only serves the load; forgetting it forgets a cancel too.
    FLoadCancelled = factory->loadCancelled();
    factory->Flush();
    // The store stays for listing its sections and for a save into the same
    // file, which keeps what the entities do not write; it reads its file
    // again for either, so an open document does not hold the file's text.
    media->compact();
    if (FRoot) {
        FRoot->refreshLoaded();
        FRoot->setDataSource(this);
    }
    // A file may hold computed texts from an older plan.
    TPLXTreeAutoCell::chartChanged();
}

bool TPLXDataSource::SaveToMedia(const QString &name)
{
    try {
        PLXMedia store = TPLXMediaFactory::CreateMedia(name);
        if (store && FRoot)
            factory->saveObject(QStringLiteral("root"), *store, FRoot.get());
    } catch (const EPLXError &error) {
        PLXLog(error.message());
        PLXShowMessage(error.message());
        return false;
    }
    return true;
}

void TPLXDataSource::clearDocument()
{
}

bool TPLXDataSource::ImportProjectXml(const QString &fileName)
{
    const TPLXMessageCap cap;
    QByteArray text;
    QString error;
    std::unique_ptr<TPLXGanttDocument> document;
    if (TPLXProjectXml::readFile(fileName, text, error)) {
        // Built apart from the shown document, which a failure leaves alone.
        try {
            const PLXMedia store = std::make_shared<TPLXINIFIle>(TPLXIniDocument::fromBytes(text));
            std::unique_ptr<TPLXGanttObject> loaded(factory->loadObject(QStringLiteral("root"), *store, nullptr));
            if (dynamic_cast<TPLXGanttDocument *>(loaded.get()))
                document.reset(static_cast<TPLXGanttDocument *>(loaded.release()));
        } catch (const EPLXError &failure) {
            error = failure.message();
        }
        factory->Flush();
        if (!document && error.isEmpty())
            error = QStringLiteral("\"%1\" is not imported: its plan makes no document").arg(fileName);
    }
    if (!document) {
        PLXLog(error);
        PLXShowMessage(error);
        return false;
    }
    document->setDataSource(this);
    return record(std::make_unique<TPLXDocumentReplaceOperation>(this, std::move(document)));
}

bool TPLXDataSource::ExportProjectXml(const QString &fileName)
{
    QSaveFile file(fileName);
    if (FRoot && file.open(QIODevice::WriteOnly)) {
        TPLXProjectXml::write(*FRoot, file);
        if (file.commit())
            return true;
    }
    const QString error = QStringLiteral("\"%1\" cannot be written: %2")
                              .arg(fileName, FRoot ? file.errorString() : QStringLiteral("there is no document"));
    PLXLog(error);
    PLXShowMessage(error);
    return false;
}

void TPLXDataSource::retireDocument(std::unique_ptr<TPLXGanttDocument> document)
{
    if (document)
        FRetired.push_back(std::move(document));
}

void TPLXDataSource::exchangeDocument(std::unique_ptr<TPLXGanttDocument> &document)
{
    std::swap(FRoot, document);
    PLXCalendarChanged();
    emit documentReplaced();
    repaintOwnerForm();
}

void TPLXDataSource::clearUndoRedoStack()
{
    FUndoRedoStack->clear();
    FRetired.clear();
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

TPLXDocumentSetup *TPLXDataSource::documentSetup() const
{
    return FRoot.get();
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

bool TPLXDataSource::ColumnAdd(int index, TPLXTreeCellType *cellType)
{
    return record(std::make_unique<TPLXColumnInsertOperation>(this, index, cellType));
}

bool TPLXDataSource::ColumnAppend(TPLXTreeCellType *cellType)
{
    TPLXTreeGrid *tree = GetTree();
    TPLXTreeHeader *header = tree ? tree->getHeader() : nullptr;
    return ColumnAdd(header ? header->countCells() : -1, cellType);
}

bool TPLXDataSource::ColumnDelete(int index)
{
    return record(std::make_unique<TPLXColumnDeleteOperation>(this, index));
}

bool TPLXDataSource::RowAppend()
{
    return record(std::make_unique<TPLXRowAppendOperation>(this));
}

bool TPLXDataSource::RowInsert(int row, int parent)
{
    return record(std::make_unique<TPLXRowInsertOperation>(this, row, parent));
}

bool TPLXDataSource::RowChildInsert(int parent)
{
    return record(std::make_unique<TPLXRowChildInsertOperation>(this, parent));
}

bool TPLXDataSource::RowDelete(int row)
{
    return record(std::make_unique<TPLXRowDeleteOperation>(this, row));
}

bool TPLXDataSource::BranchDelete(int row)
{
    return record(std::make_unique<TPLXBranchDeleteOperation>(this, row));
}

bool TPLXDataSource::RowsGroup(int first, int last)
{
    return record(std::make_unique<TPLXRowsGroupOperation>(this, first, last));
}

bool TPLXDataSource::RowsChangeParent(int first, int last, int newParent)
{
    return record(std::make_unique<TPLXRowsChangeParentOperation>(this, first, last, newParent));
}

void TPLXDataSource::deleteSelected()
{
    TPLXTreeGrid *tree = GetTree();
    if (!tree || tree->getSelectedRowsCount() == 0)
        return;
    tree->unFocus();
    // The first row is never deleted here.
    auto composite = std::make_unique<TPLXMultipleOperations>(this);
    for (int i = tree->rowsCount() - 1; i >= 1; --i) {
        TPLXTreeRow *row = tree->getRow(i);
        if (!row || !row->isSelected())
            continue;
        auto op = std::make_unique<TPLXRowDeleteOperation>(this, i);
        if (op->perform())
            composite->addOperation(std::move(op));
    }
    if (!composite->empty())
        FUndoRedoStack->addOperation(std::move(composite));
}

void TPLXDataSource::SetMileStoneTransparency(bool transparent)
{
    TPLXGanttTable *table = GetTable();
    if (!table)
        return;
    for (TPLXGanttRow *row : table->rows())
        for (TPLXGanttBar *bar : row->bars())
            if (auto *milestone = dynamic_cast<TPLXMilestoneBar *>(bar); milestone && milestone->getPictureResource())
                milestone->getPictureResource()->setTransparent(transparent);
}

void TPLXDataSource::Clear()
{
    TPLXTreeGrid *tree = GetTree();
    TPLXGanttTable *table = GetTable();
    if (!tree || !table)
        return;
    table->SetScrolledLines(0);
    for (int i = tree->rowsCount() - 1; i >= 0; --i) {
        if (tree->rowsCount() <= 1) {
            RowClear(0);
            break;
        }
        RowClear(i);
        RowDelete(i);
    }
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
    return FOnChange;
}

void TPLXDataSource::setOnChange(TPLXOperationEvent event)
{
    FOnChange = std::move(event);
}

const TPLXOperationEvent &TPLXDataSource::getOnUndo() const
{
    return FOnUndo;
}

void TPLXDataSource::setOnUndo(TPLXOperationEvent event)
{
    FOnUndo = std::move(event);
}

const TPLXOperationEvent &TPLXDataSource::getOnRedo() const
{
    return FOnRedo;
}

void TPLXDataSource::setOnRedo(TPLXOperationEvent event)
{
    FOnRedo = std::move(event);
}

TPLXDataSource *PLXFindDataSource(const QObject *scope, const QString &name)
{
    if (!scope || name.isEmpty())
        return nullptr;
    QObject *named = scope->objectName() == name ? const_cast<QObject *>(scope) : scope->findChild<QObject *>(name);
    if (!named)
        return nullptr;
    if (auto *source = qobject_cast<TPLXDataSource *>(named))
        return source;
    return named->findChild<TPLXDataSource *>(QString(), Qt::FindDirectChildrenOnly);
}
