// orvanta-planner: opens a chart document (or the built-in one) and shows
// it, or renders it to pictures and PDF and exits.
#include "plxPlannerShots.h"
#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTextStream>

#include <cstdio>

namespace {

// What a command-line argument names: a storage name as it stands, else a file.
QString storageNameFor(const QString &argument)
{
    if (argument.isEmpty() || argument.contains(QLatin1String("://")) || argument == QLatin1String("default"))
        return argument;
    return QStringLiteral("file://") + QFileInfo(argument).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QApplication::setApplicationName(QStringLiteral("orvanta-planner"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvanta Planner"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvanta-planner")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Opens a chart document and shows it."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("document"),
                                 QStringLiteral(
                                     "An INI document or a storage name; the built-in document when absent."));
    const QCommandLineOption render(QStringLiteral("render"), QStringLiteral("Render the chart to <png> and exit."),
                                    QStringLiteral("png"));
    parser.addOption(render);
    const QCommandLineOption renderNet(QStringLiteral("render-network"),
                                       QStringLiteral("Render the network chart to <png> and exit."),
                                       QStringLiteral("png"));
    parser.addOption(renderNet);
    const QCommandLineOption pdf(QStringList{QStringLiteral("export-pdf"), QStringLiteral("pdf")},
                                 QStringLiteral("Print the chart into <pdf> with the last used page setup and exit."),
                                 QStringLiteral("pdf"));
    parser.addOption(pdf);
    const QCommandLineOption shots(QStringLiteral("screenshots"),
                                   QStringLiteral("Show the window, save pictures of its tabs, the print preview "
                                                  "and the property form into <folder> and exit."),
                                   QStringLiteral("folder"));
    parser.addOption(shots);
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString storageName = storageNameFor(args.value(0));
    // Opening a document makes its directory current, so resolve the output first.
    const QString png = parser.isSet(render) ? QFileInfo(parser.value(render)).absoluteFilePath() : QString();
    const QString networkPng =
        parser.isSet(renderNet) ? QFileInfo(parser.value(renderNet)).absoluteFilePath() : QString();
    const QString pdfFile = parser.isSet(pdf) ? QFileInfo(parser.value(pdf)).absoluteFilePath() : QString();
    if (png.isEmpty() && networkPng.isEmpty() && pdfFile.isEmpty()) {
        TPLXPlannerWindow window;
        if (!args.isEmpty())
            window.openDocument(storageName);
        if (parser.isSet(shots)) {
            const QStringList written = takePlannerScreenshots(window, parser.value(shots));
            QTextStream(stdout) << written.join(QLatin1Char('\n')) << '\n';
            return written.size() == 4 ? 0 : 1;
        }
        window.show();
        return app.exec();
    }

    TPLXDocumentSummary summary;
    TPLXRecordingScope quiet; // load problems are listed in the window, not shown one by one
    TPLXDataSource dataSource;
    QImage network;
    try {
        summary = summarizeDocument(dataSource, storageName);
        if (!networkPng.isEmpty())
            network = renderNetwork(dataSource);
    } catch (const EPLXError &error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    }

    QTextStream out(stdout);
    out << "Document: " << summary.storageName << '\n';
    for (const QStringList &row : summary.sections)
        out << "  [" << row.value(0) << "] " << row.value(1) << " (" << row.value(2) << ")\n";
    for (const QString &message : summary.messages)
        out << "  ! " << message << '\n';
    out.flush();

    // Headless: the chart as the control exports it, the network as drawn.
    if (!png.isEmpty()) {
        if (!saveChart(dataSource, png, 1200)) {
            for (const QString &line : quiet.recorder().messages())
                std::fprintf(stderr, "%s\n", qPrintable(line));
            std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
            return 1;
        }
        out << png << '\n';
    }
    if (!networkPng.isEmpty()) {
        if (network.isNull() || !network.save(networkPng)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(networkPng));
            return 1;
        }
        out << networkPng << '\n';
    }
    if (!pdfFile.isEmpty()) {
        TQeLPrintPreview preview;
        preview.setDataSource(&dataSource);
        if (!preview.ExportPdf(pdfFile)) {
            for (const QString &line : quiet.recorder().messages())
                std::fprintf(stderr, "%s\n", qPrintable(line));
            std::fprintf(stderr, "cannot write %s\n", qPrintable(pdfFile));
            return 1;
        }
        out << pdfFile << '\n';
    }
    return 0;
}
