// Pictures as shared entities: a picture resource names an image file beside
// the document (BMP or JPEG) so that several bars, glyphs and cells can show it.
#pragma once

#include "plxEntityFactory.h"

#include <QImage>
#include <QString>

#include <memory>
#include <optional>

class TPLXVisualContext;

// The class of a picture, which decides how it is read and stored.
enum class TPLXPictureFormat { pfBitmap, pfJpeg };

// An image together with the class it is read and written as.
class ORVANTA_EXPORT TPLXPicture
{
public:
    explicit TPLXPicture(TPLXPictureFormat format, QImage image = QImage());

    TPLXPictureFormat format() const { return FFormat; }
    const QImage &image() const { return FImage; }
    void setImage(QImage image);

    // A transparent picture draws without the pixels of its transparent colour:
    // the colour set for it, else that of its bottom-left pixel.
    bool isTransparent() const { return FTransparent; }
    void setTransparent(bool on) { FTransparent = on; }
    TColor transparentColor() const;
    void setTransparentColor(TColor colour);
    // The image as it is drawn: with the transparent colour left out when transparent.
    QImage drawable() const;

    // Reads the file as this picture's class; raises EPLXFileError naming the
    // file when it is missing, unreadable, truncated or not such a picture.
    void LoadFromFile(const QString &fileName);

private:
    TPLXPictureFormat FFormat;
    QImage FImage;
    bool FTransparent = true;
    std::optional<TColor> FTransparentColor;
    // The masked image, made on first use after a change.
    mutable QImage FMasked;
};

// Base of entities that stand for an external resource.
class ORVANTA_EXPORT TPLXResource : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(bool Valid READ isValid)
    Q_PROPERTY(QString ResourceID READ getResourceID)

public:
    explicit TPLXResource(const QString &resourceID = QString());

    bool isValid() const { return FValid; }
    QString getResourceID() const { return FResourceID; }

protected:
    bool FValid = false;
    QString FResourceID;
};

class ORVANTA_EXPORT TPLXPictureResource : public TPLXResource
{
    Q_GADGET
    PLX_ENTITY(TPLXPictureResource)
    Q_PROPERTY(QString FileName READ getFileName WRITE setFileName)
    Q_PROPERTY(QString MimeType READ getMimeType WRITE setMimeType)
    // Lets users that hold glyphs as plain entities read the picture by name.
    Q_PROPERTY(QImage Picture READ graphic)

public:
    // Starts with the placeholder picture.
    explicit TPLXPictureResource(const QString &resourceID = QString());
    ~TPLXPictureResource() override;

    // Stores the picture beside the document through the store's setGraphic,
    // then records the stored file name and MIME type; a store that cannot
    // write the picture raises EPLXFileError and nothing more is recorded.
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    TPLXPicture *getPicture() const { return FPicture.get(); }
    void setPicture(std::unique_ptr<TPLXPicture> picture);
    // The picture's image; null when the resource holds no picture.
    QImage graphic() const;
    // The picture's size in pixels; 0 x 0 without a picture.
    QSize size() const;
    bool isTransparent() const { return FPicture && FPicture->isTransparent(); }
    void setTransparent(bool on);
    // Loads the picture of class `mimeType` from the file, raising EPLXFileError on
    // failure; the picture keeps its transparency.
    void loadPicture(const QString &fileName, const QString &mimeType);

    // Makes this resource the stand-in for section `section`, whose file could not
    // be read: it shows the placeholder and saves the section's file name and
    // MIME type as they were, writing no picture.
    void setUnreadable(const QString &section, const QString &fileName, const QString &mimeType);
    bool isUnreadable() const { return FUnreadable; }

    QString getFileName() const { return FFileName; }
    void setFileName(const QString &fileName) { FFileName = fileName; }
    QString getMimeType() const { return FMimeType; }
    void setMimeType(const QString &mimeType) { FMimeType = mimeType; }

    // Drawing on a visual context, at natural size or stretched to a rectangle,
    // without the transparent colour when the picture is transparent.
    void Draw(TPLXVisualContext &vc, int x, int y) const;
    void StretchDraw(TPLXVisualContext &vc, const TRect &rect) const;

    // 100 x 100 white pixels crossed by both diagonals.
    static QImage placeholderImage();
    // The section name with characters that files cannot carry replaced by "_", plus the extension.
    static QString fileNameFor(const QString &sectionName, const QString &extension);
    // The picture class of a supported MIME type.
    static std::optional<TPLXPictureFormat> formatForMimeType(const QString &mimeType);

private:
    QString FFileName;
    QString FMimeType;
    std::unique_ptr<TPLXPicture> FPicture;
    bool FUnreadable = false;
};

class ORVANTA_EXPORT TPLXPictureResourcePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Picture Resource"); }

private:
    QString FFileName;
    QString FMimeType;
};
