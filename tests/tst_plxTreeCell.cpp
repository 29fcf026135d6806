// Tree cells: value texts, the sort order of every kind, text measuring,
// drawing, automatic columns, the stored form of every kind and the column
// width operation.
#include "plxColors.h"
#include "plxDataSource.h"
#include "plxGanttTable.h"
#include "plxGanttRow.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTestSupport.h"
#include "plxTextualHalo.h"
#include "plxTimeMode.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QtTest>

namespace {

const TDateTime kMarch5 = PLXEncodeDate(2024, 3, 5);

// Row settings with a real font, so that the arranger measures and draws.
std::unique_ptr<TPLXTreeRowSettings> fontedRowSettings()
{
    auto settings = std::make_unique<TPLXTreeRowSettings>();
    TPLXFont font;
    font.Font = QFont(QStringLiteral("DejaVu Sans"), 10);
    font.Color = clBlack;
    settings->setFont(font);
    settings->FColor = clYellow;
    return settings;
}

template<typename Cell>
std::unique_ptr<Cell> cellOf(TPLXTreeCellType &type, TPLXTreeRowSettings *rows = nullptr,
                             TPLXTreeColSettings *cols = nullptr, TPLXGanttObject *parent = nullptr)
{
    auto *cell = dynamic_cast<Cell *>(type.CreateTreeCell(rows, cols, parent));
    Q_ASSERT(cell && cell->GetDataType() == &type);
    return std::unique_ptr<Cell>(cell);
}

void addTask(TPLXGanttRow &row, TDateTime start, TDateTime end)
{
    row.AddBar(std::make_unique<TPLXTaskBar>(start, end).release());
}

// Exactly one of two distinct cells orders before the other, and none before itself.
bool strictPair(TPLXTreeCell &a, TPLXTreeCell &b)
{
    return a.lessThan(&b) != b.lessThan(&a) && !a.lessThan(&a) && !b.lessThan(&b);
}


// A document with three table rows and a tree A (child A1), B over them; the
// tree has a number column and a button-edit column of the given widths.
struct TreeDocument
{
    explicit TreeDocument(int numberWidth = 120, int buttonWidth = 40)
    {
        auto table = std::make_unique<TPLXGanttTable>();
        table->setParent(&doc);
        doc.table = table.release();
        for (int i = 0; i < 3; ++i)
            doc.table->appendRow();
        auto tree = std::make_unique<TPLXTreeGrid>();
        tree->setParent(&doc);
        grid = doc.tree = tree.release();
        grid->setRootNode(std::make_unique<TPLXTreeNode>().release());
        auto header = std::make_unique<TPLXTreeHeader>();
        grid->setHeader(header.get());
        headerOf = header.release();
        addColumn(std::make_unique<TPLXTreeAutoCellNumber>(), numberWidth);
        addColumn(std::make_unique<TPLXTreeButtonEditCellType>(), buttonWidth);
        rowSettings = fontedRowSettings();
        TPLXTreeNode *a = addNode(grid->getRootNode());
        addNode(a);
        addNode(grid->getRootNode());
        grid->getRootNode()->setIndexes(0);
    }

    void addColumn(std::unique_ptr<TPLXTreeCellType> type, int width)
    {
        auto column = std::make_unique<TPLXTreeHeaderCell>();
        auto settings = std::make_unique<TPLXTreeColSettings>();
        settings->FWidth = width;
        column->setSettings(settings.release());
        column->SetDataType(type.release());
        headerOf->insertHeaderCell(headerOf->countCells(), column.release());
    }

    TPLXTreeNode *addNode(TPLXTreeNode *parent)
    {
        auto row = std::make_unique<TPLXTreeRow>(headerOf, rowSettings.get(), nullptr);
        auto node = std::make_unique<TPLXTreeNode>(row.release());
        parent->addChild(node.get(), -1);
        return node.release();
    }

    TPLXTreeCell *cell(int row, int column) { return grid->getRow(row)->getCell(column); }

    TPLXTestDocument doc;
    TPLXTreeGrid *grid = nullptr;
    TPLXTreeHeader *headerOf = nullptr;
    std::unique_ptr<TPLXTreeRowSettings> rowSettings;
};

} // namespace

class tst_plxTreeCell : public QObject
{
    Q_OBJECT

private slots:
    void dateTexts_data();
    void dateTexts();
    void sortOrderOfEveryKind();
    void valueTexts();
    void measuring();
    void drawing();
    void automaticColumns();
    void persistenceRoundTrip_data();
    void persistenceRoundTrip();
    void brokenCellSections();
    void gridColumns();
    void columnWidthOperation();
};

void tst_plxTreeCell::dateTexts_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<bool>("noTime");
    QTest::addColumn<QString>("text");
    const double afternoon = kMarch5 + (14 * 60 + 30) / 1440.0;
    QTest::newRow("date only") << afternoon << true << "05.03.2024";
    QTest::newRow("date and time") << afternoon << false << "05.03.2024 14:30";
    QTest::newRow("midnight keeps its time") << kMarch5 << false << "05.03.2024 00:00";
    QTest::newRow("a moment before midnight is the next day") << kMarch5 + 1 - 1e-9 << false << "06.03.2024 00:00";
    QTest::newRow("the zero date") << 0.0 << true << "30.12.1899";
    QTest::newRow("three-digit year padded") << PLXEncodeDate(987, 1, 2) + 0.25 << false << "02.01.0987 06:00";
}

void tst_plxTreeCell::dateTexts()
{
    QFETCH(double, date);
    QFETCH(bool, noTime);
    QFETCH(QString, text);
    TPLXTreeDateTimeCellType type;
    type.FNoTime = noTime;
    auto cell = cellOf<TPLXTreeDateTimeCell>(type);
    cell->SetDate(date);
    QCOMPARE(cell->GetText(), text);
    QCOMPARE(cell->NoTime(), noTime);
    QCOMPARE(cell->GetDate(), date);
}

void tst_plxTreeCell::sortOrderOfEveryKind()
{
    TPLXTreeDateTimeCellType dateType;
    TPLXTreeSpinCellType spinType;
    TPLXTreeSimpleTextCellType textType;
    TPLXTreeButtonEditCellType buttonType;
    TPLXTreeMultilineTextCellType memoType;
    TPLXTreeCurrencyCellType currencyType;
    TPLXTreeComboCellType comboType;

    // Equal values still give a strict order; different ones their natural one.
    auto d1 = cellOf<TPLXTreeDateTimeCell>(dateType);
    auto d2 = cellOf<TPLXTreeDateTimeCell>(dateType);
    d1->SetDate(kMarch5);
    d2->SetDate(kMarch5);
    QVERIFY(strictPair(*d1, *d2));
    d2->SetDate(kMarch5 + 0.5);
    QVERIFY(d1->lessThan(d2.get()));
    QVERIFY(!d2->lessThan(d1.get()));

    auto s9 = cellOf<TPLXTreeSpinCell>(spinType);
    auto s10 = cellOf<TPLXTreeSpinCell>(spinType);
    s9->SetNumber(9);
    s10->SetNumber(10);
    QVERIFY(s9->lessThan(s10.get())); // numeric, not by the texts "9" and "10"
    QVERIFY(!s10->lessThan(s9.get()));
    s10->SetNumber(9);
    QVERIFY(strictPair(*s9, *s10));

    auto upper = cellOf<TPLXTreeSimpleTextCell>(textType);
    auto lower = cellOf<TPLXTreeSimpleTextCell>(textType);
    upper->SetText(QStringLiteral("Zeta"));
    lower->SetText(QStringLiteral("alpha"));
    QVERIFY(upper->lessThan(lower.get())); // ordinal: upper case first
    QVERIFY(!lower->lessThan(upper.get()));
    lower->SetText(QStringLiteral("Zeta"));
    QVERIFY(strictPair(*upper, *lower));
    auto button = cellOf<TPLXTreeButtonEditCell>(buttonType);
    auto memo = cellOf<TPLXTreeMultilineTextCell>(memoType);
    button->SetText(QStringLiteral("Beta"));
    memo->SetText(QStringLiteral("Gamma"));
    QVERIFY(button->lessThan(upper.get()));
    QVERIFY(button->lessThan(memo.get()));
    QVERIFY(!memo->lessThan(button.get()));

    // Across kinds: a text orders before anything else, a spin after nothing.
    QVERIFY(upper->lessThan(s9.get()));
    QVERIFY(!s9->lessThan(upper.get()));
    QVERIFY(d1->lessThan(s9.get()));
    QVERIFY(!s9->lessThan(d1.get()));

    auto c1 = cellOf<TPLXTreeCurrencyCell>(currencyType);
    auto c2 = cellOf<TPLXTreeCurrencyCell>(currencyType);
    c1->SetValue(1);
    c2->SetValue(2);
    auto combo = cellOf<TPLXTreeComboCell>(comboType);
    QCOMPARE(QList<bool>({c1->lessThan(c2.get()), c2->lessThan(c1.get()), combo->lessThan(upper.get())}),
             QList<bool>({false, false, false}));

    const QList<bool> sortable{TPLXTreeCellType().canSort(),     dateType.canSort(),
                               spinType.canSort(),                textType.canSort(),
                               buttonType.canSort(),              memoType.canSort(),
                               currencyType.canSort(),            comboType.canSort(),
                               TPLXTreeImageComboCellType().canSort(), TPLXTreeAutoCellStartDate().canSort(),
                               TPLXTreeAutoCellEndDate().canSort(), TPLXTreeAutoCellNumber().canSort(),
                               TPLXTreeAutoCellTaskNameType().canSort()};
    QCOMPARE(sortable, QList<bool>({false, true, false, true, true, true, false, false, true, true, true, false, true}));
}

void tst_plxTreeCell::valueTexts()
{
    TPLXTreeSpinCellType spinType;
    auto spin = cellOf<TPLXTreeSpinCell>(spinType);
    QCOMPARE(spin->GetText(), QString()); // a new cell shows nothing until it gets a value
    spin->SetNumber(-42);
    QCOMPARE(spin->GetText(), QStringLiteral("-42"));

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TPLXTreeCurrencyCellType currencyType;
    auto currency = cellOf<TPLXTreeCurrencyCell>(currencyType);
    currency->SetValue(1234.5);
    const QString german = currency->GetText();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    currency->SetValue(1234.5);
    const QString american = currency->GetText();
    QLocale::setDefault(previous);
    QCOMPARE(QString(german).replace(QChar(0xA0), QLatin1Char(' ')), QStringLiteral("1.234,50 €"));
    QCOMPARE(american, QStringLiteral("$1,234.50"));

    // The image combo shows the picture of the item its text names.
    TPLXTreeImageComboCellType imageType;
    imageType.FItems = {QStringLiteral("open"), QStringLiteral("done")};
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage green(6, 6, QImage::Format_RGB32);
    green.fill(Qt::green);
    imageType.FImages = {red, green};
    auto rows = fontedRowSettings();
    TPLXTreeColSettings cols;
    auto image = cellOf<TPLXTreeImageComboCell>(imageType, rows.get(), &cols);
    image->SetText(QStringLiteral("done"));
    QCOMPARE(image->imageIndex(), 1);
    QCOMPARE(image->picture(), green);
    image->SetText(QStringLiteral("unknown"));
    QCOMPARE(image->imageIndex(), -1);
    QVERIFY(image->picture().isNull());
}

void tst_plxTreeCell::measuring()
{
    auto rows = fontedRowSettings();
    TPLXTreeColSettings cols;
    cols.FWidth = 60;
    TPLXGanttObject owner;
    TPLXTreeSimpleTextCellType type;
    TPLXTreeCell *cell = type.CreateTreeCell(rows.get(), &cols, &owner);
    TPLXTextArranger *arranger = cell->GetTextArranger();
    QVERIFY(arranger);
    // The cell measures with copies: changing the originals later does not reach it.
    QVERIFY(cell->getRowSettings() != rows.get() && cell->getColSettings() != &cols);
    QCOMPARE(cell->getRowSettings()->getParent(), cell);

    cell->SetText(QString());
    QCOMPARE(cell->getMaxWidth(), 10);
    const int wide = arranger->getTextWidth(QStringLiteral("a much longer line"));
    QVERIFY(wide > arranger->getTextWidth(QStringLiteral("short")));
    cell->SetText(QStringLiteral("short\r\na much longer line"));
    QCOMPARE(cell->getMaxWidth(), wide);
    cell->SetText(QStringLiteral("a much longer line\r\nshort"));
    QCOMPARE(cell->getMaxWidth(), wide);
    cell->SetText(QStringLiteral("a much\n longer line\r\nshort"));
    QCOMPARE(cell->getMaxWidth(), wide);

    // Without a grid the cell's column settings give the wrap width.
    cell->SetText(QString());
    const int oneLine = cell->fitHeight();
    QVERIFY(oneLine > 0);
    cell->SetText(QStringLiteral("several words that cannot share one narrow line"));
    QVERIFY(cell->fitHeight() >= 3 * oneLine);

    TPLXTreeSimpleTextCell orphan(rows.get(), &cols, &type, nullptr);
    orphan.SetText(QStringLiteral("x"));
    try {
        orphan.getMaxWidth();
        QFAIL("a cell without parent was measured");
    } catch (const EPLXAssertionFailed &error) {
        QVERIFY(error.message().contains(QStringLiteral("Assertion fehlgeschlagen (src/framework/plxTreeCell")));
    }
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, orphan.fitHeight());
}

void tst_plxTreeCell::drawing()
{
    auto rows = fontedRowSettings();
    TPLXTreeColSettings cols;
    TPLXTreeSimpleTextCellType type;
    auto cell = cellOf<TPLXTreeSimpleTextCell>(type, rows.get(), &cols);
    cell->SetText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    TPLXTreeCellDrawer *drawer = cell->cellDrawer();
    QCOMPARE(cell->getDrawer(vtGanttGraph), drawer);

    drawer->setLayout(TRect{80, 10, 160, 40});
    QCOMPARE(drawer->getLayout(), (TRect{80, 10, 160, 40}));
    const QList<bool> hits{drawer->locateObject(80, 10) == cell.get(), drawer->locateObject(160, 40) == cell.get(),
                           drawer->locateObject(79, 20) == nullptr, drawer->locateObject(100, 41) == nullptr};
    QCOMPARE(hits, QList<bool>({true, true, true, true}));

    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 0, 120, 60});
        drawer->Draw(vc);
    }
    // The editor area is the visible part of the layout.
    QCOMPARE(drawer->getControlArea(), (TRect{80, 10, 120, 40}));
    int background = 0;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = QColorToColor(QColor(image.pixel(x, y)));
            const bool inside = x >= 80 && x < 120 && y >= 10 && y < 40;
            if (!inside && c != clWhite)
                QFAIL(qPrintable(QStringLiteral("painted outside the visible layout at %1,%2").arg(x).arg(y)));
            background += inside && c == clYellow;
            ink += inside && qGray(image.pixel(x, y)) < 100;
        }
    }
    QVERIFY(background > 0);
    QVERIFY(ink > 0);
}

void tst_plxTreeCell::automaticColumns()
{
    TPLXGanttRow empty;
    TPLXGanttRow busy;
    addTask(busy, kMarch5 + 2, kMarch5 + 4);
    addTask(busy, kMarch5, kMarch5 + 1.5);
    addTask(busy, kMarch5 + 3, kMarch5 + 9.25);
    TPLXTreeAutoCellStartDate start;
    TPLXTreeAutoCellEndDate end;
    QCOMPARE(QStringList({start.calculateValue(&empty), end.calculateValue(&empty), start.calculateValue(nullptr)}),
             QStringList({QString(), QString(), QString()}));
    QCOMPARE(start.calculateValue(&busy), QStringLiteral("05.03.2024"));
    QCOMPARE(end.calculateValue(&busy), QStringLiteral("14.03.2024"));
    QVERIFY(start.lessThan(&empty, &busy) && !start.lessThan(&busy, &empty));
    QVERIFY(end.lessThan(&empty, &busy) && !end.lessThan(&busy, &empty));
    TPLXGanttRow earlier;
    addTask(earlier, kMarch5 - 1, kMarch5 + 20);
    QVERIFY(start.lessThan(&earlier, &busy) && !start.lessThan(&busy, &earlier));
    QVERIFY(end.lessThan(&busy, &earlier) && !end.lessThan(&earlier, &busy));

    TPLXTreeAutoCellTaskNameType name;
    TPLXGanttRow named;
    named.createPertBar(0, 0)->mainSection()->setText(QStringLiteral("Build"));
    TPLXGanttRow alsoNamed;
    alsoNamed.createPertBar(1, 0)->mainSection()->setText(QStringLiteral("Analyse"));
    QCOMPARE(name.calculateValue(&empty), QString());
    QCOMPARE(name.calculateValue(&named), QStringLiteral("Build"));
    QVERIFY(name.lessThan(&empty, &named) && !name.lessThan(&named, &empty));
    QVERIFY(name.lessThan(&alsoNamed, &named) && !name.lessThan(&named, &alsoNamed));
    alsoNamed.pertBar()->mainSection()->setText(QStringLiteral("Build"));
    QVERIFY(name.lessThan(&alsoNamed, &named) != name.lessThan(&named, &alsoNamed));

    // Outside a tree an automatic cell has no gantt row and computes the empty text.
    TPLXTreeAutoCellNumber number;
    auto cell = cellOf<TPLXTreeAutoCell>(end);
    cell->SetText(QStringLiteral("stale"));
    cell->updateText();
    QCOMPARE(cell->GetText(), QString());
    QVERIFY(!cell->DataTypeClass());
    QCOMPARE(number.calculateValue(&busy), QString());
}

void tst_plxTreeCell::persistenceRoundTrip_data()
{
    QTest::addColumn<QByteArray>("typeSection");
    QTest::addColumn<QString>("cellClass");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantMap>("typeProperties");
    QTest::addColumn<QString>("reloadedText");

    const double afternoon = kMarch5 + (14 * 60 + 30) / 1440.0;
    const auto add = [](const char *row, const QByteArray &type, const char *cellClass, const char *property,
                        const QVariant &value, const QString &text, const QVariantMap &typeProperties,
                        const QString &reloadedText) {
        QTest::newRow(row) << type << QString::fromLatin1(cellClass) << QString::fromLatin1(property) << value << text
                           << typeProperties << reloadedText;
    };
    add("simple text", "typeID=Simple Text Type\n", "TPLXTreeSimpleTextCell", "Text", QStringLiteral("Hello"),
        "Hello", {}, "Hello");
    add("multiline text", "typeID=Multiline Text Type\n", "TPLXTreeMultilineTextCell", "Text",
        QStringLiteral("two words"), "two words", {}, "two words");
    add("date, type default without time", "typeID=Date Time Type\n", "TPLXTreeDateTimeCell", "Date", afternoon,
        "05.03.2024", {{QStringLiteral("NoTime"), true}}, "05.03.2024");
    // The type writes its id only, so a reloaded column is back to its default: no time.
    add("date with time", "typeID=Date Time Type\nnoTime=0\n", "TPLXTreeDateTimeCell", "Date", afternoon,
        "05.03.2024 14:30", {{QStringLiteral("NoTime"), false}}, "05.03.2024");
    add("spin", "typeID=Spin Type\nmin=-5\nmax=99\n", "TPLXTreeSpinCell", "Number", 42, "42",
        {{QStringLiteral("Min"), -5}, {QStringLiteral("Max"), 99}}, "42");
    add("currency", "typeID=Currency Type\n", "TPLXTreeCurrencyCell", "Value", 1234.5, PLXCurrencyText(1234.5), {},
        PLXCurrencyText(1234.5));
    add("combo", "typeID=Combo Type\nitems#count=2\nitems#0=low\nitems#1=high\n", "TPLXTreeComboCell", "Text",
        QStringLiteral("high"), "high", {{QStringLiteral("Items"), QStringList{"low", "high"}}}, "high");
    add("image combo", "typeID=Image Combo Type\nitems#count=2\nitems#0=a\nitems#1=b\n", "TPLXTreeImageComboCell",
        "Text", QStringLiteral("b"), "b", {{QStringLiteral("Items"), QStringList{"a", "b"}}}, "b");
    add("button edit", "typeID=Button Edit Type\n", "TPLXTreeButtonEditCell", "Text", QStringLiteral("..."), "...", {},
        "...");
    // Computed texts are written for readers of the file but never read back.
    for (const char *id : {"Tree AutoCellType.StartDate", "Tree AutoCellType.EndDate", "Tree AutoCellType.Number",
                           "AutoCellType.TaskName"})
        add(id, QByteArray("typeID=") + id + '\n', "TPLXTreeAutoCell", "Text", QStringLiteral("computed"), "computed",
            {}, QString());
}

void tst_plxTreeCell::persistenceRoundTrip()
{
    QFETCH(QByteArray, typeSection);
    QFETCH(QString, cellClass);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QFETCH(QVariantMap, typeProperties);
    QFETCH(QString, reloadedText);

    TPLXRecordingScope recording;
    PLXMedia source = plxMediaFromText("[type]\n" + typeSection);
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> typeObject(factory.loadObject(QStringLiteral("type"), *source, nullptr));
    auto *type = dynamic_cast<TPLXTreeCellType *>(typeObject.get());
    QVERIFY(type);
    for (auto it = typeProperties.cbegin(); it != typeProperties.cend(); ++it)
        QCOMPARE(type->property(qPrintable(it.key())), it.value());

    auto rows = fontedRowSettings();
    TPLXTreeColSettings cols;
    cols.FWidth = 77;
    std::unique_ptr<TPLXTreeCell> cell(type->CreateTreeCell(rows.get(), &cols, nullptr));
    QCOMPARE(QString::fromLatin1(cell->metaObject()->className()), cellClass);
    QVERIFY(cell->setProperty(qPrintable(property), value));
    QCOMPARE(cell->GetText(), text);

    PLXMedia store = plxMediaFromText(QByteArray());
    TPLXEntityFactory saver;
    cell->doSave(QStringLiteral("ignored"), *store, saver);
    // Types write their id only; their other keys come from hand-written files.
    const QString typeUid = type->getUID();
    QCOMPARE(store->strValue(cell->getUID(), QStringLiteral("dataType"), QString()), typeUid);
    for (const char *key : {"noTime", "min", "max", "items#count"})
        QCOMPARE(store->strValue(typeUid, QLatin1String(key), QStringLiteral("absent")), QStringLiteral("absent"));

    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> reloadedObject(loader.loadObject(cell->getUID(), *store, nullptr));
    auto *reloaded = dynamic_cast<TPLXTreeCell *>(reloadedObject.get());
    QVERIFY(reloaded);
    QCOMPARE(QString::fromLatin1(reloaded->metaObject()->className()), cellClass);
    QVERIFY(reloaded->GetDataType());
    QCOMPARE(reloaded->GetDataType()->metaObject(), type->metaObject());
    QCOMPARE(reloaded->GetDataType()->getParent(), reloaded);
    QCOMPARE(reloaded->GetText(), reloadedText);
    if (value.typeId() == QMetaType::Double)
        QVERIFY(qAbs(reloaded->property(qPrintable(property)).toDouble() - value.toDouble()) < 1e-9);
    else if (!reloadedText.isEmpty())
        QCOMPARE(reloaded->property(qPrintable(property)), value);
    QCOMPARE(reloaded->getColSettings()->FWidth, 77);
    QCOMPARE(reloaded->getRowSettings()->FColor, clYellow);
    QVERIFY(reloaded->GetTextArranger());
    QCOMPARE(recording.recorder.messages, QStringList());
}

void tst_plxTreeCell::brokenCellSections()
{
    TPLXRecordingScope recording;
    PLXMedia store = plxMediaFromText("[cell]\ntypeID=Tree Spin Cell\nnumber=7\ndataType=kind\n"
                                      "[kind]\ntypeID=Spin Kind\n"
                                      "[plain]\ntypeID=Tree Cell\n");
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> object(factory.loadObject(QStringLiteral("cell"), *store, nullptr));
    auto *cell = dynamic_cast<TPLXTreeSpinCell *>(object.get());
    QVERIFY(cell);
    QCOMPARE(cell->GetNumber(), 7);
    QCOMPARE(cell->GetText(), QStringLiteral("7"));
    QVERIFY(!cell->GetDataType());
    // Missing settings are replaced by records of the cell's own, so it still draws.
    QVERIFY(cell->getRowSettings() && cell->getColSettings() && cell->GetTextArranger());
    QCOMPARE(recording.recorder.messages,
             QStringList({QStringLiteral("Warning: Unknown type idSpin Kind"), QStringLiteral("Error loading kind")}));
    QVERIFY(recording.recorder.logLines.contains(
        QStringLiteral("Unable to locate child object named: \"rowSettings\". Parent name = \"cell\"")));

    // A plain cell has no value: it loads, and writes nothing.
    std::unique_ptr<TPLXGanttObject> plain(factory.loadObject(QStringLiteral("plain"), *store, nullptr));
    QVERIFY(dynamic_cast<TPLXTreeCell *>(plain.get()));
    PLXMedia out = plxMediaFromText(QByteArray());
    plain->doSave(QString(), *out, factory);
    QCOMPARE(out->strValue(plain->getUID(), QStringLiteral("typeID"), QStringLiteral("none")), QStringLiteral("none"));
}

void tst_plxTreeCell::gridColumns()
{
    TreeDocument tree;
    QCOMPARE(tree.grid->rowsCount(), 3);
    auto *number = dynamic_cast<TPLXTreeAutoCell *>(tree.cell(1, 0));
    QVERIFY(number);
    QCOMPARE(number->ganttRow(), tree.doc.table->getRow(1));
    QCOMPARE(QList<int>({number->GetColumnIndex(), tree.cell(1, 1)->GetColumnIndex()}), QList<int>({0, 1}));

    // Numbers are computed when drawn: hierarchical, or continuous when the grid says so.
    QStringList texts;
    for (bool continuous : {false, true}) {
        tree.grid->FContinuousNumbering = continuous;
        for (int row = 0; row < 3; ++row) {
            auto *cell = static_cast<TPLXTreeAutoCell *>(tree.cell(row, 0));
            QImage image(50, 20, QImage::Format_RGB32);
            QPainter painter(&image);
            TPLXCanvasVC vc(painter);
            vc.setVisibleArea({0, 0, 50, 20});
            cell->cellDrawer()->setLayout(TRect{0, 0, 50, 20});
            cell->cellDrawer()->Draw(vc);
            texts << cell->GetText();
        }
    }
    QCOMPARE(texts, QStringList({"1.", "1.1.", "2.", "1.", "2.", "3."}));

    // Wrapping follows the header cell's width, not the width the cell was made with.
    TPLXTreeCell *button = tree.cell(0, 1);
    button->SetText(QStringLiteral("several words that need a few lines"));
    const int narrow = button->fitHeight();
    tree.headerOf->getHeaderCell(1)->setWidth(2000);
    const int wide = button->fitHeight();
    QVERIFY2(wide < narrow, qPrintable(QStringLiteral("%1 vs %2").arg(wide).arg(narrow)));
    QCOMPARE(button->getColSettings()->FWidth, 40);

    // A saved and reloaded button-edit column keeps its kind, and so do the rows made for it.
    PLXMedia store = plxMediaFromText(QByteArray());
    TPLXEntityFactory saver;
    TPLXTreeHeaderCell *column = tree.headerOf->getHeaderCell(1);
    column->doSave(column->getUID(), *store, saver);
    TPLXRecordingScope recording;
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> reloaded(loader.loadObject(column->getUID(), *store, nullptr));
    auto *reloadedColumn = dynamic_cast<TPLXTreeHeaderCell *>(reloaded.get());
    QVERIFY(reloadedColumn);
    QVERIFY(dynamic_cast<TPLXTreeButtonEditCellType *>(reloadedColumn->GetDataType()));
    auto header = std::make_unique<TPLXTreeHeader>();
    header->insertHeaderCell(0, static_cast<TPLXTreeHeaderCell *>(reloaded.release()));
    TPLXTreeRow row(header.get(), tree.rowSettings.get(), nullptr);
    QVERIFY(dynamic_cast<TPLXTreeButtonEditCell *>(row.getCell(0)));
    QCOMPARE(recording.recorder.messages, QStringList());
}

void tst_plxTreeCell::columnWidthOperation()
{
    TreeDocument tree(120, 40);
    TPLXRecordingScope recording;
    TPLXDataSource source;
    QList<QPair<TPLXTreeHeaderCell *, int>> events;
    source.onTreeColumnResize = [&](TPLXTreeHeaderCell *column, int width) { events.append({column, width}); };
    TPLXTreeHeaderCell *column = tree.headerOf->getHeaderCell(1);
    TPLXTreeCellResizeOperation op(&source, column, 90);
    column->setWidth(60); // the operation undoes to the width it saw when it was made
    QVERIFY(op.perform());
    QCOMPARE(column->getWidth(), 90);
    QVERIFY(op.undo());
    QCOMPARE(column->getWidth(), 40);
    QVERIFY(op.perform());
    QCOMPARE(events, (QList<QPair<TPLXTreeHeaderCell *, int>>{{column, 90}, {column, 40}, {column, 90}}));

    TPLXTreeCellResizeOperation detached(nullptr, column, 10);
    QVERIFY(detached.perform());
    QCOMPARE(column->getWidth(), 10);
    QCOMPARE(events.size(), 3);
}

QTEST_MAIN(tst_plxTreeCell)
#include "tst_plxTreeCell.moc"
