// Every setting of a printout (margins, zoom, title, border and background,
// printed parts and dates, six header/footer boxes), kept as named profiles
// in an INI file, one section per profile.
#pragma once

#include "plxTypes.h"

#include <QFont>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QPrinter;
class TPLXINIFIle;
class TPLXIniDocument;

// The host variant: it decides which keys a read takes.
enum TQeLSpecialProgramOptions { poNone = 0, poVariantA = 1, poVariantB = 2 };

enum TQeLVAlign { taTopJustify = 0, taVCenter = 1, taBottomJustify = 2 };

// An object a serializer can store in a section of an INI file.
class ORVANTA_EXPORT TQeLSerializable
{
public:
    virtual ~TQeLSerializable();
    virtual void Read(TPLXINIFIle &ini, const QString &section, TQeLSpecialProgramOptions variant) = 0;
    virtual void Write(TPLXINIFIle &ini, const QString &section) = 0;
};

// Stores serializable objects under section names.
class ORVANTA_EXPORT TQeLSerializer
{
public:
    virtual ~TQeLSerializer();
    virtual void Load(TQeLSerializable &object, const QString &section, TQeLSpecialProgramOptions variant) = 0;
    // False, after one message naming the reason, when the file refuses the write.
    virtual bool Store(TQeLSerializable &object, const QString &section) = 0;
    virtual bool Delete(const QString &section) = 0;
    // The named profiles: every section except "defaultsection".
    virtual QStringList GetSections() = 0;
};

// A serializer over one INI file, open for the serializer's lifetime. Every
// store and delete is flushed to disk at once, through a temporary file.
class ORVANTA_EXPORT TQeLIniSerializer : public TQeLSerializer
{
public:
    // An empty name means "drucken.ini"; a bare file name lies beside the executable.
    explicit TQeLIniSerializer(const QString &fileName = QString());
    ~TQeLIniSerializer() override;

    void Load(TQeLSerializable &object, const QString &section, TQeLSpecialProgramOptions variant) override;
    bool Store(TQeLSerializable &object, const QString &section) override;
    bool Delete(const QString &section) override;
    QStringList GetSections() override;

    QString fileName() const { return FFileName; }
    static QString resolveFileName(const QString &fileName);

private:
    bool flushed();

    QString FFileName;
    std::unique_ptr<TPLXINIFIle> FIni;
};

// The profile list a print preview offers: the settings last used first.
ORVANTA_EXPORT QStringList QeLProfileNames(TQeLSerializer &serializer);
// The list entry that stands for "defaultsection".
ORVANTA_EXPORT QString QeLLastSettingsName();

// A page title: font, text, background and alignment, stored as keys
// "<prefix>_<name>".
class ORVANTA_EXPORT TQeLPageTitleOptions
{
public:
    virtual ~TQeLPageTitleOptions();
    virtual void Read(TPLXINIFIle &ini, const QString &section, const QString &prefix);
    virtual void Write(TPLXINIFIle &ini, const QString &section, const QString &prefix) const;

    const QFont &GetFont() const { return FFont; }
    void SetFont(const QFont &font) { FFont = font; }
    TColor GetFontColor() const { return FFontColor; }
    void SetFontColor(TColor color) { FFontColor = color; }
    // Lines separated by "\r\n".
    QString GetContents() const { return FContents; }
    void SetContents(const QString &contents) { FContents = contents; }
    TColor GetBkColor() const { return FBkColor; }
    void SetBkColor(TColor color) { FBkColor = color; }
    int GetHAlign() const { return FHAlign; }
    void SetHAlign(int align) { FHAlign = align; }

private:
    QFont FFont{QStringLiteral("Arial"), 10};
    TColor FFontColor = 0;
    QString FContents;
    TColor FBkColor = 0xFFFFFF;
    int FHAlign = 0;
};

// One of the six header and footer boxes: a title that may show an image instead.
class ORVANTA_EXPORT TQeLHdrFtrBoxOptions : public TQeLPageTitleOptions
{
public:
    void Read(TPLXINIFIle &ini, const QString &section, const QString &prefix) override;
    void Write(TPLXINIFIle &ini, const QString &section, const QString &prefix) const override;

    bool GetIsImage() const { return FIsImage; }
    void SetIsImage(bool value) { FIsImage = value; }
    QString GetImageFile() const { return FImageFile; }
    void SetImageFile(const QString &file) { FImageFile = file; }
    int GetImageStyle() const { return FImageStyle; }
    void SetImageStyle(int style) { FImageStyle = style; }
    TQeLVAlign GetVAlign() const { return FVAlign; }
    void SetVAlign(TQeLVAlign align) { FVAlign = align; }

private:
    bool FIsImage = false;
    QString FImageFile;
    int FImageStyle = 1;
    TQeLVAlign FVAlign = taTopJustify;
};

// Three boxes for the page header, then three for the footer.
using TQeLSixBoxes = std::array<std::unique_ptr<TQeLHdrFtrBoxOptions>, 6>;

// The margins a printer cannot print into, in millimetres.
struct ORVANTA_EXPORT TQeLPrinterMinimums
{
    int left = 0;
    int right = 0;
    int header = 0;
    int footer = 0;

    static TQeLPrinterMinimums of(const QPrinter &printer);
};

// The settings of one printout; lengths in millimetres, zoom in percent.
class ORVANTA_EXPORT TQeLPrintOptions : public TQeLSerializable
{
public:
    TQeLPrintOptions();
    // Filled from "defaultsection" of that profile file.
    explicit TQeLPrintOptions(const QString &fileName);
    ~TQeLPrintOptions() override;

    // An empty section name means "defaultsection".
    void Read(TPLXINIFIle &ini, const QString &section, TQeLSpecialProgramOptions variant) override;
    void Write(TPLXINIFIle &ini, const QString &section) override;
    static void Delete(TPLXINIFIle &ini, const QString &section);

    int GetLeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int value) { change(FLeftMargin, value); }
    int GetRightMargin() const { return FRightMargin; }
    void SetRightMargin(int value) { change(FRightMargin, value); }
    int GetTopMargin() const { return FTopMargin; }
    void SetTopMargin(int value) { change(FTopMargin, value); }
    int GetBottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int value) { change(FBottomMargin, value); }
    int GetHeaderMargin() const { return FHeaderMargin; }
    void SetHeaderMargin(int value) { change(FHeaderMargin, value); }
    int GetFooterMargin() const { return FFooterMargin; }
    void SetFooterMargin(int value) { change(FFooterMargin, value); }
    int GetTitleMargin() const { return FTitleMargin; }
    void SetTitleMargin(int value) { change(FTitleMargin, value); }
    int GetPageOffsetX() const { return FPageOffsetX; }
    void SetPageOffsetX(int value) { change(FPageOffsetX, value); }
    int GetPageOffsetY() const { return FPageOffsetY; }
    void SetPageOffsetY(int value) { change(FPageOffsetY, value); }
    int GetPageWidth() const { return FPageWidth; }
    int GetPageHeight() const { return FPageHeight; }
    void SetPageSize(int width, int height);

    bool GetPrintTable() const { return FPrintTable; }
    void SetPrintTable(bool value) { change(FPrintTable, value); }
    bool GetPrintGraph() const { return FPrintGraph; }
    void SetPrintGraph(bool value) { change(FPrintGraph, value); }
    bool GetPrintLegend() const { return FPrintLegend; }
    void SetPrintLegend(bool value) { change(FPrintLegend, value); }

    // Kept within kMinZoom..kMaxZoom percent.
    double GetZoom() const { return FZoom; }
    void SetZoom(double percent);
    double GetManualZoom() const { return FManualZoom; }
    void SetManualZoom(double percent);
    static constexpr double kMinZoom = 1.0;
    static constexpr double kMaxZoom = 1000.0;
    bool GetFitToPage() const { return FFitToPage; }
    // Fit to page and fit weeks exclude each other; only switching one on notifies.
    void SetFitToPage(bool value) { setFit(FFitToPage, FFitWeeks, value); }
    bool GetFitWeeks() const { return FFitWeeks; }
    void SetFitWeeks(bool value) { setFit(FFitWeeks, FFitToPage, value); }
    double GetPreviewZoomFactor() const { return FPreviewZoomFactor; }
    void SetPreviewZoomFactor(double factor) { FPreviewZoomFactor = factor; }

    TQeLPageTitleOptions &GetPageTitle() const { return *FPageTitle; }
    bool GetTitleOnEachPage() const { return FTitleOnEachPage; }
    void SetTitleOnEachPage(bool value) { change(FTitleOnEachPage, value); }
    bool GetTitleShown() const { return FTitleShown; }
    void SetTitleShown(bool value) { change(FTitleShown, value); }
    bool GetMonochrome() const { return FMonochrome; }
    void SetMonochrome(bool value) { FMonochrome = value; }

    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { change(FBorderColor, value); }
    int GetBorderSize() const { return FBorderSize; }
    void SetBorderSize(int value) { change(FBorderSize, value); }
    bool GetBorderShown() const { return FBorderShown; }
    void SetBorderShown(bool value) { change(FBorderShown, value); }
    bool GetBackgroundIsImage() const { return FBackgroundIsImage; }
    void SetBackgroundIsImage(bool value) { change(FBackgroundIsImage, value); }
    QString GetBackgroundFile() const { return FBackgroundFile; }
    void SetBackgroundFile(const QString &value) { change(FBackgroundFile, value); }
    TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { change(FBackgroundColor, value); }
    int GetBackgroundStyle() const { return FBackgroundStyle; }
    void SetBackgroundStyle(int value) { change(FBackgroundStyle, value); }

    bool GetPageBreak() const { return FPageBreak; }
    void SetPageBreak(bool value) { change(FPageBreak, value); }
    bool GetColumnBreak() const { return FColumnBreak; }
    void SetColumnBreak(bool value) { change(FColumnBreak, value); }
    bool GetPrintBarText() const { return FPrintBarText; }
    void SetPrintBarText(bool value) { change(FPrintBarText, value); }
    // Left, right, top, bottom, center.
    bool GetBarText(int position) const { return FBarText.at(position); }
    void SetBarText(int position, bool value) { change(FBarText.at(position), value); }
    bool GetTimeScaleUnder() const { return FTimeScaleUnder; }
    void SetTimeScaleUnder(bool value) { change(FTimeScaleUnder, value); }
    bool GetPrintConnections() const { return FPrintConnections; }
    void SetPrintConnections(bool value) { change(FPrintConnections, value); }

    TDateTime GetStartDate() const { return FStartDate; }
    void SetStartDate(TDateTime value) { change(FStartDate, value); }
    TDateTime GetEndDate() const { return FEndDate; }
    void SetEndDate(TDateTime value) { change(FEndDate, value); }
    bool GetTimeRangeAuto() const { return FTimeRangeAuto; }
    void SetTimeRangeAuto(bool value) { change(FTimeRangeAuto, value); }
    int GetLeftOffset() const { return FLeftOffset; }
    void SetLeftOffset(int value) { change(FLeftOffset, value); }
    int GetRightOffset() const { return FRightOffset; }
    void SetRightOffset(int value) { change(FRightOffset, value); }
    QStringList GetColumns() const { return FColumns; }
    void SetColumns(const QStringList &columns) { FColumns = columns; }

    // Boxes 0..2 head the page, 3..5 foot it.
    TQeLHdrFtrBoxOptions &GetBox(int index) const { return *FBoxes.at(index); }

    // 0 portrait, 1 landscape.
    int GetOrientation() const { return FOrientation; }
    void SetOrientation(int value) { FOrientation = value; }
    int GetPaperSizeCode() const { return FPaperSizeCode; }
    void SetPaperSizeCode(int value) { FPaperSizeCode = value; }
    QString GetPrinterName() const { return FPrinterName; }
    void SetPrinterName(const QString &value) { FPrinterName = value; }
    QString GetPaperFormatName() const { return FPaperFormatName; }
    void SetPaperFormatName(const QString &value) { FPaperFormatName = value; }

    // Called after every setting changes; assigning one calls it once at once.
    void SetOnSetFitToPage(std::function<void()> callback);

    // The page inside the margins, in millimetres.
    QRect GetPrintableArea() const;
    // The margins that lie inside the printer's unprintable border, as a
    // question to the user; empty when all of them fit.
    QString CheckPrintOffsets(const TQeLPrinterMinimums &printer) const;
    QString CheckPrintOffsets(const QPrinter &printer) const
    {
        return CheckPrintOffsets(TQeLPrinterMinimums::of(printer));
    }
    // Moves the margins out of the printer's unprintable border.
    void FixPrintOffsets(const TQeLPrinterMinimums &printer);
    void FixPrintOffsets(const QPrinter &printer) { FixPrintOffsets(TQeLPrinterMinimums::of(printer)); }

private:
    void setFit(bool &fit, bool &other, bool value);
    template<typename T>
    void change(T &field, const T &value)
    {
        field = value;
        if (FOnChange)
            FOnChange();
    }

    int FLeftMargin = 10;
    int FRightMargin = 10;
    int FTopMargin = 16;
    int FBottomMargin = 10;
    int FHeaderMargin = 10;
    int FFooterMargin = 13;
    int FTitleMargin = 13;
    int FPageOffsetX = 0;
    int FPageOffsetY = 0;
    int FPageWidth = 0;
    int FPageHeight = 0;
    bool FPrintTable = true;
    bool FPrintGraph = true;
    bool FPrintLegend = true;
    double FZoom = 100.0;
    double FManualZoom = 100.0;
    bool FFitToPage = true;
    bool FFitWeeks = false;
    double FPreviewZoomFactor = 1.0;
    std::unique_ptr<TQeLPageTitleOptions> FPageTitle;
    bool FTitleOnEachPage = false;
    bool FTitleShown = true;
    bool FMonochrome = false;
    TColor FBorderColor = 0;
    int FBorderSize = 1;
    bool FBorderShown = true;
    bool FBackgroundIsImage = false;
    QString FBackgroundFile;
    TColor FBackgroundColor = 0xFFFFFF;
    int FBackgroundStyle = 0;
    bool FPageBreak = true;
    bool FColumnBreak = true;
    bool FPrintBarText = true;
    std::array<bool, 5> FBarText{true, true, true, true, true};
    bool FTimeScaleUnder = false;
    bool FPrintConnections = true;
    TDateTime FStartDate = 0;
    TDateTime FEndDate = 0;
    bool FTimeRangeAuto = true;
    int FLeftOffset = 3;
    int FRightOffset = 3;
    QStringList FColumns;
    TQeLSixBoxes FBoxes;
    int FOrientation = 0;
    int FPaperSizeCode = 0;
    QString FPrinterName;
    QString FPaperFormatName;
    std::function<void()> FOnChange;
};
