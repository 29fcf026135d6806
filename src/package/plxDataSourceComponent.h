// A data source as a form component: a small placeholder widget that owns a
// `TPLXDataSource`, shown only while a form is designed. Charts and previews
// name it in their "dataSource" property to bind to its data source.
#pragma once

#include "orvanta_export.h"

#include <QWidget>

class TPLXDataSource;

class ORVANTA_EXPORT TPLXDataSourceComponent : public QWidget
{
    Q_OBJECT
    // The document opened at once, e.g. "file:///home/me/plan.ini".
    Q_PROPERTY(QString storage READ getStorage WRITE setStorage)

public:
    explicit TPLXDataSourceComponent(QWidget *parent = nullptr);
    ~TPLXDataSourceComponent() override;

    TPLXDataSource *dataSource() const { return FDataSource; }
    QString getStorage() const;
    // A document that cannot be opened is reported and leaves the current one.
    void setStorage(const QString &name);

    // At design time the placeholder is visible; at run time it never shows.
    bool isDesignTime() const { return FDesignTime; }
    void setDesignTime(bool on);
    void setVisible(bool visible) override;
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TPLXDataSource *FDataSource; // child object
    bool FDesignTime = false;
};
