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

void TPLXPictureResource::loadPicture(const QString &fileName, const QString &mimeType)
{
    const std::optional<TPLXPictureFormat> format = formatForMimeType(mimeType);
    if (!format)
        throw EPLXFileError(fileName, QStringLiteral("unsupported picture type \"%1\"").arg(mimeType));
    auto picture = std::make_unique<TPLXPicture>(*format);
    picture->LoadFromFile(fileName);
    FPicture = std::move(picture);
    FValid = true;
    FFileName = fileName;
    FMimeType = mimeType;
}

void TPLXPictureResource::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    const QString uid = getUID();
    media.setStrProperty(uid, kTypeIdKey, QStringLiteral("Picture Resource"));
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
    vc.drawGraphic(x, y, graphic());
}

void TPLXPictureResource::StretchDraw(TPLXVisualContext &vc, const TRect &rect) const
{
    vc.stretchGraphic(rect, graphic());
}

// ---------------------------------------------------------------------------
// TPLXPictureResourcePersistence

std::unique_ptr<TPLXGanttObject> TPLXPictureResourcePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    FFileName = media.strValue(name, kFileNameKey, QString());
    FMimeType = media.strValue(name, kMimeTypeKey, QStringLiteral("image/bmp"));
    auto resource = std::make_unique<TPLXPictureResource>(name);
    resource->loadPicture(FFileName, FMimeType);
    return resource;
}
