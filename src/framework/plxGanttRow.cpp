#include "plxGanttRow.h"

#include "plxBarConnection.h"
#include "plxDataSource.h"
#include "plxEntityFactory.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxTaskBar.h"
#include "plxTextualHalo.h"

#include <algorithm>

namespace {

const TPLXKindRegistration<TPLXGanttRowPersistence> ganttRowKind("Gantt Row");

// A composite whose failing part undoes the parts performed before it.
class AllOrNothing : public TPLXMultipleOperations
{
public:
    using TPLXMultipleOperations::TPLXMultipleOperations;
    bool perform() override { return !isDisabled() && PLXPerformAll(operations); }
};

TPLXGanttDocument *documentOf(TPLXDataSource *dataSource)
{
    return dataSource ? dataSource->root() : nullptr;
}

bool raiseBefore(const TPLXBeforeBarOperationEvent &event, TPLXGanttBar *bar)
{
    bool cancel = false;
    if (event)
        event(bar, cancel);
    return !cancel;
}

void raiseAfter(const TPLXAfterBarOperationEvent &event, TPLXGanttBar *bar)
{
    if (event)
        event(bar);
}

} // namespace

// ------------------------------------------------------------ TPLXGanttRow

TPLXGanttRow::TPLXGanttRow()
    : FOwnDrawer(std::make_unique<TPLXGanttRowDrawer>(this)),
      FOwnDrawerPert(std::make_unique<TPLXGanttRowPertDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
    FDrawerPert = FOwnDrawerPert.get();
}

TPLXGanttRow::~TPLXGanttRow() = default;

std::unique_ptr<TPLXGanttObject> TPLXGanttRow::Create() const
{
    return std::make_unique<TPLXGanttRow>();
}

TPLXGanttTable *TPLXGanttRow::table() const
{
    return dynamic_cast<TPLXGanttTable *>(getParent());
}

void TPLXGanttRow::geometryChanged()
{
    if (TPLXGanttTable *t = table())
        t->rowGeometryChanged(this);
}

void TPLXGanttRow::setHeight(int height)
{
    // A negative height cannot be laid out; such a row is flat.
    height = std::max(0, height);
    if (height == FHeight)
        return;
    FHeight = height;
    geometryChanged();
}

void TPLXGanttRow::setVisible(bool visible)
{
    if (visible == FVisible)
        return;
    FVisible = visible;
    geometryChanged();
}

void TPLXGanttRow::setCollapsed(bool collapsed)
{
    if (collapsed == FCollapsed)
        return;
    FCollapsed = collapsed;
    geometryChanged();
}

void TPLXGanttRow::AddBar(TPLXGanttBar *bar)
{
    if (!bar)
        return;
    FBarList.append(bar);
    bar->setParent(this);
    bar->setRowField(FOrder);
}

void TPLXGanttRow::InsertBar(int index, TPLXGanttBar *bar)
{
    if (!bar)
        return;
    FBarList.insert(std::clamp<qsizetype>(index, 0, FBarList.size()), bar);
    bar->setParent(this);
    bar->setRowField(FOrder);
}

void TPLXGanttRow::RemoveBar(TPLXGanttBar *bar)
{
    FBarList.removeOne(bar);
}

void TPLXGanttRow::Clear()
{
    FBarList.clear();
}

TPLXGanttBar *TPLXGanttRow::GetBarInRow(int i) const
{
    return i >= 0 && i < FBarList.size() ? FBarList[i] : nullptr;
}

int TPLXGanttRow::indexOf(const TPLXGanttBar *bar) const
{
    return static_cast<int>(FBarList.indexOf(bar));
}

int TPLXGanttRow::countBarsOfKind(const QMetaObject *cls) const
{
    int n = 0;
    for (TPLXGanttBar *bar : FBarList) {
        if (bar->metaObject()->inherits(cls))
            ++n;
    }
    return n;
}

TPLXGanttBar *TPLXGanttRow::getBarOfKind(const QMetaObject *cls, int n) const
{
    for (TPLXGanttBar *bar : FBarList) {
        if (bar->metaObject()->inherits(cls) && n-- == 0)
            return bar;
    }
    return nullptr;
}

int TPLXGanttRow::GetSummarizableBarCount() const
{
    int n = 0;
    for (TPLXGanttBar *bar : FBarList) {
        if (bar->isSummarizable())
            ++n;
    }
    return n;
}

bool TPLXGanttRow::IsGroup()
{
    // Groups are tree nodes with children; without a tree grid there are none.
    return false;
}

TDateTime TPLXGanttRow::FindStartDate()
{
    TDateTime result = 0;
    bool first = true;
    for (TPLXGanttBar *bar : FBarList) {
        if (!bar->isSummarizable())
            continue;
        const TDateTime d = bar->getStartDate();
        if (first || d < result)
            result = d;
        first = false;
    }
    return result;
}

TDateTime TPLXGanttRow::FindEndDate()
{
    TDateTime result = 0;
    bool first = true;
    for (TPLXGanttBar *bar : FBarList) {
        if (!bar->isSummarizable())
            continue;
        const TDateTime d = bar->getEndDate();
        if (first || d > result)
            result = d;
        first = false;
    }
    return result;
}

TDateTime TPLXGanttRow::FindFirstStartDate()
{
    TDateTime result = 0;
    for (qsizetype i = 0; i < FBarList.size(); ++i) {
        const TDateTime d = FBarList[i]->getStartDate();
        if (i == 0 || d < result)
            result = d;
    }
    return result;
}

TDateTime TPLXGanttRow::FindLastEndDate()
{
    TDateTime result = 0;
    for (qsizetype i = 0; i < FBarList.size(); ++i) {
        const TDateTime d = FBarList[i]->getEndDate();
        if (i == 0 || d > result)
            result = d;
    }
    return result;
}

TPLXGanttBar *TPLXGanttRow::findFirstSummarizable()
{
    TPLXGanttBar *result = nullptr;
    for (TPLXGanttBar *bar : FBarList) {
        if (bar->isSummarizable() && (!result || bar->getStartDate() < result->getStartDate()))
            result = bar;
    }
    return result;
}

TPLXGanttBar *TPLXGanttRow::findLastSummarizable()
{
    TPLXGanttBar *result = nullptr;
    for (TPLXGanttBar *bar : FBarList) {
        if (bar->isSummarizable() && (!result || bar->getEndDate() > result->getEndDate()))
            result = bar;
    }
    return result;
}

void TPLXGanttRow::RecalculateEffective()
{
    for (int i = 0; TPLXTaskBar *bar = getBarOfKind<TPLXTaskBar>(i); ++i)
        bar->setEffectiveDuration(bar->getEffectiveDuration());
}

void TPLXGanttRow::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    Q_UNUSED(name);
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Gantt Row"));
    media.setIntProperty(section, QStringLiteral("height"), FHeight);
    factory.saveObjectListOf(section, QStringLiteral("bars"), media, FBarList);
}

// ------------------------------------------------------------ drawers

TPLXGanttRowDrawer::TPLXGanttRowDrawer(TPLXGanttRow *row) : TPLXDrawer(row)
{
}

void TPLXGanttRowDrawer::Draw(TPLXVisualContext &vc)
{
    auto *row = static_cast<TPLXGanttRow *>(target);
    TPLXGanttTable *table = row->table();
    for (TPLXGanttBar *bar : row->bars()) {
        bool defaultPaint = true;
        if (table && table->FOnDrawBar)
            table->FOnDrawBar(bar, defaultPaint);
        if (defaultPaint) {
            if (TPLXDrawer *drawer = bar->getDrawer(vtGanttGraph))
                drawer->Draw(vc);
        }
    }
}

TPLXGanttObject *TPLXGanttRowDrawer::locateObject(int x, int y)
{
    auto *row = static_cast<TPLXGanttRow *>(target);
    for (TPLXGanttBar *bar : row->bars()) {
        if (TPLXDrawer *drawer = bar->getDrawer(vtGanttGraph)) {
            if (TPLXGanttObject *found = drawer->locateObject(x, y))
                return found;
        }
    }
    return nullptr;
}

TPLXGanttRowPertDrawer::TPLXGanttRowPertDrawer(TPLXGanttRow *row) : TPLXDrawer(row)
{
}

void TPLXGanttRowPertDrawer::Draw(TPLXVisualContext &)
{
    // The row's PERT box is drawn by its own drawer once PERT bars exist.
}

TPLXGanttObject *TPLXGanttRowPertDrawer::locateObject(int, int)
{
    return nullptr;
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXGanttRowPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                TPLXEntityFactory &factory)
{
    auto row = std::make_unique<TPLXGanttRow>();
    row->FHeight = media.intValue(name, QStringLiteral("height"), 25);
    // A negative height cannot be laid out; such a row is kept, but flat.
    if (row->FHeight < 0)
        row->FHeight = 0;
    for (TPLXGanttBar *bar : factory.loadObjectListAs<TPLXGanttBar>(name, QStringLiteral("bars"), media, row.get())) {
        if (bar)
            row->AddBar(bar);
    }
    return row;
}

// ------------------------------------------------------------ TPLXBarInsertOperation

TPLXBarInsertOperation::TPLXBarInsertOperation(TPLXDataSource *dataSource, TPLXGanttBar *target, int row)
    : TPLXOperation(dataSource), Target(target), Row(row)
{
    if (TPLXGanttDocument *document = documentOf(dataSource)) {
        if (target && target->textHalo())
            target->textHalo()->setTextHaloSettings(document->GetTextHaloSettings());
    }
}

TPLXBarInsertOperation::~TPLXBarInsertOperation() = default;

bool TPLXBarInsertOperation::perform()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!Target || !table || Row < 0 || Row >= table->countRows())
        return false;
    TPLXGanttRow *r = table->getRow(Row);
    const bool isSummary = QByteArrayView(Target->metaObject()->className()) == "TPLXSummaryBar";
    if (r->IsGroup() != isSummary)
        return false;
    if (!raiseBefore(FDataSource->OnBeforeBarAdd, Target))
        return false;
    r->AddBar(Target);
    // Creating the row's PERT box (AutoCreatePertbars) waits for the PERT bar kind.
    if (!FDataSource->IsInUpdateMode()) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
    raiseAfter(FDataSource->OnAfterBarAdd, Target);
    return true;
}

bool TPLXBarInsertOperation::undo()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!Target || !table || Row < 0 || Row >= table->countRows())
        return false;
    if (!raiseBefore(FDataSource->OnBeforeBarDelete, Target))
        return false;
    if (PertOp && !PertOp->undo())
        return false;
    table->getRow(Row)->RemoveBar(Target);
    if (table->getFocusedBar() == Target)
        table->unFocusBar();
    table->updateCriticalPath();
    table->UpdateSummaryBars();
    raiseAfter(FDataSource->OnAfterBarDelete, Target);
    return true;
}

// ------------------------------------------------------------ TPLXBarRemoveOperation

TPLXBarRemoveOperation::TPLXBarRemoveOperation(TPLXDataSource *dataSource, TPLXGanttBar *target,
                                               bool preventFiringEvent)
    : TPLXOperation(dataSource), PreventFiringEvent(preventFiringEvent), target(target), Index(-1)
{
    if (target && target->getParentRow())
        Index = target->getRow();
}

TPLXBarRemoveOperation::~TPLXBarRemoveOperation() = default;

bool TPLXBarRemoveOperation::perform()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!target || !table || Index < 0 || Index >= table->countRows())
        return false;
    TPLXGanttRow *r = table->getRow(Index);
    if (r->indexOf(target) < 0)
        return false;
    if (!PreventFiringEvent && !raiseBefore(FDataSource->OnBeforeBarDelete, target))
        return false;
    if (table->getFocusedBar() == target)
        table->unFocusBar();
    FPosition = r->indexOf(target);
    r->RemoveBar(target);
    // Deleting the row's PERT box with its last summarizable bar waits for the PERT bar kind.
    if (PertOp && !PertOp->perform()) {
        r->AddBar(target);
        return false;
    }
    PLXRefreshAfterBarChange(FDataSource);
    if (!PreventFiringEvent)
        raiseAfter(FDataSource->OnAfterBarDelete, target);
    return true;
}

bool TPLXBarRemoveOperation::undo()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!target || !table || Index < 0 || Index >= table->countRows())
        return false;
    if (!raiseBefore(FDataSource->OnBeforeBarAdd, target))
        return false;
    TPLXGanttRow *r = table->getRow(Index);
    r->InsertBar(FPosition < 0 ? r->GetBarCount() : FPosition, target);
    if (PertOp && !PertOp->undo())
        return false;
    PLXRefreshAfterBarChange(FDataSource);
    raiseAfter(FDataSource->OnAfterBarAdd, target);
    return true;
}

// ------------------------------------------------------------ TPLXBarMoveOperation

TPLXBarMoveOperation::TPLXBarMoveOperation(TPLXDataSource *dataSource, TPLXGanttBar *target, TDateTime newStartDate,
                                           int newRow)
    : TPLXOperation(dataSource), target(target), originalStartDate(target ? target->getStartDate() : 0),
      newStartDate(newStartDate), BeforeOp(std::make_unique<AllOrNothing>(dataSource)),
      AfterOp(std::make_unique<AllOrNothing>(dataSource))
{
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!target || !table || !target->getParentRow())
        return;
    const int oldRow = target->getRow();
    if (oldRow >= 0 && oldRow < table->countRows())
        originalParent = table->getRow(oldRow);
    if (newRow >= 0 && newRow < table->countRows())
        newParent = table->getRow(newRow);
    QList<TPLXBarConnection *> touching;
    if (TPLXGanttDocument *document = documentOf(dataSource))
        touching = document->connectionsOf(target);
    for (TPLXBarConnection *c : touching)
        BeforeOp->addOperation(std::make_unique<TPLXConnectionDeleteOperation>(dataSource, c));
    BeforeOp->addOperation(std::make_unique<TPLXBarRemoveOperation>(dataSource, target, true));
    // Moving the row's PERT box along waits for the PERT bar kind.
    for (TPLXBarConnection *c : touching)
        AfterOp->addOperation(std::make_unique<TPLXConnectionAddOperation>(dataSource, c));
}

TPLXBarMoveOperation::~TPLXBarMoveOperation() = default;

bool TPLXBarMoveOperation::raiseMoveEvents(int row, TDateTime start)
{
    if (!raiseBefore(FDataSource->OnBeforeBarMove, target))
        return false;
    bool allowed = true;
    if (FDataSource->OnGanttBarMove)
        FDataSource->OnGanttBarMove(target, row, start, allowed);
    return allowed;
}

bool TPLXBarMoveOperation::perform()
{
    if (!target || !FDataSource || !originalParent || !newParent)
        return false;
    if (!raiseMoveEvents(newParent->getOrder(), newStartDate))
        return false;
    FBefore = target->getTimes();
    if (!BeforeOp->perform())
        return false;
    target->setPeriod(newStartDate, newStartDate + (target->getEndDate() - target->getStartDate()));
    newParent->AddBar(target);
    if (!AfterOp->perform()) {
        newParent->RemoveBar(target);
        target->setTimes(FBefore);
        BeforeOp->undo();
        return false;
    }
    PLXRefreshAfterBarChange(FDataSource);
    raiseAfter(FDataSource->OnAfterBarMove, target);
    return true;
}

bool TPLXBarMoveOperation::undo()
{
    if (!target || !FDataSource || !originalParent || !newParent)
        return false;
    if (!raiseMoveEvents(originalParent->getOrder(), originalStartDate))
        return false;
    if (!AfterOp->undo())
        return false;
    newParent->RemoveBar(target);
    target->setPeriod(originalStartDate, originalStartDate + (target->getEndDate() - target->getStartDate()));
    // A derived end may have been stored before; restore the period exactly as it was held.
    target->setTimes(FBefore);
    if (!BeforeOp->undo())
        return false;
    PLXRefreshAfterBarChange(FDataSource);
    raiseAfter(FDataSource->OnAfterBarMove, target);
    return true;
}
