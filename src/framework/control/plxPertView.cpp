#include "plxPertView.h"
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxLegend.h"
#include "plxPertBar.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <algorithm>

namespace {

// The drawn rectangle of every box of the table, off screen ones included.
template<typename Visit>
void forEachBoxRect(TPLXGanttTable *table, Visit visit)
{
    if (!table)
        return;
    for (int i = 0, n = table->countRows(); i < n; ++i)
        if (TPLXPertBar *box = table->getRow(i)->pertBar())
            if (TPLXPertBarPertDrawer *drawer = box->pertDrawer())
                visit(drawer->getRect());
}

} // namespace

void TPLXPertView::Draw(TPLXVisualContext &vc, bool printing)
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return;
    if (TPLXDrawer *drawer = doc->getDrawer(vtPertGraph))
        drawer->Draw(vc);
    TPLXLegend *legend = doc->GetLegend();
    if (printing && doc->getPrintLegend() && legend && legend->drawer()) {
        const int top = PertHeight();
        legend->drawer()->SetLayout({doc->getColStartX(0), top, GetPrintRange().Right, top + legend->GetHeight()});
        legend->drawer()->Draw(vc);
    }
    rememberVisualContext(vc);
}

TPLXGanttObject *TPLXPertView::locateDraggingObject(int x, int y)
{
    TPLXGanttDocument *doc = document();
    TPLXDrawer *drawer = doc ? doc->getDrawer(vtPertGraph) : nullptr;
    return drawer ? drawer->locateObject(x, y) : nullptr;
}

TPLXColRow TPLXPertView::getColRow(int x, int y, bool)
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return {};
    return {double(x - doc->getColStartX(0)), y, 0};
}

void TPLXPertView::showOutline(TPLXGanttObject *object)
{
    auto *box = dynamic_cast<TPLXPertBar *>(object);
    if (!box || !getLastVC() || !box->pertDrawer()) {
        TPLXGanttView::showOutline(dynamic_cast<TPLXHaloEntity *>(object));
        return;
    }
    const TRect r = box->pertDrawer()->getRect();
    startOutline(object,
                 {r.Left - shiftOutline, r.Top - shiftOutline, r.Right + shiftOutline, r.Bottom + shiftOutline});
}

bool TPLXPertView::acceptOutline()
{
    TPLXGanttTable *t = table();
    if (!dynamic_cast<TPLXPertBar *>(getOutlinedObject()) || !t)
        return true;
    const TPLXColRow c = getColRow(outlineRect().Left + shiftOutline, outlineRect().Top + shiftOutline);
    return c.x + t->getPertStartX() >= 0 && c.y + t->getPertStartY() >= 0;
}

std::unique_ptr<TPLXOperation> TPLXPertView::hideOutlineAndMove()
{
    auto *box = dynamic_cast<TPLXPertBar *>(getOutlinedObject());
    if (!box || !getLastVC()) {
        hideOutline();
        return nullptr;
    }
    const bool accepted = acceptOutline();
    const TPLXColRow c = getColRow(outlineRect().Left + 3, outlineRect().Top + 3);
    hideOutline();
    if (accepted && getDataSource())
        if (std::unique_ptr<TPLXOperation> move = box->moveTo(c.x, c.y))
            getDataSource()->getUndoRedoStack().doOperation(std::move(move));
    return nullptr;
}

int TPLXPertView::PertWidth()
{
    int right = 0;
    forEachBoxRect(table(), [&right](const TRect &r) { right = std::max(right, r.Right); });
    return right;
}

int TPLXPertView::PertHeight()
{
    TPLXGanttTable *t = table();
    int bottom = t ? t->getTableHeight() : 0;
    forEachBoxRect(t, [&bottom](const TRect &r) { bottom = std::max(bottom, r.Bottom); });
    return bottom;
}

TRect TPLXPertView::GetPrintRange()
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return {};
    TRect r;
    r.Left = doc->getTreeWidth() >= 1 ? doc->getVerticalResizePaneSize() : 0;
    r.Right = PertWidth();
    r.Bottom = PertHeight();
    TPLXLegend *legend = doc->GetLegend();
    if (legend && doc->getPrintLegend()) {
        r.Right = std::max(r.Right, legend->GetMinWidth());
        if (doc->getPrintLegendUnder())
            r.Bottom = PLXSaturatePixel(qint64(r.Bottom) + legend->GetHeight());
        else
            r.Right = PLXSaturatePixel(qint64(r.Right) + legend->GetMinWidth());
    }
    return r;
}
