#include "plxPlannerShots.h"
#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace {

void settle(int ms = 400)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window as the screen shows it; the offscreen platform has no screen contents, so there it is drawn.
bool capture(QWidget *widget, const QString &path)
{
    QPixmap picture;
    if (QScreen *screen = widget->screen(); screen && QGuiApplication::platformName() != u"offscreen")
        picture = screen->grabWindow(widget->winId());
    if (picture.isNull())
        picture = widget->grab();
    return picture.save(path);
}

QDialog *visibleDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

} // namespace

QStringList takePlannerScreenshots(TPLXPlannerWindow &window, const QString &folder)
{
    QDir().mkpath(folder);
    QStringList written;
    const auto shoot = [&](QWidget *widget, const char *name) {
        const QString path = QDir(folder).filePath(QLatin1String(name));
        if (widget && capture(widget, path))
            written << path;
    };
    window.resize(1280, 620);
    window.show();
    settle();
    auto *tabs = window.findChild<QTabWidget *>();
    shoot(&window, "planner-gantt.png");
    tabs->setCurrentWidget(window.network());
    settle();
    shoot(&window, "planner-network.png");
    tabs->setCurrentWidget(window.chart());
    window.findChild<QAction *>(QStringLiteral("actionPrintPreview"))->trigger();
    settle(800);
    QDialog *preview = visibleDialog();
    shoot(preview, "planner-preview.png");
    if (preview)
        preview->hide();
    // The property form of the first task is modal: it is taken and closed from within its own loop.
    TPLXGanttTable *table = window.dataSource().GetTable();
    for (int r = 0; table && !table->getFocusedBar() && r < table->countRows(); ++r)
        if (TPLXGanttBar *bar = table->getRow(r)->GetBarCount() ? table->getRow(r)->GetBarInRow(0) : nullptr;
            bar && !table->getRow(r)->IsGroup())
            table->setFocusedBar(bar);
    QTimer::singleShot(800, &window, [&] {
        QWidget *form = QApplication::activeModalWidget();
        shoot(form, "planner-properties.png");
        if (auto *dialog = qobject_cast<QDialog *>(form))
            dialog->reject();
    });
    window.findChild<QAction *>(QStringLiteral("actionProperties"))->trigger();
    return written;
}
