// The style settings records: what loading gives with every key and with
// none, that saving writes the keys in their order and reads back the same,
// stored text forms, Assign, the tree cell view, and the default document.
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

// Per kind: a section with every key set to something other than its default,
// in the order saving writes them, and what the loaded record then holds.
const QMap<QString, std::pair<QByteArray, Expected>> kEveryKey{
    {"Task Bar Settings",
     {"border thickness=3\nbar height=20\nborder color=clRed\nbar color=$00123456\nprogress color=clLime\ngoodie=G\n"
      "[G]\ntypeID=Visual Goodie\ndraw style=2\npatterm fill style=4\n",
      {{"BorderThickness", 3}, {"Height", 20}, {"BorderColor", clRed}, {"Color", 0x123456}, {"ProgressColor", clLime},
       {"VisualGoodie.drawStyle", 2}, {"VisualGoodie.brushStyle", 4}}}},
    {"Progress Bar Settings",
     {"bar height=5\nbar color=clRed\nborder color=clBlue\n", {{"Height", 5}, {"Color", clRed}, {"BorderColor", clBlue}}}},
    {"Image Bar Settings",
     {"border thickness=1\nbar height=12.5\nborder color=clRed\nbar color=255\n",
      {{"borderThickness", 1}, {"height", 12.5}, {"borderColor", clRed}, {"color", clRed}}}},
    {"Pert Bar Settings",
     {"border thickness=4\nheight=50\nwidth=120\nborder color=clRed\nbackground color=clLime\n"
      "background summary color=clAqua\nprogress bar color=clNavy\nprogress bar finished color=clTeal\n",
      {{"BorderThickness", 4}, {"Height", 50}, {"Width", 120}, {"BorderColor", clRed}, {"BackGroundColor", clLime},
       {"BackgroundSummaryColor", clAqua}, {"ProgressBarColor", clNavy}, {"ProgressBarFinishedColor", clTeal}}}},
    {"Connection Settings",
     {"show connections=0\ncolorSS=clRed\ncolorSF=clLime\ncolorFS=clBlue\ncolorFF=clYellow\ncolorHighLighted=clNavy\n",
      {{"ShowConnections", false}, {"ColorSS", clRed}, {"ColorSF", clLime}, {"ColorFS", clBlue}, {"ColorFF", clYellow},
       {"ColorHighlighted", clNavy}}}},
    {"Tree Row Settings",
     {"fontColor=clRed\nfontName=Courier\nfontSize=12\nbackgroundColor=clSilver\ngroup color=$00112233\nauto height=1\n",
      {{"FontColor", clRed}, {"Font.family", "Courier"}, {"Font.pointSize", 12}, {"Color", clSilver},
       {"GroupColor", 0x112233}, {"AutoHeight", true}}}},
    {"Tree Column Settings",
     {"alignHorizontal=1\nalignVertical=0\nwidth=150\n", {{"HAlign", 1}, {"VAlign", 0}, {"Width", 150}}}},
    {"Textual Halo Settings",
     {"PrintTextLeft=0\nPrintTextRight=0\nPrintTextTop=0\nPrintTextBottom=0\nPrintTextCenter=0\n",
      {{"PrintTextLeft", false}, {"PrintTextRight", false}, {"PrintTextTop", false}, {"PrintTextBottom", false},
       {"PrintTextCenter", false}}}},
    {"Visual Goodie",
     {"draw style=1\ngradient fill start color=clRed\ngradient fill end color=clLime\nsolid fill color=clYellow\n"
      "pattern color=clNavy\nstart glyph transparent color=clWhite\nend glyph transparent color=clGray\n"
      "gradient fill horizontal=0\npatterm fill style=2\n",
      {{"drawStyle", 1}, {"GFStartColor", clRed}, {"GFEndColor", clLime}, {"SFColor", clYellow}, {"patternColor", clNavy},
       {"startGlyphTranspColor", clWhite}, {"endGlyphTranspColor", clGray}, {"GFHorizontal", false}, {"brushStyle", 2}}}},
    {"Text Settings",
     {"fontColor=clRed\nfontName=Courier\nfontSize=14\nfontBold=1\nfontItalic=1\nbackgroundColor=clYellow\n"
      "alignHorizontal=2\nalignVertical=1\ntransparent=1\n",
      {{"FontColor", clRed}, {"Font.family", "Courier"}, {"Font.pointSize", 14}, {"Font.bold", true}, {"Font.italic", true},
       {"Color", clYellow}, {"HAlign", 2}, {"VAlign", 1}, {"Transparent", true}}}},
};

QByteArray everyKey(const QString &typeId)
{
    return "[S]\ntypeID=" + typeId.toUtf8() + "\n" + kEveryKey.value(typeId).first;
}

// What a section holding only its type id loads as.
const QMap<QString, Expected> kLoadDefaults{
    {"Task Bar Settings",
     {{"BorderThickness", 2}, {"Height", 18}, {"BorderColor", clBlack}, {"Color", clBlue}, {"ProgressColor", clYellow},
      {"VisualGoodie", "null"}}},
    {"Progress Bar Settings", {{"Height", 8}, {"Color", clGreen}, {"BorderColor", clBlack}}},
    {"Image Bar Settings", {{"borderThickness", 0}, {"height", 0.0}, {"borderColor", clBlack}, {"color", clBlack}}},
    {"Pert Bar Settings",
     {{"BorderThickness", 2}, {"Height", 100}, {"Width", 200}, {"BorderColor", clBlack}, {"BackGroundColor", clWhite},
      {"BackgroundSummaryColor", clYellow}, {"ProgressBarColor", clRed}, {"ProgressBarFinishedColor", clGreen}}},
    {"Connection Settings",
     {{"ShowConnections", true}, {"ColorSS", clBlack}, {"ColorSF", clBlack}, {"ColorFS", clBlack}, {"ColorFF", clBlack},
      {"ColorHighlighted", clRed}}},
    {"Tree Row Settings",
     {{"FontColor", clBlack}, {"Font.family", "Arial"}, {"Font.pointSize", 10}, {"Color", 0xEFDAC5},
      {"GroupColor", 0xFFBAB5}, {"AutoHeight", false}}},
    {"Tree Column Settings", {{"HAlign", 0}, {"VAlign", 2}, {"Width", 200}}},
    {"Textual Halo Settings",
     {{"PrintTextLeft", true}, {"PrintTextRight", true}, {"PrintTextTop", true}, {"PrintTextBottom", true},
      {"PrintTextCenter", true}}},
    {"Visual Goodie",
     {{"drawStyle", 0}, {"GFStartColor", clBlue}, {"GFEndColor", clPurple}, {"SFColor", clBlue}, {"patternColor", clBlue},
      {"startGlyphTranspColor", 0}, {"endGlyphTranspColor", 0}, {"GFHorizontal", true}, {"brushStyle", 7}}},
    {"Text Settings",
     {{"FontColor", clBlack}, {"Font.family", "Arial"}, {"Font.pointSize", 10}, {"Font.bold", false},
      {"Font.italic", false}, {"Color", clWhite}, {"HAlign", 0}, {"VAlign", 0}, {"Transparent", false}}},
};

// A property, a font detail ("Font.bold") or a goodie's property ("VisualGoodie.drawStyle").
QVariant readPath(const TPLXGanttObject *object, const QString &path)
{
    const QString head = path.section('.', 0, 0);
    const QString tail = path.section('.', 1);
    const QVariant value = object->property(head.toLatin1().constData());
    if (tail.isEmpty())
        return value;
    if (head == "Font") {
        const QFont font = value.value<QFont>();
        return QVariantMap{{"family", font.family()}, {"pointSize", font.pointSize()}, {"bold", font.bold()},
                           {"italic", font.italic()}}.value(tail);
    }
    const auto *goodie = value.value<TPLXVisualGoodie *>();
    return goodie ? readPath(goodie, tail) : QVariant();
}

// "null" stands for no goodie.
void checkValues(const TPLXGanttObject *object, const Expected &expected)
{
    QVERIFY(object != nullptr);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant actual = readPath(object, it.key());
        const bool same = it.value() == QVariant(QStringLiteral("null")) ? actual.value<TPLXVisualGoodie *>() == nullptr
                                                                        : actual.isValid() && actual == it.value();
        QVERIFY2(same, qPrintable(QStringLiteral("%1: %2 instead of %3").arg(it.key(), actual.toString(), it.value().toString())));
    }
}

// Loads section "S" of `media` as a top-level entity.
std::unique_ptr<TPLXGanttObject> loadSection(IPLXMedia &media, const QString &section = QStringLiteral("S"))
{
    TPLXEntityFactory factory;
    return std::unique_ptr<TPLXGanttObject>(factory.loadObject(section, media, nullptr));
}

// The text store `object` writes itself into as section "S".
PLXMedia saved(TPLXGanttObject &object)
{
    PLXMedia media = plxtest::mediaFromText(QByteArray());
    TPLXEntityFactory factory;
    object.doSave("S", *media, factory);
    return media;
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

    void everyKeyLoadsAndSurvivesSaving_data()
    {
        QTest::addColumn<QString>("typeId");
        for (const QString &kind : kEveryKey.keys())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void everyKeyLoadsAndSurvivesSaving()
    {
        QFETCH(QString, typeId);
        PLXMedia source = plxtest::mediaFromText(everyKey(typeId));
        const auto loaded = loadSection(*source);
        checkValues(loaded.get(), kEveryKey.value(typeId).second);
        QCOMPARE(loaded->Create()->metaObject(), loaded->metaObject());

        // Saving writes the keys in their order; the saved text loads the same, and saves the same again.
        const PLXMedia first = saved(*loaded);
        QCOMPARE(iniOf(first).keys(u"S"), iniOf(source).keys(u"S"));
        const auto reloaded = loadSection(*first);
        checkValues(reloaded.get(), kEveryKey.value(typeId).second);
        QCOMPARE(iniOf(saved(*reloaded)).toBytes(), iniOf(first).toBytes());
    }

    void missingKeysGiveTheLoadDefaults_data() { everyKeyLoadsAndSurvivesSaving_data(); }
    void missingKeysGiveTheLoadDefaults()
    {
        QFETCH(QString, typeId);
        TPLXRecordingScope recording; // the task bar logs its missing goodie
        PLXMedia media = plxtest::mediaFromText("[S]\ntypeID=" + typeId.toUtf8() + "\n");
        checkValues(loadSection(*media).get(), kLoadDefaults.value(typeId));
        QVERIFY(recording.recorder.messages.isEmpty());
    }

    void defaultDocumentRecordsComeFromTheLoadDefaults_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("typeId");
        for (const QString kind : {"Task Bar", "Progress Bar", "Image Bar", "Pert Bar", "Connection", "Tree Row",
                                   "Tree Column"})
            QTest::newRow(qPrintable(kind)) << "Default " + kind + " Settings" << kind + " Settings";
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
        checkValues(loadSection(media, section).get(), kLoadDefaults.value(typeId));
        QVERIFY(recording.recorder.messages.isEmpty());
    }

    void storedTextForms()
    {
        // Colour-text keys are written as names or "$" texts through the string setter.
        TPLXTextSettings text;
        text.setFontColor(0x00123456);
        text.SetColor(clWhite);
        TPLXFont font{QFont("Courier", 11, QFont::Bold, true), 0x00123456};
        font.Font.setUnderline(true);
        font.Font.setStrikeOut(true);
        text.SetFont(font);
        const PLXMedia media = saved(text);
        QCOMPARE(media->strValue("S", "fontColor", ""), QString("$00123456"));
        QCOMPARE(media->strValue("S", "backgroundColor", ""), QString("clWhite"));
        // Bold and italic survive, underline and strike-out are not stored.
        const QFont read = loadSection(*media)->property("Font").value<QFont>();
        QCOMPARE(plxtest::Quantities()
                     .is<bool>("read.bold()", read.bold(), true)
                     .is<bool>("read.italic()", read.italic(), true)
                     .is<bool>("read.underline()", read.underline(), false)
                     .is<bool>("read.strikeOut()", read.strikeOut(), false)
                     .differing(),
                 QString());
        QCOMPARE(read.pointSize(), 11);
        TPLXImageBarSettings image;
        const PLXMedia imageText = saved(image);
        QCOMPARE(QStringList({imageText->strValue("S", "border color", ""), imageText->strValue("S", "bar height", "")}),
                 QStringList({"clBlack", "0"}));

        // Only the misspelt pattern key is read.
        PLXMedia goodies = plxtest::mediaFromText("[S]\ntypeID=Visual Goodie\npattern fill style=2\n"
                                            "[T]\ntypeID=Visual Goodie\npatterm fill style=2\n");
        QCOMPARE(loadSection(*goodies, "S")->property("brushStyle").toInt(), int(bsDiagCross));
        QCOMPARE(loadSection(*goodies, "T")->property("brushStyle").toInt(), int(bsHorizontal));
    }

    void badColourTextFailsTheRecordOnly()
    {
        TPLXRecordingScope recording;
        PLXMedia media = plxtest::mediaFromText("[S]\ntypeID=Text Settings\nfontColor=not a colour\n");
        QVERIFY(loadSection(*media) == nullptr);
        QCOMPARE(recording.recorder.messages, QStringList{"Error loading S"});
    }

    void connectionColourLooksAtTheTwoLowBits()
    {
        // Red, lime, blue and yellow in the full section.
        const auto loaded = loadSection(*plxtest::mediaFromText(everyKey("Connection Settings")));
        const auto &settings = dynamic_cast<const TPLXConnectionSettings &>(*loaded);
        // 3 start-to-start, 2 start-to-finish, 1 finish-to-start, 0 finish-to-finish; 6 and 7 count as 2 and 3.
        QList<TColor> colours;
        for (int code : {3, 2, 1, 0, 6, 7})
            colours.append(settings.getColor(code));
        QCOMPARE(colours, QList<TColor>({clRed, clLime, clBlue, clYellow, clLime, clRed}));
    }

    void taskBarGoodieIsReplacedByTheLoadedOneAndFreedWithTheRecord()
    {
        PLXMedia media = plxtest::mediaFromText(everyKey("Task Bar Settings"));
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> record(factory.loadObject("S", *media, nullptr));
        auto *settings = dynamic_cast<TPLXTaskBarSettings *>(record.get());
        QVERIFY(settings);
        QCOMPARE(settings->getVisualGoodie(), factory.getLoadedObject("G"));
        QCOMPARE(settings->getVisualGoodie()->getParent(), settings);
        // Saving names the goodie by its UID and writes its section.
        const PLXMedia written = saved(*settings);
        QCOMPARE(written->strValue("S", "goodie", ""), QString("G"));
        QCOMPARE(written->intValue("G", "draw style", -1), 2);
    }

    void assignCopiesWhatEachRecordCopies()
    {
        TPLXTaskBarSettings taskSource;
        taskSource.setBorderThickness(1);
        taskSource.setHeight(2);
        taskSource.setProgressColor(5);
        TPLXVisualGoodie *goodie = taskSource.getVisualGoodie();
        goodie->setDrawStyle(dsDrawGradient);
        goodie->setGFStartColor(clRed);
        goodie->setSFColor(clNavy);
        goodie->setPatternColor(clTeal);
        goodie->setBrushStyle(bsCross);
        TPLXTaskBarSettings task;
        TPLXVisualGoodie *ownGoodie = task.getVisualGoodie();
        task.Assign(taskSource);
        checkValues(&task, {{"BorderThickness", 1}, {"Height", 2}, {"ProgressColor", 5}});
        // The record keeps its own goodie, which takes only the style, gradient and solid colour.
        QCOMPARE(task.getVisualGoodie(), ownGoodie);
        checkValues(ownGoodie, {{"drawStyle", 1}, {"GFStartColor", clRed}, {"SFColor", clNavy},
                                {"patternColor", clBlue}, {"brushStyle", 7}});

        TPLXTreeRowSettings rowSource;
        rowSource.setColor(clRed);
        rowSource.setGroupColor(clLime);
        rowSource.setAutoHeight(true);
        rowSource.setFontColor(clBlue);
        TPLXTreeRowSettings row;
        row.Assign(rowSource);
        QVERIFY(row.getFont() != nullptr && row.getFont() != rowSource.getFont());
        checkValues(&row, {{"Color", clRed}, {"GroupColor", 0}, {"AutoHeight", true}, {"FontColor", clBlue}});

        auto textSource = std::make_unique<TPLXTextSettings>();
        textSource->setQFont(QFont("Courier", 15));
        textSource->setFontColor(clRed);
        textSource->SetHAlign(haCenter);
        textSource->SetTransparent(true);
        textSource->setGroupRow(true);
        textSource->setGroupColor(clAqua);
        TPLXTextSettings text;
        TPLXFont *ownFont = text.GetFont();
        text.Assign(*textSource);
        textSource.reset();
        // The target's font stays usable after the source is gone; the group colour is not copied.
        QCOMPARE(text.GetFont(), ownFont);
        QCOMPARE(ownFont->Font.family(), QString("Courier"));
        QCOMPARE(ownFont->Color, clRed);
        QVERIFY(text.getGroupRow() && text.GetTransparent());
        QCOMPARE(text.getGroupColor(), 0);
        QCOMPARE(text.GetHAlign(), int(haCenter));
    }

    void treeCellViewDerivesFromRowColumnAndGrid()
    {
        // Declared first so that it outlives the row it is made the parent of.
        TPLXTestDocument document;
        TPLXTreeRowSettings row;
        row.setColor(clSilver);
        row.setGroupColor(clAqua);
        TPLXTreeColSettings col;
        col.setHAlign(haRight);
        TPLXTreeTextSettings view(&row, &col);
        // A row without a font gives none to draw with.
        QVERIFY(view.GetFont() == nullptr);
        row.setFont({QFont("Courier", 8), clNavy});
        QCOMPARE(view.GetColor(), clSilver);
        view.setGroupRow(true);
        QCOMPARE(view.GetColor(), clAqua);
        QVERIFY(view.GetFont() != row.getFont());
        QCOMPARE(view.GetFont()->Color, clNavy);
        QCOMPARE(view.GetHAlign(), int(haRight));
        view.SetTransparent(true);
        QVERIFY(!view.GetTransparent());

        // Writing through the view changes the shared records.
        view.SetColor(clLime);
        view.SetVAlign(vaTop);
        view.SetFont({QFont("Times", 13), clMaroon});
        QCOMPARE(row.getColor(), clLime);
        QCOMPARE(col.getVAlign(), int(vaTop));
        QCOMPARE(row.getFont()->Color, clMaroon);

        // Selected and focused rows take the grid's colours; the record's own font colour is untouched.
        row.setParent(&document);
        static TPLXTreeGrid *expectedGrid = nullptr;
        document.tree = expectedGrid = reinterpret_cast<TPLXTreeGrid *>(&document); // only compared, never used
        TPLXTreeTextSettings::setGridColorsReader([](TPLXTreeGrid *grid) {
            return grid == expectedGrid ? TPLXTreeHighlightColors{clRed, clWhite, clBlue, clYellow} : TPLXTreeHighlightColors{};
        });
        view.setSelected(true);
        QCOMPARE(plxtest::Quantities()
                     .is<TColor>("view.GetColor()", view.GetColor(), clBlue)
                     .is<TColor>("view.GetFont()->Color", view.GetFont()->Color, clYellow)
                     .differing(),
                 QString());
        view.setFocused(true);
        QCOMPARE(plxtest::Quantities()
                     .is<TColor>("view.GetColor()", view.GetColor(), clRed)
                     .is<TColor>("view.GetFont()->Color", view.GetFont()->Color, clWhite)
                     .is<TColor>("row.getFont()->Color", row.getFont()->Color, clMaroon)
                     .differing(),
                 QString());
        TPLXTreeTextSettings::setGridColorsReader(nullptr);
        row.setParent(nullptr);
    }
};

QTEST_MAIN(tst_plxStyleSettings)
#include "tst_plxStyleSettings.moc"
