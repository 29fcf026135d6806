// A small chart for the bar, row and table tests: a test document with a
// weekend calendar and a table of rows.
#pragma once

#include "plxCanvasFixture.h"
#include "plxDocumentCalendar.h"
#include "plxGanttTable.h"
#include "plxTaskBar.h"
#include "plxTestSupport.h"
#include "plxTextualHalo.h"

namespace plxtest {

// A document root with a day-mode weekend calendar, a table whose rows are
// `rowHeight` high, the chart starting at x = colStartX and y = tableStartY.
struct Chart
{
    TPLXTestDocument doc;
    TPLXDocumentCalendar *calendar = nullptr;
    TPLXGanttTable *table = nullptr;

    explicit Chart(int rows = 4, int rowHeight = 30, int columnWidth = 20)
    {
        auto cal = std::make_unique<TPLXDocumentCalendar>();
        cal->AddPredefinedCategories();
        cal->setParent(&doc);
        calendar = cal.release();
        auto t = std::make_unique<TPLXGanttTable>();
        t->setParent(&doc);
        table = t.release();
        table->SetColumnWidth(columnWidth);
        table->setDefaultRowheight(rowHeight);
        doc.calendar = calendar;
        doc.table = table;
        doc.startDate = kMonday;
        doc.endDate = kMonday + 365;
        doc.colStartX = 100;
        doc.tableStartY = 10;
        for (int i = 0; i < rows; ++i)
            table->appendRow();
    }

    // A task bar placed into row `row` (the row becomes its parent and owner).
    TPLXTaskBar *task(int row, double start, double end)
    {
        auto bar = std::make_unique<TPLXTaskBar>(start, end, row);
        table->getRow(row)->AddBar(bar.get());
        return bar.release();
    }
};

} // namespace plxtest
