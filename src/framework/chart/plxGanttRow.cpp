#include "plxGanttRow.h"

#include "plxBarConnection.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTaskBar.h"
#include "plxTextualHalo.h"

#include <algorithm>
#include <optional>

namespace {

const TPLXKindRegistration<TPLXGanttRowPersistence> ganttRowKind("Gantt Row");

// A composite whose failing part undoes the parts performed before it.
class AllOrNothing : public TPLXMultipleOperations
{
public:
    using TPLXMultipleOperations::TPLXMultipleOperations;
    bool perform() override { return !isDisabled() && PLXPerformAll(operations); }
};

TPLXDocumentSetup *documentOf(TPLXDataSourceIntf *dataSource)
{
    return dataSource ? dataSource->documentSetup() : nullptr;
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

TPLXGanttRow::TPLXGanttRow() = default;

TPLXDrawer *TPLXGanttRow::getDrawer(TPLXViewType viewType) const
{
    if (!FOwnDrawer) {
        auto *self = const_cast<TPLXGanttRow *>(this);
        self->FOwnDrawer = std::make_unique<TPLXGanttRowDrawer>(self);
        self->FOwnDrawerPert = std::make_unique<TPLXGanttRowPertDrawer>(self);
        self->FDrawer = FOwnDrawer.get();
        self->FDrawerPert = FOwnDrawerPert.get();
    }
    return TPLXGanttObject::getDrawer(viewType);
}

TPLXGanttRow::~TPLXGanttRow() = default;

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
    PLXConnectionRowsChanged();
}

void TPLXGanttRow::InsertBar(int index, TPLXGanttBar *bar)
{
    if (!bar)
        return;
    FBarList.insert(std::clamp<qsizetype>(index, 0, FBarList.size()), bar);
    bar->setParent(this);
    bar->setRowField(FOrder);
    PLXConnectionRowsChanged();
}

void TPLXGanttRow::RemoveBar(TPLXGanttBar *bar)
{
    FBarList.removeOne(bar);
    PLXConnectionRowsChanged();
}

void TPLXGanttRow::Clear()
{
    FBarList.clear();
    PLXConnectionRowsChanged();
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
    TPLXDocumentSetup *document = FOrder >= 0 ? GetDocumentSetup() : nullptr;
    return document && document->isGroupRow(FOrder);
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

TPLXPertBar *TPLXGanttRow::createPertBar(int x, int y)
{
    if (FPertBar)
        return FPertBar;
    TPLXGanttTable *t = table();
    auto bar = std::make_unique<TPLXPertBar>(x, y, t ? t->defaultPertBarSettings() : nullptr);
    setPertBar(bar.release());
    // A new box is drawn on top of the others.
    if (t && t->getZOrder(this) < 0)
        t->setZOrder(this, 0);
    return FPertBar;
}

void TPLXGanttRow::setPertBar(TPLXPertBar *bar)
{
    FPertBar = bar;
    if (bar)
        bar->setParent(this);
}

void TPLXGanttRow::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    Q_UNUSED(name);
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Gantt Row"));
    media.setIntProperty(section, QStringLiteral("height"), FHeight);
    factory.saveObjectListOf(section, QStringLiteral("bars"), media, FBarList);
    // The box writes its "pert bar" reference into this section itself.
    if (FPertBar)
        FPertBar->doSave(section, media, factory);
}

// ------------------------------------------------------------ drawers

TPLXGanttRowDrawer::TPLXGanttRowDrawer(TPLXGanttRow *row)
    : TPLXDrawer(row)
{
}

void TPLXGanttRowDrawer::Draw(TPLXVisualContext &vc)
{
    auto *row = static_cast<TPLXGanttRow *>(target);
    TPLXGanttTable *table = row->table();
    for (TPLXGanttBar *bar : row->bars()) {
        bool defaultPaint = true;
        if (table && table->getOnDrawBar())
            table->getOnDrawBar()(bar, defaultPaint);
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

TPLXGanttRowPertDrawer::TPLXGanttRowPertDrawer(TPLXGanttRow *row)
    : TPLXDrawer(row)
{
}

void TPLXGanttRowPertDrawer::Draw(TPLXVisualContext &vc)
{
    if (TPLXPertBar *bar = static_cast<TPLXGanttRow *>(target)->pertBar()) {
        if (TPLXDrawer *drawer = bar->getDrawer(vtPertGraph))
            drawer->Draw(vc);
    }
}

TPLXGanttObject *TPLXGanttRowPertDrawer::locateObject(int x, int y)
{
    if (TPLXPertBar *bar = static_cast<TPLXGanttRow *>(target)->pertBar()) {
        if (TPLXDrawer *drawer = bar->getDrawer(vtPertGraph))
            return drawer->locateObject(x, y);
    }
    return nullptr;
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXGanttRowPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto row = std::make_unique<TPLXGanttRow>();
    row->FHeight = media.sizeValue(name, QStringLiteral("height"), 25);
    // A negative height cannot be laid out; such a row is kept, but flat.
    if (row->FHeight < 0)
        row->FHeight = 0;
    for (TPLXGanttBar *bar : factory.loadObjectListAs<TPLXGanttBar>(name, QStringLiteral("bars"), media, row.get())) {
        if (bar)
            row->AddBar(bar);
    }
    if (media.strValue(name, QStringLiteral("pert bar"), QStringLiteral("Missing")) != QLatin1String("Missing")) {
        TPLXPertBar *box = loadChildAs<TPLXPertBar>(QStringLiteral("pert bar"), media, factory, row.get());
        // A box another row already holds (a damaged file) stays with that row.
        if (box && box->getParent() == row.get() && row->indexOf(box) < 0)
            row->FPertBar = box;
        else if (box)
            PLXLog(QStringLiteral("Row %1: its PERT box %2 belongs to another row").arg(name, box->getUID()));
    }
    return row;
}

// ------------------------------------------------------------ TPLXBarInsertOperation

TPLXBarInsertOperation::TPLXBarInsertOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, int row)
    : TPLXOperation(dataSource)
    , Target(target)
    , Row(row)
{
    if (TPLXDocumentSetup *document = documentOf(dataSource)) {
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
    const bool isSummary = Target->isSummaryBar();
    if (r->IsGroup() != isSummary)
        return false;
    if (!raiseBefore(FDataSource->getOnBeforeBarAdd(), Target))
        return false;
    // A bar that cannot be placed goes back to whoever held it before.
    TPLXGanttObject *const previousParent = Target->getParent();
    r->AddBar(Target);
    if (FDataSource->getAutoCreatePertbars() && !PertOp && Target->isSummarizable() && !r->pertBar() &&
        r->GetSummarizableBarCount() == 1)
        PertOp = std::make_unique<TPLXPertBarInsertOperation>(FDataSource, Row, -1, -1);
    if (PertOp && !PertOp->perform()) {
        r->RemoveBar(Target);
        Target->setParent(previousParent);
        return false;
    }
    if (!FDataSource->IsInUpdateMode()) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
    raiseAfter(FDataSource->getOnAfterBarAdd(), Target);
    return true;
}

bool TPLXBarInsertOperation::undo()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!Target || !table || Row < 0 || Row >= table->countRows())
        return false;
    if (!raiseBefore(FDataSource->getOnBeforeBarDelete(), Target))
        return false;
    if (PertOp && !PertOp->undo())
        return false;
    table->getRow(Row)->RemoveBar(Target);
    if (table->getFocusedBar() == Target)
        table->unFocusBar();
    table->updateCriticalPath();
    table->UpdateSummaryBars();
    raiseAfter(FDataSource->getOnAfterBarDelete(), Target);
    return true;
}

// ------------------------------------------------------------ TPLXBarRemoveOperation

TPLXBarRemoveOperation::TPLXBarRemoveOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target,
                                               bool preventFiringEvent)
    : TPLXOperation(dataSource)
    , PreventFiringEvent(preventFiringEvent)
    , target(target)
    , Index(-1)
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
    if (!PreventFiringEvent && !raiseBefore(FDataSource->getOnBeforeBarDelete(), target))
        return false;
    if (table->getFocusedBar() == target)
        table->unFocusBar();
    FPosition = r->indexOf(target);
    r->RemoveBar(target);
    // The row's last task takes the row's PERT box with it.
    if (!PertOp && r->pertBar() && target->isSummarizable() && r->GetSummarizableBarCount() == 0)
        PertOp = std::make_unique<TPLXPertBarDeleteOperation>(FDataSource, r->pertBar());
    if (PertOp && !PertOp->perform()) {
        r->InsertBar(FPosition, target);
        return false;
    }
    PLXRefreshAfterBarChange(FDataSource);
    if (!PreventFiringEvent)
        raiseAfter(FDataSource->getOnAfterBarDelete(), target);
    return true;
}

bool TPLXBarRemoveOperation::undo()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!target || !table || Index < 0 || Index >= table->countRows())
        return false;
    if (!raiseBefore(FDataSource->getOnBeforeBarAdd(), target))
        return false;
    TPLXGanttRow *r = table->getRow(Index);
    r->InsertBar(FPosition < 0 ? r->GetBarCount() : FPosition, target);
    if (PertOp && !PertOp->undo())
        return false;
    PLXRefreshAfterBarChange(FDataSource);
    raiseAfter(FDataSource->getOnAfterBarAdd(), target);
    return true;
}

// ------------------------------------------------------------ TPLXBarMoveOperation

TPLXBarMoveOperation::TPLXBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target,
                                           TDateTime newStartDate, int newRow)
    : TPLXOperation(dataSource)
    , target(target)
    , originalStartDate(target ? target->getStartDate() : 0)
    , newStartDate(newStartDate)
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
    if (TPLXDocumentSetup *document = documentOf(dataSource))
        touching = document->connectionsOf(target);
    BeforeOp.reserve(size_t(touching.size()) + 1);
    AfterOp.reserve(size_t(touching.size()) + 1);
    for (TPLXBarConnection *c : std::as_const(touching))
        BeforeOp.push_back(std::make_unique<TPLXConnectionDeleteOperation>(dataSource, c));
    BeforeOp.push_back(std::make_unique<TPLXBarRemoveOperation>(dataSource, target, true));
    // A row's only task takes the row's PERT box along (the remove part above
    // takes the box out of the old row); a row without a box gets a new one.
    // The box goes in before the connections come back.
    if (originalParent && newParent && (newParent == originalParent || !newParent->pertBar()) &&
        target->isSummarizable() && originalParent->GetSummarizableBarCount() == 1) {
        if (TPLXPertBar *box = originalParent->pertBar())
            AfterOp.push_back(std::make_unique<TPLXPertBarInsertOperation>(dataSource, box, newParent->getOrder()));
        else if (newParent != originalParent)
            AfterOp.push_back(std::make_unique<TPLXPertBarInsertOperation>(dataSource, newParent->getOrder(), -1, -1));
    }
    for (TPLXBarConnection *c : std::as_const(touching))
        AfterOp.push_back(std::make_unique<TPLXConnectionAddOperation>(dataSource, c));
}

TPLXBarMoveOperation::~TPLXBarMoveOperation() = default;

bool TPLXBarMoveOperation::raiseMoveEvents(int row, TDateTime start)
{
    if (!raiseBefore(FDataSource->getOnBeforeBarMove(), target))
        return false;
    bool allowed = true;
    if (FDataSource->getOnGanttBarMove())
        FDataSource->getOnGanttBarMove()(target, row, start, allowed);
    return allowed;
}

bool TPLXBarMoveOperation::perform()
{
    if (!target || !FDataSource || !originalParent || !newParent)
        return false;
    if (!raiseMoveEvents(newParent->getOrder(), newStartDate))
        return false;
    // Taking the connections out and putting them back would each refresh
    // the critical path; one refresh on the final plan gives the same result.
    std::optional<TPLXRefreshHold> hold(std::in_place, PLXTableOf(FDataSource), false);
    FBefore = target->getTimes();
    if (!PLXPerformAll(BeforeOp))
        return false;
    target->setPeriod(newStartDate, newStartDate + (target->getEndDate() - target->getStartDate()));
    newParent->AddBar(target);
    if (!PLXPerformAll(AfterOp)) {
        newParent->RemoveBar(target);
        target->setTimes(FBefore);
        PLXUndoAll(BeforeOp);
        return false;
    }
    PLXRefreshAfterBarChange(FDataSource);
    hold.reset(); // the handlers see the refreshed plan
    raiseAfter(FDataSource->getOnAfterBarMove(), target);
    return true;
}

bool TPLXBarMoveOperation::undo()
{
    if (!target || !FDataSource || !originalParent || !newParent)
        return false;
    if (!raiseMoveEvents(originalParent->getOrder(), originalStartDate))
        return false;
    std::optional<TPLXRefreshHold> hold(std::in_place, PLXTableOf(FDataSource), false);
    if (!PLXUndoAll(AfterOp))
        return false;
    newParent->RemoveBar(target);
    target->setPeriod(originalStartDate, originalStartDate + (target->getEndDate() - target->getStartDate()));
    // A derived end may have been stored before; restore the period exactly as it was held.
    target->setTimes(FBefore);
    if (!PLXUndoAll(BeforeOp))
        return false;
    PLXRefreshAfterBarChange(FDataSource);
    hold.reset(); // the handlers see the refreshed plan
    raiseAfter(FDataSource->getOnAfterBarMove(), target);
    return true;
}

// ------------------------------------------------------------ TPLXPertBarOperation

TPLXPertBarOperation::TPLXPertBarOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar, int index)
    : PertBar(pertBar)
    , Index(index)
    , DataSource(dataSource)
    , OriginalParent(pertBar ? pertBar->getParent() : nullptr)
{
}

namespace {

TPLXGanttRow *rowAt(TPLXGanttTable *table, int index)
{
    return table && index >= 0 && index < table->countRows() ? table->getRow(index) : nullptr;
}

} // namespace

bool TPLXPertBarOperation::DeletePertBar()
{
    TPLXGanttTable *table = PLXTableOf(DataSource);
    TPLXGanttRow *r = rowAt(table, Index);
    // Only this operation's box is taken out; another box in the row stays.
    if (!r || !PertBar || r->pertBar() != PertBar)
        return false;
    FZOrder = table->getZOrder(r);
    // The z-order lists the boxes on the chart; the place is kept for putting the box back.
    table->removeFromZOrder(r);
    r->removePertBar();
    // Back to where it came from: a row, or no parent at all for a box an
    // insert operation made (that operation owns it again then).
    PertBar->setParent(OriginalParent);
    OriginalParent = r;
    return true;
}

bool TPLXPertBarOperation::InsertPertBar()
{
    TPLXGanttTable *table = PLXTableOf(DataSource);
    TPLXGanttRow *r = rowAt(table, Index);
    if (!r || !PertBar || r->pertBar())
        return false;
    // A box still shown by its own row cannot be shown by a second one.
    if (auto *holder = dynamic_cast<TPLXGanttRow *>(PertBar->getParent()); holder && holder->pertBar() == PertBar)
        return false;
    OriginalParent = PertBar->getParent();
    r->setPertBar(PertBar);
    table->setZOrder(r, FZOrder);
    table->updateCriticalPath();
    table->UpdateSummaryBars();
    return true;
}

// ------------------------------------------------------------ TPLXPertBarInsertOperation

TPLXPertBarInsertOperation::TPLXPertBarInsertOperation(TPLXDataSourceIntf *dataSource, int row, int x, int y)
    : TPLXOperation(dataSource)
{
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!table)
        return;
    QPoint p;
    if (x < 0 || y < 0) {
        table->FindEmptyPertPlace(p);
        table->snapToGrid(p.x(), p.y(), p, true);
    } else {
        p = table->PertAbsToRel(x, y);
    }
    // Until a row holds it the new box has no parent and is this operation's.
    FOwnedBar = std::make_unique<TPLXPertBar>(p.x(), p.y(), table->defaultPertBarSettings());
    if (TPLXPertBarSection *main = FOwnedBar->mainSection())
        main->setText(QStringLiteral("Task ") + QString::number(row + 1));
    PertOp = std::make_unique<TPLXPertBarOperation>(dataSource, FOwnedBar.get(), row);
}

TPLXPertBarInsertOperation::TPLXPertBarInsertOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar, int row)
    : TPLXOperation(dataSource)
    , PertOp(std::make_unique<TPLXPertBarOperation>(dataSource, pertBar, row))
{
}

TPLXPertBarInsertOperation::~TPLXPertBarInsertOperation() = default;

namespace {

// Hands a loose object to `owner` and takes back a placed one: whoever is
// the parent frees it, and only a parentless object is the operation's.
template<typename T>
void settleOwnership(std::unique_ptr<T> &owner, T *object)
{
    if (!object)
        return;
    if (object->getParent()) {
        if (owner.get() == object)
            (void)owner.release();
    } else if (owner.get() != object) {
        owner.reset(object);
    }
}

} // namespace

bool TPLXPertBarInsertOperation::perform()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    TPLXGanttRow *r = PertOp ? rowAt(table, PertOp->getIndex()) : nullptr;
    if (!r)
        return false;
    if (!TaskBarOp && r->GetSummarizableBarCount() == 0) {
        // A box stands for the row's tasks: an empty row gets one task of one period.
        TPLXDocumentSetup *document = documentOf(FDataSource);
        const TDateTime start = document ? document->getStartDate() : 0;
        TPLXDocumentCalendar *calendar = document ? document->getCalendar() : nullptr;
        const TDateTime end = calendar ? calendar->Add(start, 1) : start + 1;
        FOwnedTaskBar = std::make_unique<TPLXTaskBar>(start, end, PertOp->getIndex());
        TaskBarOp = std::make_unique<TPLXBarInsertOperation>(FDataSource, FOwnedTaskBar.get(), PertOp->getIndex());
    }
    if (!PertOp->InsertPertBar())
        return false;
    settleOwnership(FOwnedBar, PertOp->getPertBar());
    if (TaskBarOp && !TaskBarOp->perform()) {
        PertOp->DeletePertBar();
        settleOwnership(FOwnedBar, PertOp->getPertBar());
        return false;
    }
    // A placed task bar is its row's from now on, also after undo.
    if (FOwnedTaskBar && FOwnedTaskBar->getParent())
        (void)FOwnedTaskBar.release();
    return true;
}

bool TPLXPertBarInsertOperation::undo()
{
    if (!PertOp)
        return false;
    if (TaskBarOp && !TaskBarOp->undo())
        return false;
    if (!PertOp->DeletePertBar()) {
        if (TaskBarOp)
            TaskBarOp->perform();
        return false;
    }
    settleOwnership(FOwnedBar, PertOp->getPertBar());
    return true;
}

// ------------------------------------------------------------ TPLXPertBarDeleteOperation

namespace {

// Deletes a document connection that is still listed when performed: an
// earlier part of the same step may already have taken it, and deleting it
// twice would put it back in the wrong place on undo.
class ListedConnectionDelete : public TPLXOperation
{
public:
    ListedConnectionDelete(TPLXDataSourceIntf *dataSource, TPLXBarConnection *c)
        : TPLXOperation(dataSource)
        , FOp(std::make_unique<TPLXConnectionDeleteOperation>(dataSource, c))
        , FConnection(c)
    {
    }
    bool perform() override
    {
        TPLXDocumentSetup *document = documentOf(FDataSource);
        FTaken = document && document->getConnectionIndex(FConnection) >= 0;
        return !FTaken || FOp->perform();
    }
    bool undo() override { return !FTaken || FOp->undo(); }
    QString className() const override { return QStringLiteral("TPLXConnectionDeleteOperation"); }

private:
    std::unique_ptr<TPLXConnectionDeleteOperation> FOp;
    TPLXBarConnection *FConnection;
    bool FTaken = false;
};

bool touchesRow(const TPLXBarConnection *c, const TPLXGanttRow *r)
{
    return (c->getFromBar() && c->getFromBar()->getParent() == r) ||
           (c->getToBar() && c->getToBar()->getParent() == r);
}

} // namespace

TPLXPertBarDeleteOperation::TPLXPertBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar)
    : TPLXOperation(dataSource)
{
    auto *r = pertBar ? dynamic_cast<TPLXGanttRow *>(pertBar->getParent()) : nullptr;
    // Only a row's own box; a loose end that merely hangs off a row deletes nothing.
    if (!r || r->pertBar() != pertBar)
        return;
    PertOp = std::make_unique<TPLXPertBarOperation>(dataSource, pertBar, r->getOrder());
    auto parts = std::make_unique<AllOrNothing>(dataSource);
    if (TPLXGanttTable *table = PLXTableOf(dataSource)) {
        for (TPLXBarConnection *c : table->pertConnections()) {
            if (touchesRow(c, r))
                parts->addOperation(std::make_unique<TPLXPertConnectionDeleteOperation>(dataSource, c));
        }
    }
    for (TPLXGanttBar *bar : r->bars()) {
        if (bar->isSummarizable())
            parts->addOperation(std::make_unique<TPLXBarRemoveOperation>(dataSource, bar));
    }
    if (TPLXDocumentSetup *document = documentOf(dataSource)) {
        for (int k = 0; k < document->countConnections(); ++k) {
            TPLXBarConnection *c = document->getConnection(k);
            if (touchesRow(c, r))
                parts->addOperation(std::make_unique<ListedConnectionDelete>(dataSource, c));
        }
    }
    if (!parts->empty())
        BarOp = std::move(parts);
}

TPLXPertBarDeleteOperation::~TPLXPertBarDeleteOperation() = default;

bool TPLXPertBarDeleteOperation::perform()
{
    if (!PertOp || !PertOp->DeletePertBar())
        return false;
    if (BarOp && !BarOp->perform()) {
        PertOp->InsertPertBar();
        return false;
    }
    return true;
}

bool TPLXPertBarDeleteOperation::undo()
{
    if (!PertOp)
        return false;
    if (BarOp && !BarOp->undo())
        return false;
    if (!PertOp->InsertPertBar()) {
        if (BarOp)
            BarOp->perform();
        return false;
    }
    return true;
}
