// The style settings records: what loading gives with every key and with
// none, what a record made at run time holds, that saving writes the keys in
// their order and reads back the same, Assign, and the default document.
#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTextSettings.h"
#include "plxTreeSettings.h"
#include "plxVisualGoodie.h"

#include <QtTest>

namespace {

using Expected = QVariantMap;

template<typename T>
std::unique_ptr<TPLXGanttObject> make()
{
    return std::make_unique<T>();
}

// Every record kind of this unit by its type id, as run-time editing creates it.
const QMap<QString, std::unique_ptr<TPLXGanttObject> (*)()> kMakers{
    {"Task Bar Settings", make<TPLXTaskBarSettings>},       {"Progress Bar Settings", make<TPLXProgressBarSettings>},
    {"Image Bar Settings", make<TPLXImageBarSettings>},     {"Pert Bar Settings", make<TPLXPertBarSettings>},
    {"Connection Settings", make<TPLXConnectionSettings>},  {"Tree Row Settings", make<TPLXTreeRowSettings>},
    {"Tree Column Settings", make<TPLXTreeColSettings>},    {"Textual Halo Settings", make<TPLXTextHaloSettings>},
    {"Visual Goodie", make<TPLXVisualGoodie>},              {"Text Settings", make<TPLXTextSettings>},
};

// The keys each kind writes after "typeID", in their order.
QStringList keyOrder(const QString &typeId)
{
    static const QMap<QString, QStringList> orders{
        {"Task Bar Settings",
         {"border thickness", "bar height", "border color", "bar color", "progress color", "goodie"}},
        {"Progress Bar Settings", {"bar height", "bar color", "border color"}},
        {"Image Bar Settings", {"border thickness", "bar height", "border color", "bar color"}},
        {"Pert Bar Settings",
         {"border thickness", "height", "width", "border color", "background color",
          "background summary color", "progress bar color", "progress bar finished color"}},
        {"Connection Settings", {"show connections", "colorSS", "colorSF", "colorFS", "colorFF", "colorHighLighted"}},
        {"Tree Row Settings", {"fontColor", "fontName", "fontSize", "backgroundColor", "group color", "auto height"}},
        {"Tree Column Settings", {"alignHorizontal", "alignVertical", "width"}},
        {"Textual Halo Settings",
         {"PrintTextLeft", "PrintTextRight", "PrintTextTop", "PrintTextBottom", "PrintTextCenter"}},
        {"Visual Goodie",
         {"draw style", "gradient fill start color", "gradient fill end color", "solid fill color",
          "pattern color", "start glyph transparent color", "end glyph transparent color",
          "gradient fill horizontal", "patterm fill style"}},
        {"Text Settings",
         {"fontColor", "fontName", "fontSize", "fontBold", "fontItalic", "backgroundColor",
          "alignHorizontal", "alignVertical", "transparent"}},
    };
    return orders.value(typeId);
}

// A section with every key of the kind set to something other than its default.
QByteArray everyKey(const QString &typeId)
{
    static const QMap<QString, QByteArray> sections{
        {"Task Bar Settings", "border thickness=3\nbar height=20\nborder color=clRed\nbar color=$00123456\n"
                              "progress color=clLime\ngoodie=G\n[G]\ntypeID=Visual Goodie\ndraw style=2\n"
                              "patterm fill style=4\n"},
        {"Progress Bar Settings", "bar height=5\nbar color=clRed\nborder color=clBlue\n"},
        {"Image Bar Settings", "border thickness=1\nbar height=12.5\nborder color=clRed\nbar color=255\n"},
        {"Pert Bar Settings", "border thickness=4\nheight=50\nwidth=120\nborder color=clRed\n"
                              "background color=clLime\nbackground summary color=clAqua\n"
                              "progress bar color=clNavy\nprogress bar finished color=clTeal\n"},
        {"Connection Settings", "show connections=0\ncolorSS=clRed\ncolorSF=clLime\ncolorFS=clBlue\n"
                                "colorFF=clYellow\ncolorHighLighted=clNavy\n"},
        {"Tree Row Settings", "fontColor=clRed\nfontName=Courier\nfontSize=12\nbackgroundColor=clSilver\n"
                              "group color=$00112233\nauto height=1\n"},
        {"Tree Column Settings", "alignHorizontal=1\nalignVertical=0\nwidth=150\n"},
        {"Textual Halo Settings", "PrintTextLeft=0\nPrintTextRight=0\nPrintTextTop=0\nPrintTextBottom=0\n"
                                  "PrintTextCenter=0\n"},
        {"Visual Goodie", "draw style=1\ngradient fill start color=clRed\ngradient fill end color=clLime\n"
                          "solid fill color=clYellow\npattern color=clNavy\nstart glyph transparent color=clWhite\n"
                          "end glyph transparent color=clGray\ngradient fill horizontal=0\npatterm fill style=2\n"},
        {"Text Settings", "fontColor=clRed\nfontName=Courier\nfontSize=14\nfontBold=1\nfontItalic=1\n"
                          "backgroundColor=clYellow\nalignHorizontal=2\nalignVertical=1\ntransparent=1\n"},
    };
    return "[S]\ntypeID=" + typeId.toUtf8() + "\n" + sections.value(typeId);
}

Expected everyKeyValues(const QString &typeId)
{
    static const QMap<QString, Expected> values{
        {"Task Bar Settings",
         {{"BorderThickness", 3}, {"Height", 20}, {"BorderColor", clRed}, {"Color", 0x123456},
          {"ProgressColor", clLime}, {"VisualGoodie.drawStyle", 2}, {"VisualGoodie.brushStyle", 4}}},
        {"Progress Bar Settings", {{"Height", 5}, {"Color", clRed}, {"BorderColor", clBlue}}},
        {"Image Bar Settings", {{"borderThickness", 1}, {"height", 12.5}, {"borderColor", clRed}, {"color", clRed}}},
        {"Pert Bar Settings",
         {{"BorderThickness", 4}, {"Height", 50}, {"Width", 120}, {"BorderColor", clRed}, {"BackGroundColor", clLime},
          {"BackgroundSummaryColor", clAqua}, {"ProgressBarColor", clNavy}, {"ProgressBarFinishedColor", clTeal}}},
        {"Connection Settings",
         {{"ShowConnections", false}, {"ColorSS", clRed}, {"ColorSF", clLime}, {"ColorFS", clBlue},
          {"ColorFF", clYellow}, {"ColorHighlighted", clNavy}}},
        {"Tree Row Settings",
         {{"FontColor", clRed}, {"Font.family", "Courier"}, {"Font.pointSize", 12}, {"Color", clSilver},
          {"GroupColor", 0x112233}, {"AutoHeight", true}}},
        {"Tree Column Settings", {{"HAlign", 1}, {"VAlign", 0}, {"Width", 150}}},
        {"Textual Halo Settings",
         {{"PrintTextLeft", false}, {"PrintTextRight", false}, {"PrintTextTop", false}, {"PrintTextBottom", false},
          {"PrintTextCenter", false}}},
        {"Visual Goodie",
         {{"drawStyle", 1}, {"GFStartColor", clRed}, {"GFEndColor", clLime}, {"SFColor", clYellow},
          {"patternColor", clNavy}, {"startGlyphTranspColor", clWhite}, {"endGlyphTranspColor", clGray},
          {"GFHorizontal", false}, {"brushStyle", 2}}},
        {"Text Settings",
         {{"FontColor", clRed}, {"Font.family", "Courier"}, {"Font.pointSize", 14}, {"Font.bold", true},
          {"Font.italic", true}, {"Color", clYellow}, {"HAlign", 2}, {"VAlign", 1}, {"Transparent", true}}},
    };
    return values.value(typeId);
}

// What a section holding only its type id loads as.
Expected loadDefaults(const QString &typeId)
{
    static const QMap<QString, Expected> values{
        {"Task Bar Settings",
         {{"BorderThickness", 2}, {"Height", 18}, {"BorderColor", clBlack}, {"Color", clBlue},
          {"ProgressColor", clYellow}, {"VisualGoodie", "null"}}},
        {"Progress Bar Settings", {{"Height", 8}, {"Color", clGreen}, {"BorderColor", clBlack}}},
        {"Image Bar Settings", {{"borderThickness", 0}, {"height", 0.0}, {"borderColor", clBlack}, {"color", clBlack}}},
        {"Pert Bar Settings",
         {{"BorderThickness", 2}, {"Height", 100}, {"Width", 200}, {"BorderColor", clBlack},
          {"BackGroundColor", clWhite}, {"BackgroundSummaryColor", clYellow}, {"ProgressBarColor", clRed},
          {"ProgressBarFinishedColor", clGreen}}},
        {"Connection Settings",
         {{"ShowConnections", true}, {"ColorSS", clBlack}, {"ColorSF", clBlack}, {"ColorFS", clBlack},
          {"ColorFF", clBlack}, {"ColorHighlighted", clRed}}},
        {"Tree Row Settings",
         {{"FontColor", clBlack}, {"Font.family", "Arial"}, {"Font.pointSize", 10}, {"Color", 0xEFDAC5},
          {"GroupColor", 0xFFBAB5}, {"AutoHeight", false}}},
        {"Tree Column Settings", {{"HAlign", 0}, {"VAlign", 2}, {"Width", 200}}},
        {"Textual Halo Settings",
         {{"PrintTextLeft", true}, {"PrintTextRight", true}, {"PrintTextTop", true}, {"PrintTextBottom", true},
          {"PrintTextCenter", true}}},
        {"Visual Goodie",
         {{"drawStyle", 0}, {"GFStartColor", clBlue}, {"GFEndColor", clPurple}, {"SFColor", clBlue},
          {"patternColor", clBlue}, {"startGlyphTranspColor", 0}, {"endGlyphTranspColor", 0},
          {"GFHorizontal", true}, {"brushStyle", 7}}},
        {"Text Settings",
         {{"FontColor", clBlack}, {"Font.family", "Arial"}, {"Font.pointSize", 10}, {"Font.bold", false},
          {"Font.italic", false}, {"Color", clWhite}, {"HAlign", 0}, {"VAlign", 0}, {"Transparent", false}}},
    };
    return values.value(typeId);
}

// What the constructor gives.
Expected createdValues(const QString &typeId)
{
    static const QMap<QString, Expected> values{
        {"Task Bar Settings",
         {{"BorderThickness", 0}, {"Height", 0}, {"BorderColor", 0}, {"Color", 0}, {"ProgressColor", 0},
          {"VisualGoodie.drawStyle", 0}, {"VisualGoodie.SFColor", clBlue}}},
        {"Progress Bar Settings", {{"Height", 8}, {"Color", clGreen}, {"BorderColor", clBlack}}},
        {"Image Bar Settings",
         {{"borderThickness", 0}, {"height", 0.0}, {"borderColor", 0}, {"color", 0}, {"imagefile", QString()}}},
        {"Pert Bar Settings",
         {{"BorderThickness", 0}, {"Height", 0}, {"Width", 0}, {"BorderColor", 0}, {"BackGroundColor", 0},
          {"BackgroundSummaryColor", 0}, {"ProgressBarColor", 0}, {"ProgressBarFinishedColor", 0}}},
        {"Connection Settings",
         {{"ShowConnections", false}, {"ColorSS", 0}, {"ColorSF", 0}, {"ColorFS", 0}, {"ColorFF", 0},
          {"ColorHighlighted", 0}}},
        {"Tree Row Settings", {{"Color", 0}, {"GroupColor", 0}, {"AutoHeight", false}}},
        {"Tree Column Settings", {{"HAlign", 0}, {"VAlign", 0}, {"Width", 0}}},
        {"Textual Halo Settings",
         {{"PrintTextLeft", false}, {"PrintTextRight", false}, {"PrintTextTop", false}, {"PrintTextBottom", false},
          {"PrintTextCenter", false}}},
        {"Visual Goodie",
         {{"drawStyle", 0}, {"GFStartColor", clBlue}, {"GFEndColor", clPurple}, {"SFColor", clBlue},
          {"patternColor", clBlue}, {"GFHorizontal", true}, {"brushStyle", 7}}},
        {"Text Settings",
         {{"FontColor", clBlack}, {"Font.family", "Arial"}, {"Font.pointSize", 9}, {"Font.bold", false},
          {"Font.italic", false}, {"Color", 0}, {"HAlign", 0}, {"VAlign", 0}, {"Transparent", false}}},
    };
    return values.value(typeId);
}

QVariant readPath(const TPLXGanttObject *object, const QString &path)
{
    const int dot = path.indexOf('.');
    if (dot < 0)
        return object->property(path.toLatin1().constData());
    const QString head = path.left(dot);
    const QString tail = path.mid(dot + 1);
    if (head == "Font") {
        const QFont font = object->property("Font").value<QFont>();
        if (tail == "family")
            return font.family();
        if (tail == "pointSize")
            return font.pointSize();
        if (tail == "bold")
            return font.bold();
        if (tail == "italic")
            return font.italic();
        return QVariant();
    }
    const QVariant child = object->property(head.toLatin1().constData());
    const auto *goodie = child.value<TPLXVisualGoodie *>();
    return goodie ? readPath(goodie, tail) : QVariant(QStringLiteral("null"));
}

void checkValues(const TPLXGanttObject *object, const Expected &expected)
{
    QVERIFY(object != nullptr);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVariant actual = readPath(object, it.key());
        if (it.value() == QVariant(QStringLiteral("null"))) {
            QVERIFY2(actual.value<TPLXVisualGoodie *>() == nullptr, qPrintable(it.key()));
            continue;
        }
        QVERIFY2(actual.isValid(), qPrintable("no property " + it.key()));
        QVERIFY2(actual == it.value(),
                 qPrintable(QStringLiteral("%1: %2 instead of %3").arg(it.key(), actual.toString(), it.value().toString())));
    }
}

// Loads section "S" of `media` as a top-level entity.
std::unique_ptr<TPLXGanttObject> loadSection(IPLXMedia &media, const QString &section = QStringLiteral("S"))
{
    TPLXEntityFactory factory;
    return std::unique_ptr<TPLXGanttObject>(factory.loadObject(section, media, nullptr));
}

TPLXIniDocument &iniOf(const PLXMedia &media)
{
    return dynamic_cast<TPLXINIFIle &>(*media).iniFile();
}


} // namespace

class tst_plxStyleSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { PLXSetDecimalSeparator(QChar('.')); }

    void loadsEveryKey_data()
    {
        QTest::addColumn<QString>("typeId");
        for (const QString &kind : kMakers.keys())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void loadsEveryKey()
    {
        QFETCH(QString, typeId);
        PLXMedia media = plxMediaFromText(everyKey(typeId));
        const auto record = loadSection(*media);
        checkValues(record.get(), everyKeyValues(typeId));
    }

    void missingKeysGiveTheLoadDefaults_data() { loadsEveryKey_data(); }
    void missingKeysGiveTheLoadDefaults()
    {
        QFETCH(QString, typeId);
        TPLXRecordingScope recording; // the task bar logs its missing goodie
        PLXMedia media = plxMediaFromText("[S]\ntypeID=" + typeId.toUtf8() + "\n");
        const auto record = loadSection(*media);
        checkValues(record.get(), loadDefaults(typeId));
        QVERIFY(recording.recorder.messages.isEmpty());
    }

    void createdRecordsHoldTheConstructorValues_data() { loadsEveryKey_data(); }
    void createdRecordsHoldTheConstructorValues()
    {
        QFETCH(QString, typeId);
        const auto record = kMakers.value(typeId)();
        checkValues(record.get(), createdValues(typeId));
        QVERIFY(record->Create() != nullptr);
        QCOMPARE(record->Create()->metaObject(), record->metaObject());
    }

    void saveWritesTheKeysInOrderAndReadsBackTheSame_data() { loadsEveryKey_data(); }
    void saveWritesTheKeysInOrderAndReadsBackTheSame()
    {
        QFETCH(QString, typeId);
        PLXMedia source = plxMediaFromText(everyKey(typeId));
        const auto loaded = loadSection(*source);
        QVERIFY(loaded != nullptr);

        // Save, load the saved text, save again: both saves agree key by key.
        PLXMedia first = plxMediaFromText(QByteArray());
        TPLXEntityFactory factory;
        loaded->doSave("S", *first, factory);
        QCOMPARE(iniOf(first).keys(u"S"), QStringList{"typeID"} + keyOrder(typeId));
        QCOMPARE(first->strValue("S", "typeID", QString()), typeId);

        const auto reloaded = loadSection(*first);
        checkValues(reloaded.get(), everyKeyValues(typeId));
        PLXMedia second = plxMediaFromText(QByteArray());
        reloaded->doSave("S", *second, factory);
        for (const QString &section : iniOf(first).sections()) {
            QCOMPARE(iniOf(second).keys(section), iniOf(first).keys(section));
            for (const QString &key : iniOf(first).keys(section))
                QCOMPARE(second->strValue(section, key, "?"), first->strValue(section, key, "!"));
        }
        QCOMPARE(iniOf(second).sections(), iniOf(first).sections());
    }

    void colourTextFormsAsStored()
    {
        // Colour-text keys are written as names or "$" texts through the string setter.
        TPLXTextSettings text;
        text.setFontColor(0x00123456);
        text.SetColor(clWhite);
        PLXMedia media = plxMediaFromText(QByteArray());
        TPLXEntityFactory factory;
        text.doSave("T", *media, factory);
        QCOMPARE(media->strValue("T", "fontColor", ""), QString("$00123456"));
        QCOMPARE(media->strValue("T", "backgroundColor", ""), QString("clWhite"));

        TPLXImageBarSettings image;
        image.doSave("I", *media, factory);
        QCOMPARE(media->strValue("I", "border color", ""), QString("clBlack"));
        QCOMPARE(media->strValue("I", "bar height", ""), QString("0"));
    }

    void misspeltPatternKeyIsTheOnlyOneRead()
    {
        PLXMedia media = plxMediaFromText("[S]\ntypeID=Visual Goodie\npattern fill style=2\n"
                                          "[T]\ntypeID=Visual Goodie\npatterm fill style=2\n");
        QCOMPARE(loadSection(*media, "S")->property("brushStyle").toInt(), int(bsDiagCross));
        QCOMPARE(loadSection(*media, "T")->property("brushStyle").toInt(), int(bsHorizontal));
    }

    void boldItalicSurviveButUnderlineDoesNot()
    {
        TPLXTextSettings text;
        TPLXFont font;
        font.Font = QFont("Courier", 11);
        font.Font.setBold(true);
        font.Font.setItalic(true);
        font.Font.setUnderline(true);
        font.Font.setStrikeOut(true);
        text.SetFont(font);
        PLXMedia media = plxMediaFromText(QByteArray());
        TPLXEntityFactory factory;
        text.doSave("S", *media, factory);
        const auto loaded = loadSection(*media);
        const QFont read = loaded->property("Font").value<QFont>();
        QCOMPARE(QList<bool>({read.bold(), read.italic(), read.underline(), read.strikeOut()}),
                 QList<bool>({true, true, false, false}));
        QCOMPARE(read.pointSize(), 11);
    }

    void badColourTextFailsTheRecordOnly()
    {
        TPLXRecordingScope recording;
        PLXMedia media = plxMediaFromText("[S]\ntypeID=Text Settings\nfontColor=not a colour\n");
        const auto loaded = loadSection(*media);
        QVERIFY(loaded == nullptr);
        QCOMPARE(recording.recorder.messages, QStringList{"Error loading S"});
    }

    void connectionColourLooksAtTheTwoLowBits_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("colour");
        QTest::newRow("3 start-to-start") << 3 << int(clRed);
        QTest::newRow("2 start-to-finish") << 2 << int(clLime);
        QTest::newRow("1 finish-to-start") << 1 << int(clBlue);
        QTest::newRow("0 finish-to-finish") << 0 << int(clYellow);
        QTest::newRow("6 counts as 2") << 6 << int(clLime);
        QTest::newRow("7 counts as 3") << 7 << int(clRed);
    }
    void connectionColourLooksAtTheTwoLowBits()
    {
        QFETCH(int, code);
        QFETCH(int, colour);
        TPLXConnectionSettings settings;
        settings.FColorSS = clRed;
        settings.FColorSF = clLime;
        settings.FColorFS = clBlue;
        settings.FColorFF = clYellow;
        QCOMPARE(settings.getColor(code), colour);
    }

    void taskBarGoodieIsReplacedByTheLoadedOneAndFreedWithTheRecord()
    {
        PLXMedia media = plxMediaFromText(everyKey("Task Bar Settings"));
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> record(factory.loadObject("S", *media, nullptr));
        auto *settings = dynamic_cast<TPLXTaskBarSettings *>(record.get());
        QVERIFY(settings);
        QCOMPARE(settings->getVisualGoodie(), factory.getLoadedObject("G"));
        QCOMPARE(settings->getVisualGoodie()->getParent(), settings);
        QCOMPARE(settings->getVisualGoodie()->getUID(), QString("G"));
        // Saving names the goodie by its UID and writes its section.
        PLXMedia saved = plxMediaFromText(QByteArray());
        settings->doSave("S", *saved, factory);
        QCOMPARE(saved->strValue("S", "goodie", ""), QString("G"));
        QCOMPARE(saved->intValue("G", "draw style", -1), 2);
    }

    void assignCopiesWhatEachRecordCopies()
    {
        TPLXTaskBarSettings taskSource;
        taskSource.FBorderThickness = 1;
        taskSource.FHeight = 2;
        taskSource.FBorderColor = 3;
        taskSource.FColor = 4;
        taskSource.FProgressColor = 5;
        TPLXVisualGoodie *goodie = taskSource.getVisualGoodie();
        goodie->FDrawStyle = dsDrawGradient;
        goodie->FGFStartColor = clRed;
        goodie->FGFEndColor = clLime;
        goodie->FGFHorizontal = false;
        goodie->FSFColor = clNavy;
        goodie->FPatternColor = clTeal;
        goodie->FBrushStyle = bsCross;
        TPLXTaskBarSettings task;
        TPLXVisualGoodie *ownGoodie = task.getVisualGoodie();
        task.Assign(taskSource);
        checkValues(&task, {{"BorderThickness", 1}, {"Height", 2}, {"BorderColor", 3}, {"Color", 4},
                            {"ProgressColor", 5}});
        // The record keeps its own goodie, which takes only the style, gradient and solid colour.
        QCOMPARE(task.getVisualGoodie(), ownGoodie);
        checkValues(ownGoodie, {{"drawStyle", 1}, {"GFStartColor", clRed}, {"GFEndColor", clLime},
                                {"GFHorizontal", false}, {"SFColor", clNavy}, {"patternColor", clBlue},
                                {"brushStyle", 7}});

        TPLXTreeRowSettings rowSource;
        rowSource.FColor = clRed;
        rowSource.FGroupColor = clLime;
        rowSource.FAutoHeight = true;
        rowSource.setFontColor(clBlue);
        TPLXTreeRowSettings row;
        QVERIFY(row.getFont() == nullptr);
        row.Assign(rowSource);
        QVERIFY(row.getFont() != nullptr && row.getFont() != rowSource.getFont());
        checkValues(&row, {{"Color", clRed}, {"GroupColor", 0}, {"AutoHeight", true}, {"FontColor", clBlue}});

        auto textSource = std::make_unique<TPLXTextSettings>();
        textSource->setQFont(QFont("Courier", 15));
        textSource->setFontColor(clRed);
        textSource->SetColor(clYellow);
        textSource->SetHAlign(haCenter);
        textSource->SetVAlign(vaBottom);
        textSource->SetTransparent(true);
        textSource->setGroupRow(true);
        textSource->setFocused(true);
        textSource->setSelected(true);
        textSource->setGroupColor(clAqua);
        TPLXTextSettings text;
        TPLXFont *ownFont = text.GetFont();
        text.Assign(*textSource);
        textSource.reset();
        // The target's font stays usable after the source is gone.
        QCOMPARE(text.GetFont(), ownFont);
        QCOMPARE(ownFont->Font.family(), QString("Courier"));
        QCOMPARE(ownFont->Color, clRed);
        QVERIFY(text.getGroupRow() && text.getFocused() && text.getSelected() && text.GetTransparent());
        QCOMPARE(text.getGroupColor(), 0);
        checkValues(&text, {{"Color", clYellow}, {"HAlign", 2}, {"VAlign", 1}});

        TPLXPertBarSettings pertSource;
        pertSource.FBorderThickness = 1;
        pertSource.FProgressBarFinishedColor = 8;
        TPLXPertBarSettings pert;
        pert.Assign(pertSource);
        QCOMPARE(pert.FBorderThickness, 1);
        QCOMPARE(pert.FProgressBarFinishedColor, 8);

        TPLXTreeColSettings colSource;
        colSource.FHAlign = 1;
        colSource.FVAlign = 2;
        colSource.FWidth = 33;
        TPLXTreeColSettings col;
        col.Assign(colSource);
        checkValues(&col, {{"HAlign", 1}, {"VAlign", 2}, {"Width", 33}});
    }

    void defaultDocumentRecordsComeFromTheLoadDefaults_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("typeId");
        QTest::newRow("task bars") << "Default Task Bar Settings" << "Task Bar Settings";
        QTest::newRow("progress bars") << "Default Progress Bar Settings" << "Progress Bar Settings";
        QTest::newRow("image bars") << "Default Image Bar Settings" << "Image Bar Settings";
        QTest::newRow("pert boxes") << "Default Pert Bar Settings" << "Pert Bar Settings";
        QTest::newRow("connections") << "Default Connection Settings" << "Connection Settings";
        QTest::newRow("tree rows") << "Default Tree Row Settings" << "Tree Row Settings";
        QTest::newRow("tree columns") << "Default Tree Column Settings" << "Tree Column Settings";
        QTest::newRow("halo") << "Default Text Halo Settings" << "Textual Halo Settings";
        QTest::newRow("text bars") << "Default Text Bar Settings" << "Text Settings";
        QTest::newRow("hints") << "Default Hint Text settings" << "Text Settings";
    }
    void defaultDocumentRecordsComeFromTheLoadDefaults()
    {
        QFETCH(QString, section);
        QFETCH(QString, typeId);
        TPLXRecordingScope recording;
        TPLXDefaultMedia media(QString{});
        const auto record = loadSection(media, section);
        checkValues(record.get(), loadDefaults(typeId));
        QVERIFY(recording.recorder.messages.isEmpty());
    }

    void treeCellViewDerivesFromRowColumnAndGrid()
    {
        // Declared first so that it outlives the row it is made the parent of.
        TPLXTestDocument document;
        TPLXTreeRowSettings row;
        row.FColor = clSilver;
        row.FGroupColor = clAqua;
        TPLXTreeColSettings col;
        col.FHAlign = haRight;
        col.FVAlign = vaCenter;
        TPLXTreeTextSettings view(&row, &col);
        // A row without a font gives none to draw with.
        QVERIFY(view.GetFont() == nullptr);
        row.setFont({QFont("Courier", 8), clNavy});

        QCOMPARE(view.GetColor(), clSilver);
        view.setGroupRow(true);
        QCOMPARE(view.GetColor(), clAqua);
        QCOMPARE(view.GetFont()->Color, clNavy);
        QCOMPARE(view.GetFont()->Font.family(), QString("Courier"));
        QVERIFY(view.GetFont() != row.getFont());
        QCOMPARE(view.GetHAlign(), int(haRight));
        QCOMPARE(view.GetVAlign(), int(vaCenter));
        view.SetTransparent(true);
        QVERIFY(!view.GetTransparent());

        // Writing through the view changes the shared records.
        view.SetColor(clLime);
        view.SetHAlign(haCenter);
        view.SetVAlign(vaTop);
        view.SetFont({QFont("Times", 13), clMaroon});
        QCOMPARE(row.FColor, clLime);
        QCOMPARE(col.FHAlign, int(haCenter));
        QCOMPARE(col.FVAlign, int(vaTop));
        QCOMPARE(row.getFont()->Color, clMaroon);

        // Selected and focused rows take the grid's colours.
        row.setParent(&document);
        static TPLXTreeGrid *expectedGrid = nullptr;
        document.tree = reinterpret_cast<TPLXTreeGrid *>(&document); // only compared, never used
        expectedGrid = document.tree;
        TPLXTreeTextSettings::setGridColorsReader([](TPLXTreeGrid *grid) {
            return grid == expectedGrid ? TPLXTreeHighlightColors{clRed, clWhite, clBlue, clYellow}
                                        : TPLXTreeHighlightColors{};
        });
        view.setSelected(true);
        QCOMPARE(view.GetColor(), clBlue);
        QCOMPARE(view.GetFont()->Color, clYellow);
        view.setFocused(true);
        QCOMPARE(view.GetColor(), clRed);
        QCOMPARE(view.GetFont()->Color, clWhite);
        // The record's own font colour is untouched.
        QCOMPARE(row.getFont()->Color, clMaroon);
        TPLXTreeTextSettings::setGridColorsReader(nullptr);
        row.setParent(nullptr);
    }
};

QTEST_MAIN(tst_plxStyleSettings)
#include "tst_plxStyleSettings.moc"
