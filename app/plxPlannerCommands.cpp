// The Edit, View and Insert commands of the planner's window.
#include "plxPlannerCalendar.h"
#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QDate>

#include <algorithm>

namespace {

// The time modes the zoom walks through, finest first.
constexpr TPLXTimeMode kZoomSteps[] = {tmHour, tmDay, tmWeek, tmMonth, tmQuarter, tmYear};

} // namespace

// ------------------------------------------------------------------ Edit

void TPLXPlannerWindow::editUndo()
{
    FChart->PostActiveEditor();
    FDataSource->getUndoRedoStack().undo();
}

void TPLXPlannerWindow::editRedo()
{
    FChart->PostActiveEditor();
    FDataSource->getUndoRedoStack().redo();
}

void TPLXPlannerWindow::editDelete()
{
    TPLXGanttTable *table = FDataSource->GetTable();
    TPLXTreeGrid *tree = FDataSource->GetTree();
    if (TPLXGanttBar *bar = table ? table->getFocusedBar() : nullptr) {
        table->unFocusBar();
        FDataSource->BarDelete(bar);
    } else if (auto *connection = dynamic_cast<TPLXBarConnection *>(FChart->getPointedObject())) {
        FDataSource->ConnectionDelete(connection);
    } else if (tree && tree->getSelectedRowsCount() > 0) {
        FDataSource->deleteSelected();
    } else if (const int row = focusedRow(); row > 0) {
        FDataSource->RowDelete(row);
    }
}

void TPLXPlannerWindow::editSelectAll()
{
    if (TPLXTreeGrid *tree = FDataSource->GetTree()) {
        tree->selectAll();
        FChart->Paint();
    }
}

void TPLXPlannerWindow::editProperties()
{
    // What the user last worked on: the focused bar, the connection under the
    // mouse, the focused row, else the document itself.
    TPLXGanttTable *table = FDataSource->GetTable();
    TPLXGanttObject *object = table ? table->getFocusedBar() : nullptr;
    if (!object)
        object = dynamic_cast<TPLXBarConnection *>(FChart->getPointedObject());
    if (!object && table && focusedRow() >= 0)
        object = table->getRow(focusedRow());
    editObject(object ? object : FDataSource->root());
}

void TPLXPlannerWindow::editCalendar()
{
    TPLXGanttDocument *document = FDataSource->root();
    if (!document || !FDataSource->GetCalendar())
        return;
    FChart->PostActiveEditor();
    auto session = std::make_unique<TPLXCalendarEditOperation>(FDataSource.get());
    if (!session->isEditable()) {
        PLXShowMessage(text("calendarDamaged"));
        return;
    }
    TPLXCalendarDialog dialog(*session, document->getStartDate(), FLanguage, this);
    // The whole session is one undo step; the step refreshes the critical path.
    if (dialog.exec() == QDialog::Accepted && session->finish())
        FChart->handleOperation(std::move(session));
    else
        session->cancel();
    FChart->Paint();
}

void TPLXPlannerWindow::editObject(TPLXGanttObject *object)
{
    if (!object)
        return;
    FChart->PostActiveEditor();
    TPLXGanttObjectEditor editor;
    editor.SetController(FChart);
    // The form's edits, nested forms included, come back as one undo step.
    FChart->handleOperation(editor.edit(object));
    FChart->Paint();
}

int TPLXPlannerWindow::focusedRow() const
{
    TPLXTreeGrid *tree = FDataSource->GetTree();
    TPLXTreeRow *row = tree ? tree->getFocusedRow() : nullptr;
    return row ? row->getIndex() : -1;
}

// ------------------------------------------------------------------ View

void TPLXPlannerWindow::setTimeMode(int mode)
{
    if (TPLXDocumentCalendar *calendar = FDataSource->GetCalendar()) {
        calendar->SetTimeMode(static_cast<TPLXTimeMode>(mode));
        FChart->updateScrollers();
        FChart->Paint();
    }
    updateState();
}

void TPLXPlannerWindow::viewZoomIn()
{
    TPLXDocumentCalendar *calendar = FDataSource->GetCalendar();
    const auto *step = calendar ? std::find(std::begin(kZoomSteps), std::end(kZoomSteps), calendar->getTimeMode())
                                : std::end(kZoomSteps);
    if (step != std::end(kZoomSteps) && step != std::begin(kZoomSteps))
        setTimeMode(*(step - 1));
}

void TPLXPlannerWindow::viewZoomOut()
{
    TPLXDocumentCalendar *calendar = FDataSource->GetCalendar();
    const auto *step = calendar ? std::find(std::begin(kZoomSteps), std::end(kZoomSteps), calendar->getTimeMode())
                                : std::end(kZoomSteps);
    if (step != std::end(kZoomSteps) && step + 1 != std::end(kZoomSteps))
        setTimeMode(*(step + 1));
}

void TPLXPlannerWindow::viewToday()
{
    if (TPLXGanttDocument *document = FDataSource->root()) {
        const QDate today = QDate::currentDate();
        document->setStartDate(PLXEncodeDate(today.year(), today.month(), today.day()));
        FChart->updateScrollers();
        FChart->Paint();
    }
}

void TPLXPlannerWindow::viewCollapseAll()
{
    if (TPLXTreeGrid *tree = FDataSource->GetTree()) {
        FChart->BeginUpdate();
        for (int i = tree->rowsCount() - 1; i >= 0; --i)
            if (tree->childrenCount(i) > 0)
                tree->collapse(i);
        FChart->EndUpdate();
    }
}

void TPLXPlannerWindow::viewExpandAll()
{
    if (TPLXTreeGrid *tree = FDataSource->GetTree()) {
        FChart->BeginUpdate();
        for (int i = 0; i < tree->rowsCount(); ++i)
            tree->expand(i);
        FChart->EndUpdate();
    }
}

// ---------------------------------------------------------------- Insert

namespace {

// A bar of kind `Bar` from `start` to `end` in `row`.
template<typename Bar>
std::unique_ptr<TPLXGanttBar> makeBar(TDateTime start, TDateTime end, int row)
{
    return std::make_unique<Bar>(start, end, row);
}

} // namespace

void TPLXPlannerWindow::insertTaskBar()
{
    insertBar(makeBar<TPLXTaskBar>);
}

void TPLXPlannerWindow::insertMilestone()
{
    insertBar(makeBar<TPLXMilestoneBar>);
}

void TPLXPlannerWindow::insertTextBar()
{
    insertBar([this](TDateTime start, TDateTime end, int row) -> std::unique_ptr<TPLXGanttBar> {
        auto bar = std::make_unique<TPLXTextBar>(start, end, row);
        bar->setText(text("textBar").remove(QLatin1Char('&')));
        return bar;
    });
}

void TPLXPlannerWindow::insertImageBar()
{
    insertBar(makeBar<TPLXImageBar>);
}

void TPLXPlannerWindow::insertBar(const BarMaker &make)
{
    const int row = focusedRow();
    TPLXGanttTable *table = FDataSource->GetTable();
    TPLXDocumentCalendar *calendar = FDataSource->GetCalendar();
    if (row < 0 || !table || !calendar || row >= table->countRows()) {
        PLXShowMessage(text("noRow"));
        return;
    }
    // At the start of the row's first bar, else where the chart begins; one period long.
    TPLXGanttRow *ganttRow = table->getRow(row);
    const TDateTime start =
        ganttRow->GetBarCount() > 0 ? ganttRow->FindFirstStartDate() : FDataSource->root()->getStartDate();
    std::unique_ptr<TPLXGanttBar> bar = make(start, calendar->Add(start, 1), row);
    if (FDataSource->BarAdd(bar.get(), row)) {
        table->setFocusedBar(bar.release());
        FChart->Paint();
    }
}

void TPLXPlannerWindow::insertRow()
{
    const int row = focusedRow();
    TPLXTreeGrid *tree = FDataSource->GetTree();
    if (row < 0 || !tree) {
        FDataSource->RowAppend();
        return;
    }
    // A sibling above the focused row, under the same parent.
    TPLXTreeNode *node = tree->findNodeByIndex(row);
    // The new row takes the focus, so that a child row can follow it.
    if (FDataSource->RowInsert(row, node ? node->GetParentIndex() : -1))
        tree->focus(row);
}

void TPLXPlannerWindow::insertChildRow()
{
    const int row = focusedRow();
    TPLXTreeGrid *tree = FDataSource->GetTree();
    if (row < 0 || !tree)
        PLXShowMessage(text("noRow"));
    else if (FDataSource->RowChildInsert(row))
        tree->focus(row + tree->DescendantsCount(row));
}
