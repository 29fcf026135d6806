// The planner's main window: shows what a document holds and what loading it reported.
#pragma once

#include <QMainWindow>
#include <QStringList>

class QPlainTextEdit;
class QTableWidget;

struct TPLXDocumentSummary
{
    QString storageName;
    // One row per section: name, type id, and whether this build loads that kind.
    QList<QStringList> sections;
    QStringList messages;
    QStringList logLines;
};

// Reads the document through its store and loads it from "root" with the
// entity factory, recording every message instead of showing it.
TPLXDocumentSummary summarizeDocument(const QString &storageName);

class TPLXPlannerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TPLXPlannerWindow(const TPLXDocumentSummary &summary, QWidget *parent = nullptr);

private:
    QTableWidget *FSections;
    QPlainTextEdit *FMessages;
};
