// The style settings records: what loading gives with every key, that saving writes the keys in their order and reads
// back the same, stored text forms, Assign and the tree cell view.
#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTextSettings.h"
#include "plxTreeSettings.h"
#include "plxVisualGoodie.h"

#include <QtTest>

namespace {

using Expected = QVariantMap;

// Per kind whose keys the sample plan's round trip does not vary: a section with every key set to
// something other than its default, in the order saving writes them, and what the loaded record then holds.
const QMap<QString, std::pair<QByteArray, Expected>> kEveryKey{
    {"Task Bar Settings",
     {"border thickness=3\nbar height=20\nborder color=clRed\nbar color=$00123456\nprogress color=clLime\n",
      {{"BorderThickness", 3},
       {"Height", 20},
       {"BorderColor", clRed},
       {"Color", 0x123456},
       {"ProgressColor", clLime}}}},
    {"Progress Bar Settings",
     {"bar height=5\nbar color=clRed\nborder color=clBlue\n",
      {{"Height", 5}, {"Color", clRed}, {"BorderColor", clBlue}}}},
    {"Image Bar Settings",
     {"border thickness=1\nbar height=12.5\nborder color=clRed\nbar color=255\n",
      {{"borderThickness", 1}, {"height", 12.5}, {"borderColor", clRed}, {"color", clRed}}}},
    {"Textual Halo Settings",
     {"PrintTextLeft=0\nPrintTextRight=0\nPrintTextTop=0\nPrintTextBottom=0\nPrintTextCenter=0\n",
      {{"PrintTextLeft", false},
       {"PrintTextRight", false},
       {"PrintTextTop", false},
       {"PrintTextBottom", false},
       {"PrintTextCenter", false}}}},
};

QByteArray everyKey(const QString &typeId)
{
    return "[S]\ntypeID=" + typeId.toUtf8() + "\n" + kEveryKey.value(typeId).first;
}

void checkValues(const TPLXGanttObject *object, const Expected &expected)
{
    QVERIFY(object != nullptr);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QVariant actual = object->property(it.key().toLatin1().constData());
        QVERIFY2(actual.isValid() && actual == it.value(),
                 qPrintable(
                     QStringLiteral("%1: %2 instead of %3").arg(it.key(), actual.toString(), it.value().toString())));
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

    void valuesOutOfRangeLoadClamped_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<int>("logLines");
        QTest::newRow("task bar sizes") << QByteArray("typeID=Task Bar Settings\nborder thickness=2147483647\n"
                                                      "bar height=-2147483648\n")
                                        << Expected{{"BorderThickness", 100000}, {"Height", 0}} << 2;
        QTest::newRow("image bar height")
            << QByteArray("typeID=Image Bar Settings\nbar height=1e308\n") << Expected{{"height", 100000.0}} << 1;
        QTest::newRow("goodie styles") << QByteArray("typeID=Visual Goodie\ndraw style=1000\n"
                                                     "patterm fill style=-1\n")
                                       << Expected{{"drawStyle", int(dsDrawHatch)}, {"brushStyle", int(bsSolid)}} << 2;
        QTest::newRow("tree column") << QByteArray("typeID=Tree Column Settings\nalignHorizontal=77\n"
                                                   "alignVertical=2\nwidth=2147483647\n")
                                     << Expected{{"HAlign", int(haCenter)},
                                                 {"VAlign", int(vaCenter)},
                                                 {"Width", 100000}}
                                     << 2;
    }
    void valuesOutOfRangeLoadClamped()
    {
        QFETCH(QByteArray, section);
        QFETCH(Expected, expected);
        QFETCH(int, logLines);
        TPLXRecordingScope recording;
        const auto loaded = loadSection(*plxtest::mediaFromText("[S]\n" + section));
        checkValues(loaded.get(), expected);
        // One line per clamped key, naming it and the section.
        const QStringList &lines = recording.recorder().logLines();
        QCOMPARE(std::count_if(lines.begin(), lines.end(),
                               [](const QString &line) { return line.contains(" in section \"S\" is "); }),
                 logLines);
    }

    void storedTextForms()
    {
        // Colour texts are the store's; bold and italic survive, underline and strike-out are not stored.
        TPLXTextSettings text;
        TPLXFont font{QFont("Courier", 11, QFont::Bold, true), 0x00123456};
        font.Font.setUnderline(true);
        font.Font.setStrikeOut(true);
        text.SetFont(font);
        const PLXMedia media = saved(text);
        const QFont read = loadSection(*media)->property("Font").value<QFont>();
        PLX_COMPARE_EACH(bool, ({read.bold(), read.italic(), read.underline(), read.strikeOut()}),
                         ({true, true, false, false}));
        QCOMPARE(read.pointSize(), 11);
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
        QCOMPARE(recording.recorder().messages(), QStringList{"Error loading S"});
    }

    void connectionColourLooksAtTheTwoLowBits()
    {
        const auto loaded = loadSection(*plxtest::mediaFromText(
            "[S]\ntypeID=Connection Settings\ncolorSS=clRed\ncolorSF=clLime\ncolorFS=clBlue\ncolorFF=clYellow\n"));
        const auto &settings = dynamic_cast<const TPLXConnectionSettings &>(*loaded);
        // 3 start-to-start, 2 start-to-finish, 1 finish-to-start, 0 finish-to-finish; 6 and 7 count as 2 and 3.
        QList<TColor> colours;
        for (int code : {3, 2, 1, 0, 6, 7})
            colours.append(settings.getColor(code));
        QCOMPARE(colours, QList<TColor>({clRed, clLime, clBlue, clYellow, clLime, clRed}));
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
        checkValues(ownGoodie, {{"drawStyle", 1},
                                {"GFStartColor", clRed},
                                {"SFColor", clNavy},
                                {"patternColor", clBlue},
                                {"brushStyle", 7}});

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
            return grid == expectedGrid ? TPLXTreeHighlightColors{clRed, clWhite, clBlue, clYellow}
                                        : TPLXTreeHighlightColors{};
        });
        view.setSelected(true);
        PLX_COMPARE_EACH(TColor, ({view.GetColor(), view.GetFont()->Color}), ({clBlue, clYellow}));
        view.setFocused(true);
        PLX_COMPARE_EACH(TColor, ({view.GetColor(), view.GetFont()->Color, row.getFont()->Color}),
                         ({clRed, clWhite, clMaroon}));
        TPLXTreeTextSettings::setGridColorsReader(nullptr);
        row.setParent(nullptr);
    }
};

QTEST_MAIN(tst_plxStyleSettings)
#include "tst_plxStyleSettings.moc"
