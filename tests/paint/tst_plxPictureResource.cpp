// Picture resources: placeholder, file naming, BMP and JPEG round trips
// through an INI store, bad picture files, drawing.
#include "plxIniDocument.h"
#include "plxPictureResource.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxVisualContext.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small picture with distinct quadrants, so a wrong orientation shows.
QImage samplePicture()
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    QPainter painter(&image);
    painter.fillRect(12, 0, 12, 8, QColor(0, 0, 255));
    painter.fillRect(0, 8, 12, 8, QColor(0, 160, 0));
    return image;
}

bool closeTo(QRgb a, QRgb b, int tolerance)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))}) <= tolerance;
}

QByteArray encodedSample(const char *format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    samplePicture().save(&buffer, format);
    return buffer.data();
}

// An INI store over the file at `path`.
PLXMedia iniStore(const QString &path)
{
    return TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + path);
}

// Saves `resource` into a document "plan.ini" in `dir`; gives the stored MIME type and file name.
QStringList saveIn(const QString &dir, TPLXPictureResource &resource)
{
    const PLXMedia media = iniStore(dir + QStringLiteral("/plan.ini"));
    TPLXEntityFactory factory;
    factory.saveObject(resource.getUID(), *media, &resource);
    return {media->strValue(resource.getUID(), QStringLiteral("mimetype"), QString()),
            media->strValue(resource.getUID(), QStringLiteral("filename"), QString())};
}

} // namespace

class tst_plxPictureResource : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> FDir;
    QString FStartDir;

private slots:
    void init()
    {
        // Opening an INI store changes the current directory; put it back after each case.
        FStartDir = QDir::currentPath();
        FDir = std::make_unique<QTemporaryDir>();
        QVERIFY(FDir->isValid());
    }

    void cleanup()
    {
        QDir::setCurrent(FStartDir);
        FDir.reset();
    }

    void placeholderIsACrossedSquare()
    {
        const TPLXPictureResource resource(QStringLiteral("Glyph"));
        QVERIFY(!resource.isValid());
        const QImage image = resource.graphic();
        QCOMPARE(image.size(), QSize(100, 100));
        // Both diagonals black, everything else white.
        int black = 0, white = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const bool diagonal = x == y || (x > 0 && x + y == 100);
                black += diagonal && image.pixel(x, y) == qRgb(0, 0, 0);
                white += !diagonal && image.pixel(x, y) == qRgb(255, 255, 255);
            }
        QCOMPARE(black + white, 100 * 100);
        // Without any picture nothing is drawn.
        TPLXPictureResource empty;
        empty.setPicture(nullptr);
        QVERIFY(empty.graphic().isNull());
    }

    void fileNamesAndPictureClasses()
    {
        // Characters a file name cannot hold become underscores.
        const auto fileName = [](const QString &section) { return TPLXPictureResource::fileNameFor(section, ".bmp"); };
        QCOMPARE(fileName("a b\"c'd+e:f;g<h=i>j?k[l\\m]n|o"), QString("a_b_c_d_e_f_g_h_i_j_k_l_m_n_o.bmp"));
        QCOMPARE(fileName("Logo-1_(a).x"), QString("Logo-1_(a).x.bmp"));
        // MIME types are matched exactly ("image/bmp" and "image/jpg" in the round trips).
        using Format = std::optional<TPLXPictureFormat>;
        QCOMPARE(TPLXPictureResource::formatForMimeType("image/jpeg"), Format(TPLXPictureFormat::pfJpeg));
        QCOMPARE(TPLXPictureResource::formatForMimeType("image/png"), Format());
        QCOMPARE(TPLXPictureResource::formatForMimeType("IMAGE/BMP"), Format());
    }

    void roundTripThroughAnIniStore_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("bitmap") << int(TPLXPictureFormat::pfBitmap) << "image/bmp" << QByteArray("BM") << 0;
        // JPEG is lossy; the quadrants are still recognisable.
        QTest::newRow("jpeg") << int(TPLXPictureFormat::pfJpeg) << "image/jpg" << QByteArray("\xFF\xD8") << 40;
    }

    void roundTripThroughAnIniStore()
    {
        QFETCH(int, format);
        QFETCH(QString, mimeType);
        QFETCH(QByteArray, magic);
        QFETCH(int, tolerance);
        if (format == int(TPLXPictureFormat::pfJpeg) && !QImageReader::supportedImageFormats().contains("jpeg"))
            QSKIP("this Qt has no JPEG support");
        TPLXPictureResource glyph;
        glyph.setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat(format), samplePicture()));
        const QString uid = glyph.getUID();
        const QString extension = "." + mimeType.mid(6);
        // Stored beside the document as "<section>.bmp" or ".jpg".
        const QString stored = QDir(FDir->path()).absoluteFilePath(TPLXPictureResource::fileNameFor(uid, extension));
        QCOMPARE(saveIn(FDir->path(), glyph), QStringList({mimeType, stored}));
        QVERIFY(plxtest::readFile(stored).startsWith(magic));
        // Saving does not adopt the stored name.
        QVERIFY(glyph.getFileName().isEmpty());

        const PLXMedia media = iniStore(FDir->filePath(QStringLiteral("plan.ini")));
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, *media, nullptr));
        auto *picture = dynamic_cast<TPLXPictureResource *>(loaded.get());
        QVERIFY(picture && picture->isValid());
        QCOMPARE(picture->getFileName(), stored);
        QCOMPARE(picture->getPicture()->format(), TPLXPictureFormat(format));
        const QImage image = picture->graphic();
        QCOMPARE(image.size(), QSize(24, 16));
        QVERIFY(closeTo(image.pixel(3, 3), qRgb(255, 0, 0), tolerance) &&
                closeTo(image.pixel(20, 3), qRgb(0, 0, 255), tolerance) &&
                closeTo(image.pixel(3, 12), qRgb(0, 160, 0), tolerance));

        // A picture read from a named file keeps that name when saved into another directory.
        const QString logo = FDir->filePath("logo" + extension);
        QVERIFY(QFile::copy(stored, logo) && QDir(FDir->path()).mkdir(QStringLiteral("copy")));
        picture->loadPicture(logo, mimeType);
        const QString copy = FDir->filePath("copy/logo" + extension);
        QCOMPARE(saveIn(FDir->filePath(QStringLiteral("copy")), *picture), QStringList({mimeType, copy}));
        QVERIFY(plxtest::readFile(copy).startsWith(magic));
        QCOMPARE(picture->getFileName(), logo);
    }

    void badPictureFilesRaiseFileErrors_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<QString>("reason");
        const QByteArray bmp = encodedSample("BMP");
        const QByteArray jpg = encodedSample("JPG");
        QTest::newRow("missing file") << QByteArray() << "image/bmp"
                                      << "does not exist";
        QTest::newRow("truncated bitmap") << bmp.left(bmp.size() / 2) << "image/bmp"
                                          << "truncated";
        QTest::newRow("unsupported type") << bmp << "image/png"
                                          << "unsupported picture type";
    }

    void badPictureFilesRaiseFileErrors()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, mimeType);
        QFETCH(QString, reason);
        const QString path = FDir->filePath(QStringLiteral("picture.bin"));
        if (!content.isNull())
            plxtest::writeFile(path, content);
        TPLXPictureResource resource(QStringLiteral("Pic"));
        try {
            resource.loadPicture(path, mimeType);
            QFAIL("loading should have failed");
        } catch (const EPLXFileError &error) {
            QCOMPARE(error.fileName(), path);
            QVERIFY2(error.message().contains(path) && error.message().contains(reason), qPrintable(error.message()));
        }
        // The placeholder stays.
        QVERIFY(!resource.isValid());
        QCOMPARE(resource.graphic().size(), QSize(100, 100));
    }

    void drawsOnAVisualContext()
    {
        QImage target(200, 150, QImage::Format_RGB32);
        target.fill(Qt::green);
        {
            QPainter painter(&target);
            TPLXCanvasVC vc(painter);
            TPLXPictureResource glyph;
            glyph.Draw(vc, 10, 20);
            glyph.setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, samplePicture()));
            glyph.setTransparent(false);
            glyph.StretchDraw(vc, {120, 20, 168, 52});
        }
        // The placeholder at natural size from (10, 20) without its white, which is its transparent colour; the
        // opaque sample stretched to twice its size.
        QImage placeholder = TPLXPictureResource().graphic().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < placeholder.height(); ++y)
            for (int x = 0; x < placeholder.width(); ++x)
                if (placeholder.pixel(x, y) == qRgb(255, 255, 255))
                    placeholder.setPixel(x, y, qRgb(0, 255, 0));
        QCOMPARE(target.copy(10, 20, 100, 100), placeholder);
        QCOMPARE(target.copy(120, 20, 48, 32), samplePicture().scaled(48, 32));
        QCOMPARE(QList<QRgb>(
                     {target.pixel(9, 20), target.pixel(110, 119), target.pixel(168, 51), target.pixel(120, 52)}),
                 QList<QRgb>(4, qRgb(0, 255, 0)));
    }
};

QTEST_MAIN(tst_plxPictureResource)
#include "tst_plxPictureResource.moc"
