#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableWidget>

TPLXDocumentSummary summarizeDocument(const QString &storageName)
{
    TPLXDocumentSummary summary;
    summary.storageName = storageName.isEmpty() ? QStringLiteral("default") : storageName;
    TPLXRecordingScope recording;
    PLXMedia media = TPLXMediaFactory::CreateMedia(storageName);

    QStringList names;
    if (auto *ini = dynamic_cast<TPLXINIFIle *>(media.get()))
        names = ini->iniFile().sections();
    else if (dynamic_cast<TPLXDefaultMedia *>(media.get()))
        names = TPLXDefaultMedia::sectionNames();
    for (const QString &name : names) {
        const QString typeId = media->strValue(name, QStringLiteral("typeID"), QString());
        const QString status = typeId.isEmpty()                          ? QStringLiteral("no type id")
                               : TPLXEntityFactory::isRegistered(typeId) ? QStringLiteral("loaded")
                               : TPLXEntityFactory::typeIds().end()
                                       != std::find_if(TPLXEntityFactory::typeIds().begin(),
                                                       TPLXEntityFactory::typeIds().end(),
                                                       [&](const char *id) { return typeId == QLatin1String(id); })
                                   ? QStringLiteral("known, not built yet")
                                   : QStringLiteral("unknown type id");
        summary.sections.append({name, typeId, status});
    }

    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> root(factory.loadObject(QStringLiteral("root"), *media, nullptr));
    summary.messages = recording.recorder.messages;
    summary.logLines = recording.recorder.logLines;
    return summary;
}

TPLXPlannerWindow::TPLXPlannerWindow(const TPLXDocumentSummary &summary, QWidget *parent)
    : QMainWindow(parent)
    , FSections(new QTableWidget(static_cast<int>(summary.sections.size()), 3))
    , FMessages(new QPlainTextEdit)
{
    setWindowTitle(tr("Orvanta Planner - %1").arg(summary.storageName));
    FSections->setHorizontalHeaderLabels({tr("Section"), tr("Type id"), tr("Status")});
    for (int row = 0; row < summary.sections.size(); ++row)
        for (int col = 0; col < 3; ++col)
            FSections->setItem(row, col, new QTableWidgetItem(summary.sections[row].value(col)));
    FSections->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FSections->verticalHeader()->hide();
    FSections->setEditTriggers(QAbstractItemView::NoEditTriggers);

    FMessages->setReadOnly(true);
    FMessages->setPlainText((summary.messages + summary.logLines).join(QLatin1Char('\n')));

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(FSections);
    splitter->addWidget(FMessages);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    resize(900, 700);
}
