#include "plxDataSourceComponent.h"
#include "plxDataSource.h"
#include "plxPlatform.h"

#include <QPainter>

TPLXDataSourceComponent::TPLXDataSourceComponent(QWidget *parent)
    : QWidget(parent)
    , FDataSource(new TPLXDataSource(this))
{
    setFixedSize(sizeHint());
    setVisible(false);
}

TPLXDataSourceComponent::~TPLXDataSourceComponent() = default;

QString TPLXDataSourceComponent::getStorage() const
{
    return FDataSource->getStorage();
}

void TPLXDataSourceComponent::setStorage(const QString &name)
{
    try {
        FDataSource->setStorage(name);
    } catch (const EPLXError &error) {
        // A form being loaded has nobody to catch this; the document shown stays.
        PLXShowMessage(error.message());
    }
}

void TPLXDataSourceComponent::setDesignTime(bool on)
{
    FDesignTime = on;
    setVisible(on);
}

void TPLXDataSourceComponent::setVisible(bool visible)
{
    QWidget::setVisible(visible && FDesignTime);
}

void TPLXDataSourceComponent::paintEvent(QPaintEvent *)
{
    // A database drum, as forms show non-visual components.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1F, 0x4E, 0x79), 1.5));
    painter.setBrush(QColor(0xBD, 0xD7, 0xEE));
    const QRectF r = QRectF(rect()).adjusted(5, 3, -5, -3);
    painter.drawRoundedRect(r, r.width() / 2, 4);
    painter.drawEllipse(QRectF(r.left(), r.top(), r.width(), 8));
}
