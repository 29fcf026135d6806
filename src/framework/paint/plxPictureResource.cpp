#include "plxPictureResource.h"

#include "plxColors.h"
#include "plxMedia.h"
#include "plxVisualContext.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

const TPLXKindRegistration<TPLXPictureResourcePersistence> registration("Picture Resource");

const QString kTypeIdKey = QStringLiteral("typeID");
const QString kFileNameKey = QStringLiteral("filename");
const QString kMimeTypeKey = QStringLiteral("mimetype");

quint32 littleEndian32(const QByteArray &data, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(data[offset + i]);
    return value;
}

// A decoder may turn a cut-off file into a partly grey picture without
// complaint, so the containers are checked for completeness first.
QString truncationOf(const QByteArray &data, TPLXPictureFormat format)
{
    if (format == TPLXPictureFormat::pfBitmap) {
        if (data.size() < 14 || !data.startsWith("BM"))
            return QStringLiteral("not a bitmap picture");
        if (littleEndian32(data, 2) > static_cast<quint32>(data.size()))
            return QStringLiteral("the bitmap picture is truncated");
        return QString();
    }
    if (!data.startsWith("\xFF\xD8"))
        return QStringLiteral("not a JPEG picture");
    qsizetype end = data.size();
    while (end > 0 && data[end - 1] == '\0')
        --end;
    if (end < 4 || static_cast<quint8>(data[end - 2]) != 0xFF || static_cast<quint8>(data[end - 1]) != 0xD9)
        return QStringLiteral("the JPEG picture is truncated");
    return QString();
}

} // namespace

// ---------------------------------------------------------------------------
// TPLXPicture

TPLXPicture::TPLXPicture(TPLXPictureFormat format, QImage image)
    : FFormat(format)
    , FImage(std::move(image))
{
}

void TPLXPicture::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        throw EPLXFileError(fileName, QStringLiteral("the picture file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        throw EPLXFileError(fileName, QStringLiteral("the picture file cannot be read: ") + file.errorString());
    const QByteArray data = file.readAll();
    const QString truncated = truncationOf(data, FFormat);
    if (!truncated.isEmpty())
        throw EPLXFileError(fileName, truncated);

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, FFormat == TPLXPictureFormat::pfBitmap ? "bmp" : "jpeg");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        throw EPLXFileError(fileName, QStringLiteral("the picture cannot be decoded: ") + reader.errorString());
    FImage = std::move(image);
}

void TPLXPicture::setImage(QImage image)
{
    FImage = std::move(image);
    FMasked = QImage();
}

TColor TPLXPicture::transparentColor() const
{
    if (FTransparentColor)
        return *FTransparentColor;
    if (FImage.isNull())
        return clWhite;
    return QColorToColor(QColor::fromRgb(FImage.pixel(0, FImage.height() - 1)));
}

void TPLXPicture::setTransparentColor(TColor colour)
{
    FTransparentColor = colour;
    FMasked = QImage();
}

QImage TPLXPicture::drawable() const
{
    if (!FTransparent || FImage.isNull())
        return FImage;
    if (FMasked.isNull()) {
        const QRgb key = ColorToQColor(transparentColor()).rgb() & RGB_MASK;
        FMasked = FImage.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < FMasked.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(FMasked.scanLine(y));
            for (int x = 0; x < FMasked.width(); ++x)
                if ((line[x] & RGB_MASK) == key)
                    line[x] = 0;
        }
    }
    return FMasked;
}

// ---------------------------------------------------------------------------
// TPLXResource

TPLXResource::TPLXResource(const QString &resourceID)
    : FResourceID(resourceID)
{
}

// ---------------------------------------------------------------------------
// TPLXPictureResource

TPLXPictureResource::TPLXPictureResource(const QString &resourceID)
    : TPLXResource(resourceID)
    , FPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, placeholderImage()))
{
    // Left transparent, the placeholder keeps only its cross.
    FPicture->setTransparentColor(clWhite);
}

TPLXPictureResource::~TPLXPictureResource() = default;

QImage TPLXPictureResource::placeholderImage()
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setDrawingColor(clBlack);
    vc.drawLine(0, 0, 100, 100);
    vc.drawLine(0, 100, 100, 0);
    return image;
}

QString TPLXPictureResource::fileNameFor(const QString &sectionName, const QString &extension)
{
    static const QString forbidden = QStringLiteral(" \"'+:;<=>?[\\]|");
    QString fileName = sectionName;
    for (QChar &c : fileName)
        if (forbidden.contains(c))
            c = QLatin1Char('_');
    return fileName + extension;
}

std::optional<TPLXPictureFormat> TPLXPictureResource::formatForMimeType(const QString &mimeType)
{
    if (mimeType == QLatin1String("image/bmp"))
        return TPLXPictureFormat::pfBitmap;
    if (mimeType == QLatin1String("image/jpg") || mimeType == QLatin1String("image/jpeg"))
        return TPLXPictureFormat::pfJpeg;
    return std::nullopt;
}

void TPLXPictureResource::setPicture(std::unique_ptr<TPLXPicture> picture)
{
    FPicture = std::move(picture);
}

QImage TPLXPictureResource::graphic() const
{
    return FPicture ? FPicture->image() : QImage();
}

QSize TPLXPictureResource::size() const
{
    return FPicture ? FPicture->image().size() : QSize(0, 0);
}

void TPLXPictureResource::setTransparent(bool on)
{
    if (FPicture)
        FPicture->setTransparent(on);
}

void TPLXPictureResource::loadPicture(const QString &fileName, const QString &mimeType)
{
    const std::optional<TPLXPictureFormat> format = formatForMimeType(mimeType);
    if (!format)
        throw EPLXFileError(fileName, QStringLiteral("unsupported picture type \"%1\"").arg(mimeType));
    auto picture = std::make_unique<TPLXPicture>(*format);
    picture->LoadFromFile(fileName);
    picture->setTransparent(isTransparent() || !FPicture);
    FPicture = std::move(picture);
    FValid = true;
    FFileName = fileName;
    FMimeType = mimeType;
}

void TPLXPictureResource::setUnreadable(const QString &section, const QString &fileName, const QString &mimeType)
{
    auto persistence = std::make_unique<TPLXPictureResourcePersistence>();
    persistence->setID(section);
    adoptPersistence(std::move(persistence));
    FUnreadable = true;
    FFileName = fileName;
    FMimeType = mimeType;
}

void TPLXPictureResource::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    const QString uid = getUID();
    media.setStrProperty(uid, kTypeIdKey, QStringLiteral("Picture Resource"));
    if (FUnreadable) {
        if (!FMimeType.isEmpty())
            media.setStrProperty(uid, kMimeTypeKey, FMimeType);
        media.setStrProperty(uid, kFileNameKey, FFileName);
        return;
    }
    if (!FPicture)
        return;
    const bool bitmap = FPicture->format() == TPLXPictureFormat::pfBitmap;
    // A loaded resource keeps its file's own name, placed in the store's directory.
    const QString fileName = FFileName.isEmpty()
                                 ? fileNameFor(uid, bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg"))
                                 : QFileInfo(FFileName).fileName();
    if (FMimeType.isEmpty())
        FMimeType = bitmap ? QStringLiteral("image/bmp") : QStringLiteral("image/jpg");
    const QString stored = media.setGraphic(fileName, FMimeType, FPicture->image());
    media.setStrProperty(uid, kMimeTypeKey, FMimeType);
    media.setStrProperty(uid, kFileNameKey, stored);
}

void TPLXPictureResource::Draw(TPLXVisualContext &vc, int x, int y) const
{
    if (FPicture)
        vc.drawGraphic(x, y, FPicture->drawable());
}

void TPLXPictureResource::StretchDraw(TPLXVisualContext &vc, const TRect &rect) const
{
    if (FPicture)
        vc.stretchGraphic(rect, FPicture->drawable());
}

// ---------------------------------------------------------------------------
// TPLXPictureResourcePersistence

std::unique_ptr<TPLXGanttObject> TPLXPictureResourcePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    FFileName = media.strValue(name, kFileNameKey, QString());
    FMimeType = media.strValue(name, kMimeTypeKey, QStringLiteral("image/bmp"));
    auto resource = std::make_unique<TPLXPictureResource>(name);
    // A name stored without a directory is looked for beside the document.
    resource->loadPicture(media.graphicPath(FFileName), FMimeType);
    return resource;
}
