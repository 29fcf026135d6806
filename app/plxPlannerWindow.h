// The planner's main window: the Gantt chart and the network of one data
// source as tabs, what the document holds, and the menus that open, save,
// print, edit and view it.
#pragma once

#include "plxPlannerDocument.h"

#include <orvanta/orvanta.h>

#include <QLocale>
#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class TPLXDataSource;
class TPLXGanttBar;
class TPLXGanttGraph;
class TPLXPertGraph;
class TPLXGanttObject;
class TPLXOperation;
class TQeLPrintPreview;

class TPLXPlannerWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What a file dialog is asked for.
    enum class FileQuestion { Open, SaveAs, ExportImage, ExportPdf, ImportProjectXml, ExportProjectXml };

    // Shows the built-in document.
    explicit TPLXPlannerWindow(QWidget *parent = nullptr);
    ~TPLXPlannerWindow() override;

    // Opens `storageName` (a storage name or an INI file's path) into a new
    // data source and shows it. A document that cannot be built is reported
    // and a cancelled open says nothing; either way the shown one stays.
    bool openDocument(const QString &storageName);
    // Saves into the INI file `path`, which names the document from then on.
    // False after a failure or a cancel, with the old file kept.
    bool saveDocument(const QString &path);
    // Asks whether to save unsaved changes first: false when the user cancels.
    bool maySafelyDiscard();
    // Whether the history moved since the document was opened or saved.
    bool isModified();

    TPLXDataSource &dataSource() const { return *FDataSource; }
    TPLXGanttGraph *chart() const { return FChart; }
    TPLXPertGraph *network() const { return FNetwork; }
    QLocale::Language language() const { return FLanguage; }
    // Loads the library's texts of `language` and retranslates the menus.
    void setLanguage(QLocale::Language language);
    QString text(const char *key) const;

protected:
    // The file a command works on, empty when the user cancels. Every file
    // dialog goes through here, so tests and scripts answer without one.
    virtual QString chooseFile(FileQuestion question, const QString &suggestion);
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addAction(QMenu *menu, const char *key, const char *name, void (TPLXPlannerWindow::*slot)(),
                       const QKeySequence &shortcut = {});
    void buildMenus();
    void retranslate();
    // Binds the tabs, the preview and the history to `next`, which the window takes.
    void bindDataSource(std::unique_ptr<TPLXDataSource> next, const TPLXDocumentSummary &summary);
    // Points the print preview at the chart of the tab that shows: the network, else the Gantt chart.
    void bindPreview();
    void showSummary(const TPLXDocumentSummary &summary);
    void historyMoved(bool newStep);
    void syncDepth();
    void updateState();
    void addRecentFile(const QString &path);
    void updateRecentMenu();

    // ---- menu commands
    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void fileExportImage();
    void fileImportProjectXml();
    void fileExportProjectXml();
    void filePageSetup();
    void filePrintPreview();
    void filePrint();
    void fileExportPdf();
    void editUndo();
    void editRedo();
    void editDelete();
    void editSelectAll();
    void editProperties();
    void editCalendar();
    void editObject(TPLXGanttObject *object);
    void viewZoomIn();
    void viewZoomOut();
    void viewToday();
    void viewCollapseAll();
    void viewExpandAll();
    void setTimeMode(int mode);
    void insertTaskBar();
    void insertMilestone();
    void insertTextBar();
    void insertImageBar();
    using BarMaker = std::function<std::unique_ptr<TPLXGanttBar>(TDateTime start, TDateTime end, int row)>;
    void insertBar(const BarMaker &make);
    void insertRow();
    void insertChildRow();
    int focusedRow() const;

    std::unique_ptr<TPLXDataSource> FDataSource;
    // The document's store: where it was opened from or last saved to, empty for the built-in one.
    QString FStorageName;
    QLocale::Language FLanguage = QLocale::English;
    TPLXGanttGraph *FChart = nullptr;
    TPLXPertGraph *FNetwork = nullptr;
    QTabWidget *FTabs = nullptr;
    QTableWidget *FSections = nullptr;
    QPlainTextEdit *FMessages = nullptr;
    QDialog *FPreviewWindow = nullptr;
    TQeLPrintPreview *FPreview = nullptr;
    QLabel *FNameLabel = nullptr;
    QLabel *FTaskLabel = nullptr;
    QLabel *FModifiedLabel = nullptr;
    QMenu *FRecentMenu = nullptr;
    QActionGroup *FTimeModes = nullptr;
    // Menus and actions by text key, for a change of language.
    std::map<QObject *, const char *> FTexts;
    QAction *FUndo = nullptr;
    QAction *FRedo = nullptr;
    // The history's depth at the last open or save; -1 once a new step
    // replaced what was undone past it.
    int FSavedDepth = 0;
    int FDepth = 0;
    // An undo or redo began; the change it reports is not a new step.
    bool FUndoRedoPending = false;
    bool FStatePosted = false;
};
