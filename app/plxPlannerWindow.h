// The planner's main window: the chart of a document, and what the document
// holds and what loading it reported.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class QPlainTextEdit;
class QTableWidget;
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

// Draws the document's chart (table, bars, connections) for `width` pixels.
// Both renderers raise EPLXError for a picture too large to make.
QImage renderChart(TPLXDataSource &dataSource, int width);
// Draws the document's network chart (PERT boxes and their connections) as large as it is.
QImage renderNetwork(TPLXDataSource &dataSource);

class TPLXPlannerWindow : public QMainWindow
{
    Q_OBJECT

public:
    TPLXPlannerWindow(const TPLXDocumentSummary &summary, const QImage &chart, const QImage &network,
                      QWidget *parent = nullptr);

private:
    QTableWidget *FSections;
    QPlainTextEdit *FMessages;
};
