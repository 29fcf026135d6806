// What the planner reads from a document and how it draws one without a
// window: the list of its sections, the chart and network pictures.
#pragma once

#include <QImage>
#include <QList>
#include <QStringList>

class TPLXDataSource;

struct TPLXDocumentSummary
{
    QString storageName;
    // One row per section: name, type id, and whether this build loads that kind.
    QList<QStringList> sections;
    QStringList messages;
    QStringList logLines;
};

// Opens the document in `dataSource` and lists its sections, recording the
// load's messages and log lines instead of showing them.
TPLXDocumentSummary summarizeDocument(TPLXDataSource &dataSource, const QString &storageName);

// Saves every row of the document's chart, from its start date for as many
// periods as `width` pixels hold, the way the chart control exports it; the
// file's suffix picks the format (bmp, jpg, svg, else png). False after a
// failure, which the control has reported.
bool saveChart(TPLXDataSource &dataSource, const QString &path, int width);
// Draws the document's network chart (PERT boxes and their connections) as
// large as it is; raises EPLXError for a picture too large to make.
QImage renderNetwork(TPLXDataSource &dataSource);
