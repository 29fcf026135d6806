#include "plxDesignerPlugin.h"
#include "plxDataSourceComponent.h"
#include "plxGanttGraph.h"
#include "plxPertGraph.h"
#include "plxSpinEdit.h"
#include "qelPrintPreview.h"

#include <QPainter>
#include <QPixmap>

namespace {

const QColor kInk(0x1F, 0x4E, 0x79);
const QColor kFill(0xBD, 0xD7, 0xEE);
const QColor kAccent(0xE0, 0x6C, 0x1F);

template<typename Widget>
QWidget *plain(QWidget *parent, bool)
{
    return new Widget(parent);
}

void drawDataSource(QPainter &p)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kFill);
    p.drawRoundedRect(QRectF(7, 4, 18, 24), 9, 4);
    p.drawEllipse(QRectF(7, 4, 18, 8));
}

void drawGantt(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFill);
    p.drawRect(QRectF(3, 5, 14, 5));
    p.drawRect(QRectF(11, 14, 12, 5));
    p.setBrush(kAccent);
    p.drawRect(QRectF(18, 23, 11, 5));
    p.drawLine(QPointF(17, 7.5), QPointF(20, 7.5));
    p.drawLine(QPointF(20, 7.5), QPointF(20, 14));
}

void drawPert(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFill);
    p.drawRect(QRectF(2, 4, 11, 9));
    p.drawRect(QRectF(19, 19, 11, 9));
    p.drawLine(QPointF(13, 8.5), QPointF(24.5, 8.5));
    p.drawLine(QPointF(24.5, 8.5), QPointF(24.5, 19));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(22, 15), QPointF(27, 15), QPointF(24.5, 19)}));
}

void drawPreview(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 2, 20, 27));
    for (int y = 7; y <= 22; y += 5)
        p.drawLine(QPointF(9, y), QPointF(y % 2 ? 23 : 19, y));
}

void drawSpinEdit(QPainter &p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 8, 28, 16));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({QPointF(22, 14), QPointF(28, 14), QPointF(25, 10)}));
    p.drawPolygon(QPolygonF({QPointF(22, 18), QPointF(28, 18), QPointF(25, 22)}));
    p.drawText(QRectF(4, 8, 16, 16), Qt::AlignCenter, QStringLiteral("42"));
}

} // namespace

TPLXDesignerComponent::TPLXDesignerComponent(Description description, QObject *parent)
    : QObject(parent)
    , FDescription(std::move(description))
{
}

QIcon TPLXDesignerComponent::icon() const
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    FDescription.drawIcon(painter);
    painter.end();
    return QIcon(pixmap);
}

QWidget *TPLXDesignerComponent::createWidget(QWidget *parent)
{
    return FDescription.create(parent, FDesignTime);
}

void TPLXDesignerComponent::initialize(QDesignerFormEditorInterface *core)
{
    FInitialized = true;
    FDesignTime = core != nullptr;
}

QString TPLXDesignerComponent::domXml() const
{
    QString object = FDescription.name.mid(1);
    object[0] = object[0].toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          "  <property name=\"toolTip\"><string>%5</string></property>\n"
                          "  <property name=\"whatsThis\"><string>%6</string></property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(FDescription.name, object)
        .arg(FDescription.size.width())
        .arg(FDescription.size.height())
        .arg(FDescription.toolTip.toHtmlEscaped(), FDescription.whatsThis.toHtmlEscaped());
}

TPLXDesignerCollection::TPLXDesignerCollection(QObject *parent)
    : QObject(parent)
{
    const auto add = [this](TPLXDesignerComponent::Description description) {
        FComponents.append(new TPLXDesignerComponent(std::move(description), this));
    };
    add({QStringLiteral("TPLXDataSourceComponent"),
         QStringLiteral("plxDataSourceComponent.h"),
         QStringLiteral("Chart data source"),
         QStringLiteral("Owns one chart document: set its storage to open a plan, and name it in the "
                        "dataSource property of the charts and previews that show it. Invisible at run time."),
         {32, 32},
         [](QWidget *parent, bool designTime) {
             auto *component = new TPLXDataSourceComponent(parent);
             component->setDesignTime(designTime);
             return component;
         },
         drawDataSource});
    add({QStringLiteral("TPLXGanttGraph"),
         QStringLiteral("plxGanttGraph.h"),
         QStringLiteral("Gantt chart"),
         QStringLiteral("Task tree, time scale, bars, dependencies and critical path of the bound data source, "
                        "with mouse and keyboard editing and undo."),
         {600, 300},
         plain<TPLXGanttGraph>,
         drawGantt});
    add({QStringLiteral("TPLXPertGraph"),
         QStringLiteral("plxPertGraph.h"),
         QStringLiteral("PERT chart"),
         QStringLiteral("The bound data source as a network of task boxes and their dependencies, beside the task "
                        "tree, with mouse and keyboard editing and undo."),
         {600, 300},
         plain<TPLXPertGraph>,
         drawPert});
    add({QStringLiteral("TQeLPrintPreview"),
         QStringLiteral("qelPrintPreview.h"),
         QStringLiteral("Print preview"),
         QStringLiteral("Pages of the bound data source's chart as they will print, with page setup, profiles, "
                        "printing and PDF export."),
         {500, 400},
         plain<TQeLPrintPreview>,
         drawPreview});
    add({QStringLiteral("TPLXSpinEdit"),
         QStringLiteral("plxSpinEdit.h"),
         QStringLiteral("Spin edit"),
         QStringLiteral("A one-line integer box with up and down buttons, clamped to its minimum and maximum."),
         {80, 22},
         plain<TPLXSpinEdit>,
         drawSpinEdit});
}
