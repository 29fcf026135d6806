#include "plxPlannerWindow.h"
#include "plxPlannerTexts.h"

#include <orvanta/orvanta.h>

#include <QActionGroup>
#include <QDate>
#include <QDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::pair<TPLXTimeMode, const char *> kTimeModes[] = {{tmHour, "tmHour"},       {tmDay, "tmDay"},
                                                                {tmWeek, "tmWeek"},       {tmMonth, "tmMonth"},
                                                                {tmQuarter, "tmQuarter"}, {tmYear, "tmYear"}};

constexpr std::pair<QLocale::Language, const char *> kLanguages[] = {{QLocale::German, "Deutsch"},
                                                                     {QLocale::English, "English"},
                                                                     {QLocale::French, "Français"}};

QLocale::Language systemLanguage()
{
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::German || language == QLocale::French ? language : QLocale::English;
}

} // namespace

TPLXPlannerWindow::TPLXPlannerWindow(QWidget *parent)
    : QMainWindow(parent)
    , FLanguage(systemLanguage())
    , FChart(new TPLXGanttGraph)
    , FTabs(new QTabWidget)
    , FSections(new QTableWidget(0, 3))
    , FMessages(new QPlainTextEdit)
    , FNameLabel(new QLabel)
    , FTaskLabel(new QLabel)
    , FModifiedLabel(new QLabel)
{
    FChart->setObjectName(QStringLiteral("chart"));
    FSections->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FSections->verticalHeader()->hide();
    FSections->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FMessages->setReadOnly(true);
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(FSections);
    splitter->addWidget(FMessages);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    // One preview, in its own window, serves the print commands.
    FPreviewWindow = new QDialog(this);
    FPreview = new TQeLPrintPreview(FPreviewWindow);
    auto *previewLayout = new QVBoxLayout(FPreviewWindow);
    previewLayout->addWidget(FPreview);
    FPreviewWindow->resize(1000, 760);

    FTabs->addTab(FChart, QString());
    FTabs->addTab(FNetwork = new TPLXPertGraph, QString());
    FTabs->addTab(splitter, QString());
    setCentralWidget(FTabs);
    statusBar()->addWidget(FNameLabel, 1);
    statusBar()->addPermanentWidget(FTaskLabel);
    statusBar()->addPermanentWidget(FModifiedLabel);

    buildMenus();
    auto source = std::make_unique<TPLXDataSource>();
    const TPLXDocumentSummary summary = summarizeDocument(*source, QString());
    bindDataSource(std::move(source), summary);
    setLanguage(FLanguage);
    resize(1240, 640);
}

TPLXPlannerWindow::~TPLXPlannerWindow()
{
    // The controls go before the data source they show.
    delete takeCentralWidget();
    delete FPreviewWindow;
}

QString TPLXPlannerWindow::text(const char *key) const
{
    return plannerText(key, FLanguage);
}

QAction *TPLXPlannerWindow::addAction(QMenu *menu, const char *key, const char *name,
                                      void (TPLXPlannerWindow::*slot)(), const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(QString(), this, slot);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    FTexts[action] = key;
    return action;
}

void TPLXPlannerWindow::buildMenus()
{
    auto menu = [this](const char *key, const char *name) {
        QMenu *m = menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        FTexts[m->menuAction()] = key;
        return m;
    };
    QMenu *file = menu("file", "menuFile");
    addAction(file, "new", "actionNew", &TPLXPlannerWindow::fileNew, QKeySequence::New);
    addAction(file, "open", "actionOpen", &TPLXPlannerWindow::fileOpen, QKeySequence::Open);
    FRecentMenu = file->addMenu(QString());
    FRecentMenu->setObjectName(QStringLiteral("menuRecent"));
    FTexts[FRecentMenu->menuAction()] = "recent";
    QAction *save = file->addAction(QString(), this, [this] { fileSave(); });
    save->setObjectName(QStringLiteral("actionSave"));
    save->setShortcut(QKeySequence::Save);
    FTexts[save] = "save";
    QAction *saveAs = file->addAction(QString(), this, [this] { fileSaveAs(); });
    saveAs->setObjectName(QStringLiteral("actionSaveAs"));
    saveAs->setShortcut(QKeySequence::SaveAs);
    FTexts[saveAs] = "saveAs";
    addAction(file, "exportImage", "actionExportImage", &TPLXPlannerWindow::fileExportImage);
    addAction(file, "importProjectXml", "actionImportProjectXml", &TPLXPlannerWindow::fileImportProjectXml);
    addAction(file, "exportProjectXml", "actionExportProjectXml", &TPLXPlannerWindow::fileExportProjectXml);
    file->addSeparator();
    addAction(file, "pageSetup", "actionPageSetup", &TPLXPlannerWindow::filePageSetup);
    addAction(file, "printPreview", "actionPrintPreview", &TPLXPlannerWindow::filePrintPreview);
    addAction(file, "print", "actionPrint", &TPLXPlannerWindow::filePrint, QKeySequence::Print);
    addAction(file, "exportPdf", "actionExportPdf", &TPLXPlannerWindow::fileExportPdf);
    file->addSeparator();
    QAction *quit = file->addAction(QString(), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence::Quit);
    FTexts[quit] = "quit";

    // The chart control takes Ctrl+Z, Ctrl+Y, Ctrl+A and Delete itself while it has the focus.
    QMenu *edit = menu("edit", "menuEdit");
    FUndo = addAction(edit, "undo", "actionUndo", &TPLXPlannerWindow::editUndo);
    FRedo = addAction(edit, "redo", "actionRedo", &TPLXPlannerWindow::editRedo);
    edit->addSeparator();
    addAction(edit, "delete", "actionDelete", &TPLXPlannerWindow::editDelete);
    addAction(edit, "selectAll", "actionSelectAll", &TPLXPlannerWindow::editSelectAll);
    edit->addSeparator();
    addAction(edit, "properties", "actionProperties", &TPLXPlannerWindow::editProperties);
    addAction(edit, "calendar", "actionCalendar", &TPLXPlannerWindow::editCalendar);

    QMenu *view = menu("view", "menuView");
    QMenu *modes = view->addMenu(QString());
    FTexts[modes->menuAction()] = "timeMode";
    FTimeModes = new QActionGroup(this);
    for (const auto &[mode, key] : kTimeModes) {
        QAction *action = modes->addAction(QString(), this, [this, mode] { setTimeMode(mode); });
        action->setObjectName(QLatin1String("action_") + QLatin1String(key));
        action->setCheckable(true);
        action->setData(int(mode));
        FTimeModes->addAction(action);
        FTexts[action] = key;
    }
    addAction(view, "zoomIn", "actionZoomIn", &TPLXPlannerWindow::viewZoomIn, QKeySequence::ZoomIn);
    addAction(view, "zoomOut", "actionZoomOut", &TPLXPlannerWindow::viewZoomOut, QKeySequence::ZoomOut);
    addAction(view, "today", "actionToday", &TPLXPlannerWindow::viewToday);
    view->addSeparator();
    addAction(view, "collapseAll", "actionCollapseAll", &TPLXPlannerWindow::viewCollapseAll);
    addAction(view, "expandAll", "actionExpandAll", &TPLXPlannerWindow::viewExpandAll);
    view->addSeparator();
    QMenu *languages = view->addMenu(QString());
    FTexts[languages->menuAction()] = "language";
    auto *languageGroup = new QActionGroup(this);
    for (const auto &[language, name] : kLanguages) {
        // Each language is named in itself, so it needs no translation.
        QAction *action =
            languages->addAction(QString::fromUtf8(name), this, [this, language] { setLanguage(language); });
        action->setObjectName(QLatin1String("action_") + QLocale::languageToCode(language));
        action->setCheckable(true);
        action->setChecked(language == FLanguage);
        languageGroup->addAction(action);
    }

    QMenu *insert = menu("insert", "menuInsert");
    addAction(insert, "taskBar", "actionInsertTaskBar", &TPLXPlannerWindow::insertTaskBar);
    addAction(insert, "milestone", "actionInsertMilestone", &TPLXPlannerWindow::insertMilestone);
    addAction(insert, "textBar", "actionInsertTextBar", &TPLXPlannerWindow::insertTextBar);
    addAction(insert, "imageBar", "actionInsertImageBar", &TPLXPlannerWindow::insertImageBar);
    insert->addSeparator();
    addAction(insert, "row", "actionInsertRow", &TPLXPlannerWindow::insertRow);
    addAction(insert, "childRow", "actionInsertChildRow", &TPLXPlannerWindow::insertChildRow);
    updateRecentMenu();
}

void TPLXPlannerWindow::setLanguage(QLocale::Language language)
{
    FLanguage = language;
    loadLibraryTexts(language);
    retranslate();
    FChart->update();
}

void TPLXPlannerWindow::retranslate()
{
    for (const auto &[object, key] : FTexts)
        static_cast<QAction *>(object)->setText(text(key));
    FTabs->setTabText(0, text("tabChart"));
    FTabs->setTabText(1, text("tabNetwork"));
    FTabs->setTabText(2, text("tabDocument"));
    FPreviewWindow->setWindowTitle(text("printPreview").remove(QLatin1Char('&')).remove(QLatin1String("...")));
    FSections->setHorizontalHeaderLabels({tr("Section"), tr("Type id"), tr("Status")});
    updateState();
}

void TPLXPlannerWindow::bindDataSource(std::unique_ptr<TPLXDataSource> next, const TPLXDocumentSummary &summary)
{
    // The new data source came with the German texts; the window's language stays.
    loadLibraryTexts(FLanguage);
    std::unique_ptr<TPLXDataSource> previous = std::move(FDataSource);
    FDataSource = std::move(next);
    FChart->setDataSource(FDataSource.get());
    FNetwork->setDataSource(FDataSource.get());
    bindPreview();
    previous.reset();

    TPLXDataSource *source = FDataSource.get();
    connect(source, &TPLXDataSource::undone, this, [this] { FUndoRedoPending = true; });
    connect(source, &TPLXDataSource::redone, this, [this] { FUndoRedoPending = true; });
    connect(source, &TPLXDataSource::changed, this, [this] { historyMoved(!std::exchange(FUndoRedoPending, false)); });
    FUndoRedoPending = false;
    FDepth = FSavedDepth = source->getUndoRedoStack().GetUndoOperationCount();
    showSummary(summary);
    updateState();
}

void TPLXPlannerWindow::bindPreview()
{
    if (FTabs->currentWidget() == FNetwork)
        FPreview->setPertGraph(FNetwork);
    else
        FPreview->setGanttGraph(FChart);
}

void TPLXPlannerWindow::showSummary(const TPLXDocumentSummary &summary)
{
    FSections->setRowCount(static_cast<int>(summary.sections.size()));
    for (int row = 0; row < summary.sections.size(); ++row)
        for (int col = 0; col < 3; ++col)
            FSections->setItem(row, col, new QTableWidgetItem(summary.sections[row].value(col)));
    // Loading logs every message it shows, and those it holds back.
    FMessages->setPlainText(summary.logLines.join(QLatin1Char('\n')));
}

void TPLXPlannerWindow::historyMoved(bool newStep)
{
    // A new step below the saved depth drops the redo steps that led back to the saved state.
    if (newStep && FDepth < FSavedDepth)
        FSavedDepth = -1;
    // The stack reports a new step before it records it; an undo or redo after.
    if (!newStep)
        syncDepth();
    if (!std::exchange(FStatePosted, true))
        QMetaObject::invokeMethod(
            this,
            [this] {
                FStatePosted = false;
                updateState();
            },
            Qt::QueuedConnection);
}

void TPLXPlannerWindow::syncDepth()
{
    const TPLXUndoRedoStack &stack = FDataSource->getUndoRedoStack();
    if (!stack.isGrouping())
        FDepth = stack.GetUndoOperationCount();
}

bool TPLXPlannerWindow::isModified()
{
    syncDepth();
    return FDepth != FSavedDepth;
}

void TPLXPlannerWindow::updateState()
{
    if (!FDataSource)
        return;
    const bool modified = isModified();
    const QString name =
        FStorageName.isEmpty() ? text("untitled") : QFileInfo(TPLXMediaFactory::GetPath(FStorageName)).fileName();
    FNameLabel->setText(name);
    int tasks = 0;
    if (TPLXGanttTable *table = FDataSource->GetTable())
        for (TPLXGanttRow *row : table->rows())
            tasks += row->countBarsOfKind<TPLXTaskBar>();
    FTaskLabel->setText(text("tasks").arg(tasks));
    FModifiedLabel->setText(modified ? text("modified") : QString());
    setWindowTitle(QStringLiteral("%1%2 - Orvanta Planner").arg(name, modified ? QStringLiteral("*") : QString()));

    const TPLXUndoRedoStack &stack = FDataSource->getUndoRedoStack();
    TPLXOperation *undo = stack.topUndoOperation();
    TPLXOperation *redo = stack.topRedoOperation();
    // An operation the text table names is shown in the window's language.
    const auto named = [this](const TPLXOperation *op) { return text(op->displayName().toLatin1().constData()); };
    FUndo->setText(undo ? text("undoNamed").arg(named(undo)) : text("undo"));
    FUndo->setEnabled(undo != nullptr);
    FRedo->setText(redo ? text("redoNamed").arg(named(redo)) : text("redo"));
    FRedo->setEnabled(redo != nullptr);
    if (TPLXDocumentCalendar *calendar = FDataSource->GetCalendar())
        for (QAction *action : FTimeModes->actions())
            action->setChecked(action->data().toInt() == int(calendar->getTimeMode()));
}
