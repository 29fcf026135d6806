#include "qelPrintOptions.h"

#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTimeMode.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

const QString kDefaultSection = QStringLiteral("defaultsection");
// Multi-line values live on one INI line.
const QString kLineMarker = QStringLiteral("_NEXTLINESEPARATORCR_");
const QString kLineBreak = QStringLiteral("\r\n");

QString sectionOrDefault(const QString &section)
{
    return section.isEmpty() ? kDefaultSection : section;
}

QString joinLines(const QString &text)
{
    return QString(text).replace(kLineBreak, kLineMarker);
}

QString splitLines(const QString &text)
{
    return QString(text).replace(kLineMarker, kLineBreak);
}

TDateTime today()
{
    const QDate date = QDate::currentDate();
    return PLXEncodeDate(date.year(), date.month(), date.day());
}

// Pixels of a device to whole millimetres, ties to even.
int toMm(double pixels, double dpi)
{
    return dpi > 0 ? int(std::lrint(pixels * 25.4 / dpi)) : 0;
}

} // namespace

TQeLSerializable::~TQeLSerializable() = default;
TQeLSerializer::~TQeLSerializer() = default;

// ------------------------------------------------------------ TQeLIniSerializer

QString TQeLIniSerializer::resolveFileName(const QString &fileName)
{
    const QString name = fileName.isEmpty() ? QStringLiteral("drucken.ini") : fileName;
    if (name != QFileInfo(name).fileName())
        return name;
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(dir).filePath(name);
}

TQeLIniSerializer::TQeLIniSerializer(const QString &fileName)
    : FFileName(resolveFileName(fileName))
{
    try {
        FIni = std::make_unique<TPLXINIFIle>(FFileName);
    } catch (const EPLXError &error) {
        // Profiles are a convenience: printing goes on with the defaults.
        PLXShowMessage(error.message());
        FIni = std::make_unique<TPLXINIFIle>(TPLXIniDocument::fromBytes(QByteArray()));
    }
}

TQeLIniSerializer::~TQeLIniSerializer() = default;

void TQeLIniSerializer::Load(TQeLSerializable &object, const QString &section, TQeLSpecialProgramOptions variant)
{
    object.Read(*FIni, section, variant);
}

bool TQeLIniSerializer::flushed()
{
    try {
        FIni->flush();
        return true;
    } catch (const EPLXError &error) {
        PLXShowMessage(error.message());
        return false;
    }
}

bool TQeLIniSerializer::Store(TQeLSerializable &object, const QString &section)
{
    try {
        object.Write(*FIni, section);
    } catch (const EPLXError &error) {
        PLXShowMessage(error.message());
        return false;
    }
    return flushed();
}

bool TQeLIniSerializer::Delete(const QString &section)
{
    FIni->iniFile().eraseSection(section);
    return flushed();
}

QStringList TQeLIniSerializer::GetSections()
{
    QStringList sections = FIni->sectionNames();
    sections.removeIf([](const QString &name) { return name.compare(kDefaultSection, Qt::CaseInsensitive) == 0; });
    return sections;
}

QString QeLLastSettingsName()
{
    return QStringLiteral("Letzte Einstellungen");
}

QStringList QeLProfileNames(TQeLSerializer &serializer)
{
    return QStringList{QeLLastSettingsName()} + serializer.GetSections();
}

// --------------------------------------------------------- TQeLPageTitleOptions

TQeLPageTitleOptions::~TQeLPageTitleOptions() = default;

void TQeLPageTitleOptions::Read(TPLXINIFIle &ini, const QString &section, const QString &prefix)
{
    const auto key = [&prefix](const char *name) { return prefix + QLatin1Char('_') + QLatin1String(name); };
    QFont font(ini.strValue(section, key("font face"), QStringLiteral("Arial")));
    font.setBold(ini.boolValue(section, key("font style bold"), false));
    font.setItalic(ini.boolValue(section, key("font style italic"), false));
    font.setUnderline(ini.boolValue(section, key("font style underline"), false));
    font.setStrikeOut(ini.boolValue(section, key("font style strikeOut"), false));
    font.setPointSize(std::max(1, ini.intValue(section, key("font size"), 10)));
    FFont = font;
    FFontColor = ini.colorValue(section, key("font color"), 0);
    FContents = splitLines(ini.strValue(section, key("contents"), QString()));
    FBkColor = ini.colorValue(section, key("bk color"), 0xFFFFFF);
    FHAlign = ini.intValue(section, key("halign"), 0);
}

void TQeLPageTitleOptions::Write(TPLXINIFIle &ini, const QString &section, const QString &prefix) const
{
    const auto key = [&prefix](const char *name) { return prefix + QLatin1Char('_') + QLatin1String(name); };
    ini.setStrProperty(section, key("font face"), FFont.family());
    ini.setBoolProperty(section, key("font style bold"), FFont.bold());
    ini.setBoolProperty(section, key("font style italic"), FFont.italic());
    ini.setBoolProperty(section, key("font style underline"), FFont.underline());
    ini.setBoolProperty(section, key("font style strikeOut"), FFont.strikeOut());
    ini.setIntProperty(section, key("font size"), FFont.pointSize());
    ini.setColorProperty(section, key("font color"), FFontColor);
    ini.setStrProperty(section, key("contents"), joinLines(FContents));
    ini.setColorProperty(section, key("bk color"), FBkColor);
    ini.setIntProperty(section, key("halign"), FHAlign);
}

void TQeLHdrFtrBoxOptions::Read(TPLXINIFIle &ini, const QString &section, const QString &prefix)
{
    TQeLPageTitleOptions::Read(ini, section, prefix);
    const auto key = [&prefix](const char *name) { return prefix + QLatin1Char('_') + QLatin1String(name); };
    FIsImage = ini.boolValue(section, key("isImage"), false);
    FImageFile = ini.strValue(section, key("imageFile"), QString());
    FImageStyle = ini.intValue(section, key("imageStyle"), 1);
    FVAlign = TQeLVAlign(ini.intValueIn(section, key("valign"), taTopJustify, taTopJustify, taBottomJustify));
}

void TQeLHdrFtrBoxOptions::Write(TPLXINIFIle &ini, const QString &section, const QString &prefix) const
{
    TQeLPageTitleOptions::Write(ini, section, prefix);
    const auto key = [&prefix](const char *name) { return prefix + QLatin1Char('_') + QLatin1String(name); };
    ini.setBoolProperty(section, key("isImage"), FIsImage);
    ini.setStrProperty(section, key("imageFile"), FImageFile);
    ini.setIntProperty(section, key("imageStyle"), FImageStyle);
    ini.setIntProperty(section, key("valign"), FVAlign);
}

// ---------------------------------------------------------- TQeLPrinterMinimums

TQeLPrinterMinimums TQeLPrinterMinimums::of(const QPrinter &printer)
{
    // The printer's unprintable border is the layout's minimum margins; they
    // are measured in device pixels, as the printer reports its offsets.
    QPageLayout layout = printer.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(layout.minimumMargins());
    const int dpi = printer.resolution();
    const QMargins pixels = layout.marginsPixels(dpi);
    return {toMm(pixels.left(), dpi), toMm(pixels.right(), dpi), toMm(pixels.top(), dpi), toMm(pixels.bottom(), dpi)};
}

// ------------------------------------------------------------- TQeLPrintOptions

TQeLPrintOptions::TQeLPrintOptions()
    : FPageTitle(std::make_unique<TQeLPageTitleOptions>())
    , FStartDate(today())
    , FEndDate(FStartDate + 3.0)
{
    for (auto &box : FBoxes)
        box = std::make_unique<TQeLHdrFtrBoxOptions>();
}

TQeLPrintOptions::TQeLPrintOptions(const QString &fileName)
    : TQeLPrintOptions()
{
    TQeLIniSerializer serializer(fileName);
    serializer.Load(*this, QString(), poNone);
}

TQeLPrintOptions::~TQeLPrintOptions() = default;

void TQeLPrintOptions::SetPageSize(int width, int height)
{
    FPageWidth = width;
    change(FPageHeight, height);
}

void TQeLPrintOptions::SetZoom(double percent)
{
    change(FZoom, std::isfinite(percent) ? std::clamp(percent, kMinZoom, kMaxZoom) : 100.0);
}

void TQeLPrintOptions::SetManualZoom(double percent)
{
    change(FManualZoom, std::isfinite(percent) ? std::clamp(percent, kMinZoom, kMaxZoom) : 100.0);
}

void TQeLPrintOptions::setFit(bool &fit, bool &other, bool value)
{
    fit = value;
    if (value) {
        other = false;
        if (FOnChange)
            FOnChange();
    }
}

void TQeLPrintOptions::SetOnSetFitToPage(std::function<void()> callback)
{
    FOnChange = std::move(callback);
    if (FOnChange)
        FOnChange();
}

void TQeLPrintOptions::Read(TPLXINIFIle &ini, const QString &sectionName, TQeLSpecialProgramOptions variant)
{
    const QString s = sectionOrDefault(sectionName);
    const auto margin = [&](const char *name, int def) {
        return ini.intValue(s, QStringLiteral("Page Margins-") + QLatin1String(name), def);
    };
    FLeftMargin = margin("Left", 10);
    FRightMargin = margin("Right", 10);
    FTopMargin = margin("Top", 16);
    FBottomMargin = margin("Bottom", 10);
    FHeaderMargin = margin("Header", 10);
    FFooterMargin = margin("Footer", 13);
    FTitleMargin = margin("Title", 13);
    FPageOffsetX = margin("OffsetX", 0);
    FPageOffsetY = margin("OffsetY", 0);
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        FOrientation = QPrinter().pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    if (variant == poVariantA || variant == poVariantB) {
        FPrintTable = ini.boolValue(s, QStringLiteral("Optional prints-PrintTable"), true);
        FPrintGraph = ini.boolValue(s, QStringLiteral("Optional prints-PrintGraph"), true);
        FPrintLegend = ini.boolValue(s, QStringLiteral("Optional prints-PrintLegend"), FPrintLegend);
    }
    FZoom = ini.realValueIn(s, QStringLiteral("Zoom-Zoom"), 100.0, kMinZoom, kMaxZoom);
    FManualZoom = ini.realValueIn(s, QStringLiteral("Zoom-ManualZoom"), 100.0, kMinZoom, kMaxZoom);
    FFitToPage = ini.boolValue(s, QStringLiteral("Zoom-FitToPage"), true);
    FFitWeeks = ini.boolValue(s, QStringLiteral("Zoom-FitWeeks"), false) && !FFitToPage;
    FPageTitle->Read(ini, s, QStringLiteral("Page Title-title"));
    FTitleOnEachPage = ini.boolValue(s, QStringLiteral("Page Title-On each page"), false);
    FTitleShown = ini.boolValue(s, QStringLiteral("Page Title-Show"), true);
    FMonochrome = ini.boolValue(s, QStringLiteral("Monochrom"), false);
    FBorderColor = ini.colorValue(s, QStringLiteral("Page Setup-Border Color"), 0);
    FBorderSize = ini.intValue(s, QStringLiteral("Page Setup-Border Size"), 1);
    FBorderShown = ini.boolValue(s, QStringLiteral("Page Setup-Border Shown"), true);
    FBackgroundIsImage = ini.boolValue(s, QStringLiteral("Page Setup-Backgound is image"), false);
    FBackgroundFile = ini.strValue(s, QStringLiteral("Page Setup-Background file"), QString());
    FBackgroundColor = ini.colorValue(s, QStringLiteral("Page Setup-Background color"), 0xFFFFFF);
    FBackgroundStyle = ini.intValue(s, QStringLiteral("Page Setup-Background style"), 0);
    FPageBreak = ini.boolValue(s, QStringLiteral("Gantt options-Page break"), true);
    FColumnBreak = ini.boolValue(s, QStringLiteral("Gantt options-Column break"), true);
    FPrintBarText = ini.boolValue(s, QStringLiteral("Gantt options-PrintBarText"), true);
    for (int i = 0; i < 5; ++i)
        FBarText[i] = ini.boolValue(s,
                                    QStringLiteral("Gantt options-PrintBarText") +
                                        QLatin1String(std::array{"Left", "Right", "Top", "Bottom", "Center"}[i]),
                                    true);
    FTimeScaleUnder = ini.boolValue(s, QStringLiteral("Gantt options-PrintTimeScaleUnder"), false);
    FPrintConnections = ini.boolValue(s, QStringLiteral("Gantt options-PrintConnections"), true);
    if (variant != poVariantA) {
        FStartDate = ini.dateValue(s, QStringLiteral("Gantt options-StartDate"), today());
        FEndDate = ini.dateValue(s, QStringLiteral("Gantt options-EndDate"), today() + 3.0);
        FTimeRangeAuto = ini.boolValue(s, QStringLiteral("Gantt options-Time range auto"), true);
        PLXLog([this] {
            return QStringLiteral("loading FTimeRangeAuto : ") +
                   (FTimeRangeAuto ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        });
    }
    FLeftOffset = ini.intValue(s, QStringLiteral("Gantt options-Left offset"), 3);
    FRightOffset = ini.intValue(s, QStringLiteral("Gantt options-Right offset"), 3);
    const QString columns = splitLines(ini.strValue(s, QStringLiteral("Gantt options-Columns"), QString()));
    FColumns = columns.isEmpty() ? QStringList() : columns.split(kLineBreak);
    for (int i = 0; i < 6; ++i) {
        if (!FBoxes[i])
            FBoxes[i] = std::make_unique<TQeLHdrFtrBoxOptions>();
        FBoxes[i]->Read(ini, s, QStringLiteral("Header and Footer-box") + QString::number(i + 1));
    }
    FPreviewZoomFactor = 1.0;
}

void TQeLPrintOptions::Write(TPLXINIFIle &ini, const QString &sectionName)
{
    const QString s = sectionOrDefault(sectionName);
    const auto setInt = [&](const QString &key, int value) { ini.setIntProperty(s, key, value); };
    const auto setBool = [&](const QString &key, bool value) { ini.setBoolProperty(s, key, value); };
    setInt(QStringLiteral("Page Margins-Left"), FLeftMargin);
    setInt(QStringLiteral("Page Margins-Right"), FRightMargin);
    setInt(QStringLiteral("Page Margins-Top"), FTopMargin);
    setInt(QStringLiteral("Page Margins-Bottom"), FBottomMargin);
    setInt(QStringLiteral("Page Margins-Header"), FHeaderMargin);
    setInt(QStringLiteral("Page Margins-Footer"), FFooterMargin);
    setInt(QStringLiteral("Page Margins-Title"), FTitleMargin);
    setInt(QStringLiteral("Page Margins-OffsetX"), FPageOffsetX);
    setInt(QStringLiteral("Page Margins-OffsetY"), FPageOffsetY);
    setInt(QStringLiteral("Page Size-Code"), FPaperSizeCode);
    ini.setStrProperty(s, QStringLiteral("Page Size-printername"), FPrinterName);
    ini.setStrProperty(s, QStringLiteral("Page Size-paperformatname"), FPaperFormatName);
    setBool(QStringLiteral("Optional prints-PrintTable"), FPrintTable);
    setBool(QStringLiteral("Optional prints-PrintGraph"), FPrintGraph);
    setBool(QStringLiteral("Optional prints-PrintLegend"), FPrintLegend);
    ini.setRealProperty(s, QStringLiteral("Zoom-Zoom"), FZoom);
    ini.setRealProperty(s, QStringLiteral("Zoom-ManualZoom"), FManualZoom);
    setBool(QStringLiteral("Zoom-FitToPage"), FFitToPage);
    setBool(QStringLiteral("Zoom-FitWeeks"), FFitWeeks);
    setBool(QStringLiteral("Monochrom"), FMonochrome);
    FPageTitle->Write(ini, s, QStringLiteral("Page Title-title"));
    setBool(QStringLiteral("Page Title-On each page"), FTitleOnEachPage);
    setBool(QStringLiteral("Page Title-Show"), FTitleShown);
    ini.setColorProperty(s, QStringLiteral("Page Setup-Border Color"), FBorderColor);
    setInt(QStringLiteral("Page Setup-Border Size"), FBorderSize);
    setBool(QStringLiteral("Page Setup-Border Shown"), FBorderShown);
    setBool(QStringLiteral("Page Setup-Backgound is image"), FBackgroundIsImage);
    ini.setStrProperty(s, QStringLiteral("Page Setup-Background file"), FBackgroundFile);
    ini.setColorProperty(s, QStringLiteral("Page Setup-Background color"), FBackgroundColor);
    setInt(QStringLiteral("Page Setup-Background style"), FBackgroundStyle);
    setBool(QStringLiteral("Gantt options-Page break"), FPageBreak);
    setBool(QStringLiteral("Gantt options-Column break"), FColumnBreak);
    setBool(QStringLiteral("Gantt options-PrintBarText"), FPrintBarText);
    for (int i = 0; i < 5; ++i)
        setBool(QStringLiteral("Gantt options-PrintBarText") +
                    QLatin1String(std::array{"Left", "Right", "Top", "Bottom", "Center"}[i]),
                FBarText[i]);
    setBool(QStringLiteral("Gantt options-PrintTimeScaleUnder"), FTimeScaleUnder);
    setBool(QStringLiteral("Gantt options-PrintConnections"), FPrintConnections);
    for (int i = 0; i < 6; ++i)
        FBoxes[i]->Write(ini, s, QStringLiteral("Header and Footer-box") + QString::number(i + 1));
    ini.setRealProperty(s, QStringLiteral("Gantt options-StartDate"), FStartDate);
    ini.setRealProperty(s, QStringLiteral("Gantt options-EndDate"), FEndDate);
    setBool(QStringLiteral("Gantt options-Time range auto"), FTimeRangeAuto);
    setInt(QStringLiteral("Gantt options-Left offset"), FLeftOffset);
    setInt(QStringLiteral("Gantt options-Right offset"), FRightOffset);
    ini.setStrProperty(s, QStringLiteral("Gantt options-Columns"), joinLines(FColumns.join(kLineBreak)));
    ini.setRealProperty(s, QStringLiteral("Zoom-Preview Zoom Factor"), FPreviewZoomFactor);
}

void TQeLPrintOptions::Delete(TPLXINIFIle &ini, const QString &section)
{
    ini.iniFile().eraseSection(sectionOrDefault(section));
}

QRect TQeLPrintOptions::GetPrintableArea() const
{
    return QRect(QPoint(FLeftMargin, FTopMargin), QPoint(FPageWidth - FRightMargin, FPageHeight - FBottomMargin));
}

QString TQeLPrintOptions::CheckPrintOffsets(const TQeLPrinterMinimums &printer) const
{
    QString lines;
    const auto check = [&lines](int user, int minimum, const char *userText, const char *printerText) {
        if (minimum > user)
            lines += QLatin1String(userText) + QString::number(user) + QLatin1String(printerText) +
                     QString::number(minimum) + QStringLiteral(" mm\n\r");
    };
    check(FLeftMargin, printer.left, "User left margin : ", " mm <---> Printer left margin : ");
    check(FRightMargin, printer.right, "User right margin : ", " mm <---> Printer right margin : ");
    check(FHeaderMargin, printer.header, "User header margin : ", " mm <---> Printer top margin : ");
    check(FFooterMargin, printer.footer, "User footer margin : ", " mm <---> Printer botttom margin : ");
    if (lines.isEmpty())
        return lines;
    return QStringLiteral("Die folgenden Ränder sind kleiner als die Druckerränder:\n\r\n\r") + lines +
           QStringLiteral("\n\rWollen Sie die Ränder manuell korrigieren, sollen diese automatisch angepasst werden "
                          "oder soll der Ausdruck mit den unveränderten Rändern erfolgen ?");
}

void TQeLPrintOptions::FixPrintOffsets(const TQeLPrinterMinimums &printer)
{
    if (printer.left > FLeftMargin)
        FLeftMargin = printer.left;
    if (printer.right > FRightMargin)
        FRightMargin = std::min(printer.right, FPageWidth - FLeftMargin);
    if (printer.header > FHeaderMargin) {
        const int d = FTopMargin - FHeaderMargin;
        FHeaderMargin = printer.header;
        FTopMargin = printer.header + d;
    }
    if (printer.footer > FFooterMargin) {
        const int d = FBottomMargin - FFooterMargin;
        FFooterMargin = std::min(printer.footer, FPageHeight - FTopMargin - d);
        FBottomMargin = FFooterMargin + d;
    }
}
