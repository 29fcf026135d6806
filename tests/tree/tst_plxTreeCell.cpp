// Tree cells: value texts, the sort order of every kind, text measuring, drawing, automatic columns, the stored form
// of every kind and the column width operation.
#include "plxChartFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxDataSource.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTestSupport.h"
#include "plxTimeMode.h"
#include "plxTreeCell.h"
#include "plxTreeFixture.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxVisualContext.h"

#include <QtTest>

namespace {

const TDateTime kMarch5 = PLXEncodeDate(2024, 3, 5);
const TDateTime kAfternoon = kMarch5 + (14 * 60 + 30) / 1440.0;
using Order = QPair<bool, bool>;

// Row settings with a real font, so that the arranger measures and draws.
std::unique_ptr<TPLXTreeRowSettings> fontedRowSettings()
{
    auto settings = std::make_unique<TPLXTreeRowSettings>();
    settings->setFont(TPLXFont{QFont(QStringLiteral("DejaVu Sans"), 10), clBlack});
    settings->setColor(clYellow);
    return settings;
}

template<typename Cell = TPLXTreeCell>
std::unique_ptr<Cell> cellOf(TPLXTreeCellType &type, TPLXTreeRowSettings *rows = nullptr,
                             TPLXTreeColSettings *cols = nullptr)
{
    auto *cell = dynamic_cast<Cell *>(type.CreateTreeCell(rows, cols, nullptr));
    Q_ASSERT(cell && cell->GetDataType() == &type);
    return std::unique_ptr<Cell>(cell);
}

// A cell of the given kind with a value set through its published property.
std::unique_ptr<TPLXTreeCell> cellWith(TPLXTreeCellType &type, const char *property, const QVariant &value)
{
    std::unique_ptr<TPLXTreeCell> cell = cellOf(type);
    cell->setProperty(property, value);
    return cell;
}

// Whether a orders before b, and whether b orders before a.
Order order(TPLXTreeCell &a, TPLXTreeCell &b)
{
    return {a.lessThan(&b), b.lessThan(&a)};
}

// Of two cells with the same value exactly one orders before the other, and none before itself.
bool equivalent(TPLXTreeCellType &type, const char *property, const QVariant &value)
{
    const auto a = cellWith(type, property, value);
    const auto b = cellWith(type, property, value);
    return !a->lessThan(b.get()) && !b->lessThan(a.get());
}

} // namespace

class tst_plxTreeCell : public QObject
{
    Q_OBJECT

private slots:
    void valuesAndOrderOfEveryKind()
    {
        TPLXTreeDateTimeCellType dateType;
        TPLXTreeSpinCellType spinType;
        TPLXTreeSimpleTextCellType textType;
        TPLXTreeButtonEditCellType buttonType;
        TPLXTreeCurrencyCellType currencyType;
        TPLXTreeComboCellType comboType;
        auto date = cellWith(dateType, "Date", kMarch5);
        auto nine = cellWith(spinType, "Number", 9);
        auto upper = cellWith(textType, "Text", "Zeta");

        // Date texts: a column shows no time by default; midnight keeps its time, a moment before midnight is the
        // next day, years are padded.
        TPLXTreeDateTimeCellType withTime;
        withTime.setNoTime(false);
        const auto timeText = [&](TDateTime value) { return cellWith(withTime, "Date", value)->GetText(); };
        QCOMPARE((QStringList{cellWith(dateType, "Date", 0.0)->GetText(), timeText(kMarch5),
                              timeText(kMarch5 + 1 - 1e-9), timeText(PLXEncodeDate(987, 1, 2) + 0.25)}),
                 (QStringList{"30.12.1899", "05.03.2024 00:00", "06.03.2024 00:00", "02.01.0987 06:00"}));

        // Equal values are equivalent: a sort keeps their order.
        QVERIFY(equivalent(dateType, "Date", kMarch5) && equivalent(spinType, "Number", 9) &&
                equivalent(textType, "Text", "Z"));
        // Spins order by number, not by the texts "9" and "10"; texts ordinally, upper case first; across kinds
        // a text orders before anything else and a spin after nothing; currencies do not order at all.
        QCOMPARE((QList<Order>{order(*date, *cellWith(dateType, "Date", kMarch5 + 0.5)),
                               order(*nine, *cellWith(spinType, "Number", 10)),
                               order(*upper, *cellWith(textType, "Text", "a")), order(*date, *nine),
                               order(*cellWith(buttonType, "Text", "Beta"), *upper), order(*upper, *nine),
                               order(*cellWith(currencyType, "Value", 1.0), *cellWith(currencyType, "Value", 2.0))}),
                 (QList<Order>{{true, false},
                               {true, false},
                               {true, false},
                               {true, false},
                               {true, false},
                               {true, false},
                               {false, false}}));
        QVERIFY(!cellOf(comboType)->lessThan(upper.get()));

        QCOMPARE(cellOf(spinType)->GetText(), QString()); // a new cell shows nothing until it gets a value

        // Automatic columns compute their values from the gantt row.
        TPLXGanttRow empty;
        TPLXGanttRow busy;
        for (const auto &[start, end] : {std::pair{2.0, 4.0}, {0.0, 1.5}, {3.0, 9.25}})
            busy.AddBar(std::make_unique<TPLXTaskBar>(kMarch5 + start, kMarch5 + end).release());
        TPLXGanttRow earlier;
        earlier.AddBar(std::make_unique<TPLXTaskBar>(kMarch5 - 1, kMarch5 + 20).release());
        TPLXGanttRow named;
        named.createPertBar(0, 0)->mainSection()->setText(QStringLiteral("Build"));
        TPLXGanttRow alsoNamed;
        alsoNamed.createPertBar(1, 0)->mainSection()->setText(QStringLiteral("Analyse"));
        TPLXTreeAutoCellStartDate start;
        TPLXTreeAutoCellEndDate end;
        TPLXTreeAutoCellTaskNameType name;
        QCOMPARE((QStringList{start.calculateValue(&empty), end.calculateValue(&empty), start.calculateValue(nullptr),
                              start.calculateValue(&busy), end.calculateValue(&busy), name.calculateValue(&empty),
                              name.calculateValue(&named), TPLXTreeAutoCellNumber().calculateValue(&busy)}),
                 (QStringList{"", "", "", "05.03.2024", "14.03.2024", "", "Build", ""}));
        // Rows without a value come first; dates by the earliest start and the latest end; names by text.
        const auto rowOrder = [](TPLXTreeAutoCellType &type, TPLXGanttRow &a, TPLXGanttRow &b) {
            return Order{type.lessThan(&a, &b), type.lessThan(&b, &a)};
        };
        QCOMPARE((QList<Order>{rowOrder(start, empty, busy), rowOrder(end, empty, busy),
                               rowOrder(start, earlier, busy), rowOrder(end, busy, earlier),
                               rowOrder(name, empty, named), rowOrder(name, alsoNamed, named)}),
                 QList<Order>(6, {true, false}));
        alsoNamed.pertBar()->mainSection()->setText(QStringLiteral("Build"));
        QVERIFY(!name.lessThan(&alsoNamed, &named) && !name.lessThan(&named, &alsoNamed));
    }

    void measuringAndDrawing()
    {
        auto rows = fontedRowSettings();
        TPLXTreeColSettings cols;
        cols.setWidth(60);
        TPLXGanttObject owner;
        TPLXTreeSimpleTextCellType type;
        TPLXTreeCell *cell = type.CreateTreeCell(rows.get(), &cols, &owner);
        TPLXTextArranger *arranger = cell->GetTextArranger();
        // The cell measures with copies: changing the originals later does not reach it.
        QVERIFY(cell->getRowSettings() != rows.get() && cell->getColSettings() != &cols &&
                cell->getRowSettings()->getParent() == cell);

        cell->SetText(QString());
        QCOMPARE(cell->getMaxWidth(), 10);
        // The widest line counts, wherever it is; only CR LF ends a line.
        const int wide = arranger->getTextWidth(QStringLiteral("a much longer line"));
        for (const char *text :
             {"short\r\na much longer line", "a much longer line\r\nshort", "a much\n longer line\r\nshort"}) {
            cell->SetText(QString::fromLatin1(text));
            QCOMPARE(cell->getMaxWidth(), wide);
        }

        // Without a grid the cell's column settings give the wrap width.
        cell->SetText(QString());
        const int oneLine = cell->fitHeight();
        QVERIFY(oneLine > 0);
        cell->SetText(QStringLiteral("several words that cannot share one narrow line"));
        QVERIFY(cell->fitHeight() >= 3 * oneLine);

        // Drawing: the cell's layout is its hit area; it paints only the visible part of it.
        TPLXTreeCellDrawer *drawer = cell->cellDrawer();
        drawer->setLayout(TRect{80, 10, 160, 40});
        PLX_COMPARE_EACH(TPLXGanttObject *,
                         ({drawer->locateObject(80, 10), drawer->locateObject(160, 40), drawer->locateObject(79, 20),
                           drawer->locateObject(100, 41)}),
                         ({cell, cell, nullptr, nullptr}));

        plxtest::Canvas canvas(200, 60);
        canvas.vc->setVisibleArea({0, 0, 120, 60});
        drawer->Draw(*canvas.vc);
        const QImage image = canvas.finish();
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
        QVERIFY(background > 0 && ink > 0);
    }

    void persistenceRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("typeSection");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariantMap>("typeProperties");
        QTest::addColumn<QString>("reloadedText");
        // Without a reloaded text the cell reads back the text it wrote.
        const auto add = [](const char *row, const QByteArray &type, const char *property, const QVariant &value,
                            const QString &text, const QVariantMap &typeProperties = {},
                            const char *reloadedText = nullptr) {
            QTest::newRow(row) << "typeID=" + type + '\n'
                               << QString::fromLatin1(property) << value << text << typeProperties
                               << (reloadedText ? QString::fromLatin1(reloadedText) : text);
        };
        add("simple text", "Simple Text Type", "Text", "Hello", "Hello");
        add("multiline text", "Multiline Text Type", "Text", "two words", "two words");
        add("button edit", "Button Edit Type", "Text", "...", "...");
        add("date, type default without time", "Date Time Type", "Date", kAfternoon, "05.03.2024", {{"NoTime", true}});
        add("date with time", "Date Time Type\nnoTime=0", "Date", kAfternoon, "05.03.2024 14:30", {{"NoTime", false}});
        add("spin", "Spin Type\nmin=-5\nmax=99", "Number", 42, "42", {{"Min", -5}, {"Max", 99}});
        add("currency", "Currency Type", "Value", 1234.5, PLXCurrencyText(1234.5));
        add("combo", "Combo Type\nitems#count=2\nitems#0=low\nitems#1=high", "Text", "high", "high",
            {{"Items", QStringList{"low", "high"}}});
        add("image combo", "Image Combo Type\nitems#count=2\nitems#0=a\nitems#1=b", "Text", "b", "b",
            {{"Items", QStringList{"a", "b"}}});
        // Computed texts are written for readers of the file but never read back.
        for (const char *id : {"Tree AutoCellType.StartDate", "Tree AutoCellType.EndDate", "Tree AutoCellType.Number",
                               "AutoCellType.TaskName"})
            add(id, id, "Text", "computed", "computed", {}, "");
    }

    void persistenceRoundTrip()
    {
        QFETCH(QByteArray, typeSection);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QFETCH(QVariantMap, typeProperties);
        QFETCH(QString, reloadedText);

        TPLXRecordingScope recording;
        std::unique_ptr<TPLXGanttObject> typeObject(
            TPLXEntityFactory().loadObject(QStringLiteral("type"), *plxtest::mediaFromText("[type]\n" + typeSection),
                                           nullptr));
        auto *type = dynamic_cast<TPLXTreeCellType *>(typeObject.get());
        QVERIFY(type);
        for (auto it = typeProperties.cbegin(); it != typeProperties.cend(); ++it)
            QCOMPARE(type->property(qPrintable(it.key())), it.value());

        auto rows = fontedRowSettings();
        TPLXTreeColSettings cols;
        cols.setWidth(77);
        std::unique_ptr<TPLXTreeCell> cell(type->CreateTreeCell(rows.get(), &cols, nullptr));
        QVERIFY(cell->setProperty(qPrintable(property), value));
        QCOMPARE(cell->GetText(), text);

        PLXMedia store = plxtest::mediaFromText(QByteArray());
        TPLXEntityFactory saver;
        cell->doSave(QStringLiteral("ignored"), *store, saver);
        QCOMPARE(store->strValue(cell->getUID(), QStringLiteral("dataType"), QString()), type->getUID());

        std::unique_ptr<TPLXGanttObject> reloadedObject(
            TPLXEntityFactory().loadObject(cell->getUID(), *store, nullptr));
        auto *reloaded = dynamic_cast<TPLXTreeCell *>(reloadedObject.get());
        QVERIFY(reloaded && reloaded->metaObject() == cell->metaObject() && reloaded->GetDataType() &&
                reloaded->GetTextArranger());
        QVERIFY(reloaded->GetDataType()->metaObject() == type->metaObject() &&
                reloaded->GetDataType()->getParent() == reloaded);
        QCOMPARE(reloaded->GetText(), reloadedText);
        const QVariant reloadedValue = reloaded->property(qPrintable(property));
        QVERIFY(value.typeId() == QMetaType::Double ? qAbs(reloadedValue.toDouble() - value.toDouble()) < 1e-9
                                                    : reloadedText.isEmpty() || reloadedValue == value);
        PLX_COMPARE_EACH(int, ({reloaded->getColSettings()->getWidth(), reloaded->getRowSettings()->getColor()}),
                         ({77, clYellow}));
        QCOMPARE(recording.recorder().messages(), QStringList());
    }

    void gridColumns()
    {
        // A document with three table rows and a tree A (child A1), B over them, with a number column and a
        // button-edit column 40 wide.
        plxtest::Chart chart(3);
        TPLXTreeHeader *header = std::make_unique<TPLXTreeHeader>().release();
        std::unique_ptr<TPLXTreeCellType> types[] = {std::make_unique<TPLXTreeAutoCellNumber>(),
                                                     std::make_unique<TPLXTreeButtonEditCellType>()};
        for (std::unique_ptr<TPLXTreeCellType> &type : types) {
            auto column = std::make_unique<TPLXTreeHeaderCell>();
            column->setSettings(std::make_unique<TPLXTreeColSettings>().release());
            column->getSettings()->setWidth(40);
            column->SetDataType(type.release());
            header->insertHeaderCell(header->countCells(), column.release());
        }
        TPLXTreeGrid *grid = chart.doc.tree =
            plxtest::attachTree(&chart.doc, {0, 1, 0}, header, fontedRowSettings().release());
        const auto cell = [&](int row, int column) { return grid->getRow(row)->getCell(column); };
        QCOMPARE(dynamic_cast<TPLXTreeAutoCell &>(*cell(1, 0)).ganttRow(), chart.table->getRow(1));

        // Numbers are computed when drawn: hierarchical, or continuous when the grid says so.
        plxtest::Canvas canvas(50, 20);
        QStringList texts;
        for (bool continuous : {false, true}) {
            grid->setContinuousNumbering(continuous);
            for (int row = 0; row < 3; ++row) {
                cell(row, 0)->cellDrawer()->setLayout(TRect{0, 0, 50, 20});
                cell(row, 0)->cellDrawer()->Draw(*canvas.vc);
                texts << cell(row, 0)->GetText();
            }
        }
        QCOMPARE(texts, QStringList({"1.", "1.1.", "2.", "1.", "2.", "3."}));

        // The width operation undoes to the width it replaced, and tells the data source.
        TPLXRecordingScope recording;
        TPLXDataSource source;
        QList<QPair<TPLXTreeHeaderCell *, int>> events;
        source.setOnTreeColumnResize([&](TPLXTreeHeaderCell *column, int width) { events.append({column, width}); });
        TPLXTreeHeaderCell *column = header->getHeaderCell(1);
        TPLXTreeCellResizeOperation op(&source, column, 90);
        column->setWidth(60);
        const auto widthAfter = [&](bool done) { return done ? column->getWidth() : -1; };
        PLX_COMPARE_EACH(int, ({widthAfter(op.perform()), widthAfter(op.undo()), widthAfter(op.perform())}),
                         ({90, 60, 90}));
        QCOMPARE(events, (QList<QPair<TPLXTreeHeaderCell *, int>>{{column, 90}, {column, 60}, {column, 90}}));
        TPLXTreeCellResizeOperation detached(nullptr, column, 10);
        QVERIFY(detached.perform() && column->getWidth() == 10 && events.size() == 3);

        // Wrapping follows the header cell's width, not the width the cell was made with.
        TPLXTreeCell *button = cell(0, 1);
        button->SetText(QStringLiteral("several words that need a few lines"));
        const int narrow = button->fitHeight();
        column->setWidth(2000);
        QVERIFY2(button->fitHeight() < narrow, qPrintable(QString::number(narrow)));
    }
};

QTEST_MAIN(tst_plxTreeCell)
#include "tst_plxTreeCell.moc"
