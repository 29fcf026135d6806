// The geometry of the PERT (network) chart: boxes placed freely on a pixel
// grid beside the task tree, their drag outline and the printable extent.
#pragma once

#include "plxGanttView.h"

class ORVANTA_EXPORT TPLXPertView : public TPLXGanttView
{
public:
    bool GetIsGantt() const override { return false; }
    // Printing puts the legend under the network.
    void Draw(TPLXVisualContext &vc, bool printing) override;
    TPLXGanttObject *locateDraggingObject(int x, int y) override;
    // Pixels: x from the first column's left edge, y from the top; no row.
    TPLXColRow getColRow(int x, int y, bool flag = false) override;
    // A box's outline is its drawn rectangle; halo entities outline as in the Gantt chart.
    void showOutline(TPLXGanttObject *object) override;
    // A box may go anywhere on the network, but not beyond its top or left edge.
    bool acceptOutline() override;
    // Moves the outlined box where its outline is, through the undo stack; the result is always null.
    std::unique_ptr<TPLXOperation> hideOutlineAndMove() override;
    TRect GetPrintRange() override;

    // The right edge of the rightmost box, 0 without boxes.
    int PertWidth();
    // The bottom of the lowest box, at least the table's height.
    int PertHeight();
};
