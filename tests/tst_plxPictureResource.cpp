// Picture resources: placeholder, file naming, BMP and JPEG round trips
// through an INI store, bad picture files and unwritable directories.
#include "plxColors.h"
#include "plxMedia.h"
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
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

QByteArray encodedSample(const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    samplePicture().save(&buffer, format);
    return bytes;
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
        QCOMPARE(resource.getResourceID(), QStringLiteral("Glyph"));
        QVERIFY(resource.getPicture());
        QCOMPARE(resource.getPicture()->format(), TPLXPictureFormat::pfBitmap);
        const QImage image = resource.graphic();
        QCOMPARE(image.size(), QSize(100, 100));
        const QRgb black = qRgb(0, 0, 0);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(image.pixel(i, i), black);
        for (int i = 1; i < 100; ++i)
            QCOMPARE(image.pixel(i, 100 - i), black);
        // Readable by property name, as entities that hold glyphs do.
        const TPLXGanttObject &entity = resource;
        QCOMPARE(entity.property("Picture").value<QImage>(), image);
        // White between the diagonals.
        for (const QPoint p : {QPoint(50, 10), QPoint(10, 50), QPoint(90, 50)})
            QCOMPARE(image.pixel(p), qRgb(255, 255, 255));
        int ink = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                ink += image.pixel(x, y) == black;
        QCOMPARE(ink, 100 + 99 - 1);
    }

    void kindIsRegistered()
    {
        QVERIFY(TPLXEntityFactory::isRegistered(QStringLiteral("Picture Resource")));
        TPLXEntityFactory factory;
        const std::unique_ptr<TPLXPersistence> persistence = factory.createPersistence(QStringLiteral("Picture Resource"));
        QVERIFY(dynamic_cast<TPLXPictureResourcePersistence *>(persistence.get()));
        const TPLXPictureResource prototype;
        const std::unique_ptr<TPLXGanttObject> created = prototype.Create();
        QVERIFY(dynamic_cast<TPLXPictureResource *>(created.get()));
        QCOMPARE(created->metaObject()->className(), "TPLXPictureResource");
    }

    void fileNamesReplaceForbiddenCharacters_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("run-time id") << QStringLiteral("AutoID:123") << QStringLiteral("AutoID_123.bmp");
        QTest::newRow("negative id") << QStringLiteral("AutoID:-77") << QStringLiteral("AutoID_-77.bmp");
        QTest::newRow("every forbidden character") << QStringLiteral("a b\"c'd+e:f;g<h=i>j?k[l\\m]n|o")
                                                   << QStringLiteral("a_b_c_d_e_f_g_h_i_j_k_l_m_n_o.bmp");
        QTest::newRow("allowed punctuation stays") << QStringLiteral("Logo-1_(a).x") << QStringLiteral("Logo-1_(a).x.bmp");
    }

    void fileNamesReplaceForbiddenCharacters()
    {
        QFETCH(QString, section);
        QFETCH(QString, fileName);
        QCOMPARE(TPLXPictureResource::fileNameFor(section, QStringLiteral(".bmp")), fileName);
    }

    void mimeTypesChooseThePictureClass_data()
    {
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<int>("format"); // -1: unsupported
        QTest::newRow("bmp") << QStringLiteral("image/bmp") << int(TPLXPictureFormat::pfBitmap);
        QTest::newRow("jpg") << QStringLiteral("image/jpg") << int(TPLXPictureFormat::pfJpeg);
        QTest::newRow("jpeg") << QStringLiteral("image/jpeg") << int(TPLXPictureFormat::pfJpeg);
        QTest::newRow("png") << QStringLiteral("image/png") << -1;
        QTest::newRow("upper case") << QStringLiteral("IMAGE/BMP") << -1;
        QTest::newRow("empty") << QString() << -1;
    }

    void mimeTypesChooseThePictureClass()
    {
        QFETCH(QString, mimeType);
        QFETCH(int, format);
        const std::optional<TPLXPictureFormat> found = TPLXPictureResource::formatForMimeType(mimeType);
        QCOMPARE(found.has_value(), format >= 0);
        if (found)
            QCOMPARE(int(*found), format);
    }

    void bitmapRoundTripThroughAnIniStore()
    {
        const QString iniPath = FDir->filePath(QStringLiteral("plan.ini"));
        TPLXPictureResource glyph;
        glyph.setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, samplePicture()));
        const QString uid = glyph.getUID();
        QVERIFY(uid.startsWith(QLatin1String("AutoID:")));
        const QString expectedFile = QDir(FDir->path()).absoluteFilePath(TPLXPictureResource::fileNameFor(uid, QStringLiteral(".bmp")));
        {
            const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + iniPath);
            TPLXEntityFactory factory;
            factory.saveObject(uid, *media, &glyph);
            QCOMPARE(media->strValue(uid, QStringLiteral("typeID"), QString()), QStringLiteral("Picture Resource"));
            QCOMPARE(media->strValue(uid, QStringLiteral("mimetype"), QString()), QStringLiteral("image/bmp"));
            QCOMPARE(media->strValue(uid, QStringLiteral("filename"), QString()), expectedFile);
        }
        QVERIFY(expectedFile.contains(QLatin1String("AutoID_")));
        QVERIFY(plxReadFile(expectedFile).startsWith("BM"));
        // Saving does not adopt the stored name; the MIME type was filled in.
        QVERIFY(glyph.getFileName().isEmpty());
        QCOMPARE(glyph.getMimeType(), QStringLiteral("image/bmp"));

        const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + iniPath);
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, *media, nullptr));
        auto *picture = dynamic_cast<TPLXPictureResource *>(loaded.get());
        QVERIFY(picture);
        QVERIFY(picture->isValid());
        QCOMPARE(picture->getUID(), uid);
        QCOMPARE(picture->getResourceID(), uid);
        QCOMPARE(picture->getFileName(), expectedFile);
        QCOMPARE(picture->getMimeType(), QStringLiteral("image/bmp"));
        QCOMPARE(picture->getPicture()->format(), TPLXPictureFormat::pfBitmap);
        const QImage image = picture->graphic();
        QCOMPARE(image.size(), QSize(24, 16));
        QCOMPARE(image.pixel(2, 2), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(20, 2), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(2, 12), qRgb(0, 160, 0));
        auto *persistence = dynamic_cast<TPLXPictureResourcePersistence *>(picture->getPersistence());
        QVERIFY(persistence);
        QCOMPARE(persistence->FFileName, expectedFile);
        QCOMPARE(persistence->FMimeType, QStringLiteral("image/bmp"));
    }

    void jpegRoundTripThroughAnIniStore()
    {
        if (!QImageReader::supportedImageFormats().contains("jpeg"))
            QSKIP("this Qt has no JPEG support");
        const QString iniPath = FDir->filePath(QStringLiteral("plan.ini"));
        TPLXPictureResource photo;
        photo.setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfJpeg, samplePicture()));
        const QString uid = photo.getUID();
        QString stored;
        {
            const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + iniPath);
            TPLXEntityFactory factory;
            factory.saveObject(uid, *media, &photo);
            QCOMPARE(media->strValue(uid, QStringLiteral("mimetype"), QString()), QStringLiteral("image/jpg"));
            stored = media->strValue(uid, QStringLiteral("filename"), QString());
        }
        QVERIFY(stored.endsWith(QLatin1String(".jpg")));
        QVERIFY(plxReadFile(stored).startsWith("\xFF\xD8"));

        const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + iniPath);
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, *media, nullptr));
        auto *picture = dynamic_cast<TPLXPictureResource *>(loaded.get());
        QVERIFY(picture);
        QCOMPARE(picture->getPicture()->format(), TPLXPictureFormat::pfJpeg);
        const QImage image = picture->graphic();
        QCOMPARE(image.size(), QSize(24, 16));
        // JPEG is lossy; the quadrants are still recognisable.
        QVERIFY(closeTo(image.pixel(3, 3), qRgb(255, 0, 0), 40));
        QVERIFY(closeTo(image.pixel(20, 3), qRgb(0, 0, 255), 40));
        QVERIFY(closeTo(image.pixel(3, 12), qRgb(0, 160, 0), 40));

        // "image/jpeg" reads as a JPEG as well.
        picture->loadPicture(stored, QStringLiteral("image/jpeg"));
        QCOMPARE(picture->getPicture()->format(), TPLXPictureFormat::pfJpeg);
        QCOMPARE(picture->getMimeType(), QStringLiteral("image/jpeg"));
    }

    void savingAgainKeepsTheFileNameInTheNewDirectory()
    {
        const QString source = FDir->filePath(QStringLiteral("logo.bmp"));
        QVERIFY(samplePicture().save(source, "BMP"));
        TPLXPictureResource logo(QStringLiteral("Logo"));
        logo.loadPicture(source, QStringLiteral("image/bmp"));
        QVERIFY(logo.isValid());
        QCOMPARE(logo.getFileName(), source);

        QVERIFY(QDir(FDir->path()).mkdir(QStringLiteral("copy")));
        const QString copyDir = FDir->filePath(QStringLiteral("copy"));
        {
            const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + copyDir + QStringLiteral("/plan.ini"));
            TPLXEntityFactory factory;
            factory.saveObject(logo.getUID(), *media, &logo);
            QCOMPARE(media->strValue(logo.getUID(), QStringLiteral("filename"), QString()),
                     QDir(copyDir).absoluteFilePath(QStringLiteral("logo.bmp")));
        }
        QVERIFY(QFileInfo(copyDir + QStringLiteral("/logo.bmp")).isFile());
        QCOMPARE(logo.getFileName(), source);
    }

    void dummyStoreWritesNoFile()
    {
        QDir::setCurrent(FDir->path());
        TPLXPictureResource glyph;
        TPLXDummyMedia media(FDir->path());
        TPLXEntityFactory factory;
        // The dummy store keeps nothing, so only the returned name can be checked...
        glyph.doSave(glyph.getUID(), media, factory);
        QCOMPARE(media.setGraphic(QStringLiteral("x.bmp"), QStringLiteral("image/bmp"), glyph.graphic()),
                 QStringLiteral("dummy filename that does not exists."));
        // ...and that no picture landed anywhere near.
        QVERIFY(QDir(FDir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }

    void resourceWithoutPictureWritesOnlyTheTypeId()
    {
        const PLXMedia media = plxMediaFromText(QByteArray());
        TPLXPictureResource empty;
        empty.setPicture(nullptr);
        QVERIFY(empty.graphic().isNull());
        TPLXEntityFactory factory;
        empty.doSave(empty.getUID(), *media, factory);
        QCOMPARE(media->strValue(empty.getUID(), QStringLiteral("typeID"), QString()), QStringLiteral("Picture Resource"));
        QCOMPARE(media->strValue(empty.getUID(), QStringLiteral("filename"), QStringLiteral("none")), QStringLiteral("none"));
        QCOMPARE(media->strValue(empty.getUID(), QStringLiteral("mimetype"), QStringLiteral("none")), QStringLiteral("none"));
    }

    void badPictureFilesRaiseFileErrors_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<QString>("reason");

        const QByteArray bmp = encodedSample("BMP");
        const QByteArray jpg = encodedSample("JPG");
        QTest::newRow("missing file") << QByteArray() << QStringLiteral("image/bmp") << QStringLiteral("does not exist");
        QTest::newRow("truncated bitmap") << bmp.left(bmp.size() / 2) << QStringLiteral("image/bmp") << QStringLiteral("truncated");
        QTest::newRow("bitmap header only") << bmp.left(20) << QStringLiteral("image/bmp") << QStringLiteral("truncated");
        QTest::newRow("truncated jpeg") << jpg.left(jpg.size() - 40) << QStringLiteral("image/jpg") << QStringLiteral("truncated");
        QTest::newRow("text, not a picture") << QByteArray("[root]\ntypeID=Document\n") << QStringLiteral("image/bmp")
                                             << QStringLiteral("not a bitmap");
        QTest::newRow("empty file") << QByteArray("") << QStringLiteral("image/jpeg") << QStringLiteral("not a JPEG");
        QTest::newRow("jpeg stored as bitmap") << jpg << QStringLiteral("image/bmp") << QStringLiteral("not a bitmap");
        QTest::newRow("unsupported type") << bmp << QStringLiteral("image/png") << QStringLiteral("unsupported picture type");
    }

    void badPictureFilesRaiseFileErrors()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, mimeType);
        QFETCH(QString, reason);
        const QString path = FDir->filePath(QStringLiteral("picture.bin"));
        if (!content.isNull())
            plxWriteFile(path, content);
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

    void badPictureDoesNotStopTheDocument_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        const QByteArray bmp = encodedSample("BMP");
        QTest::newRow("good picture") << bmp << true;
        QTest::newRow("missing picture") << QByteArray() << false;
        QTest::newRow("truncated picture") << bmp.left(100) << false;
        QTest::newRow("not a picture") << QByteArray("hello") << false;
    }

    void badPictureDoesNotStopTheDocument()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        const QString path = FDir->filePath(QStringLiteral("bars.bmp"));
        if (!content.isNull())
            plxWriteFile(path, content);
        const QByteArray document = QByteArrayLiteral("[root]\ntypeID=Test Node\nname=Root\n"
                                                      "children#count=2\nchildren#0=Pic\nchildren#1=Next\n"
                                                      "[Pic]\ntypeID=Picture Resource\nmimetype=image/bmp\nfilename=")
                                    + path.toUtf8()
                                    + QByteArrayLiteral("\n[Next]\ntypeID=Test Node\nname=After the picture\ncount=7\n");
        const PLXMedia media = plxMediaFromText(document);
        TPLXRecordingScope recording;
        TPLXTestFactory factory;
        std::unique_ptr<TPLXGanttObject> root(factory.loadObject(QStringLiteral("root"), *media, nullptr));
        auto *node = dynamic_cast<TPLXTestNode *>(root.get());
        QVERIFY(node);
        QCOMPARE(node->Name, QStringLiteral("Root"));
        QCOMPARE(node->Children.size(), 2);
        // The picture is no test node either way; what matters is what comes after it.
        QVERIFY(node->Children[1]);
        QCOMPARE(node->Children[1]->Name, QStringLiteral("After the picture"));
        QCOMPARE(node->Children[1]->Count, 7);

        auto *picture = dynamic_cast<TPLXPictureResource *>(factory.getLoadedObject(QStringLiteral("Pic")));
        QCOMPARE(picture != nullptr, loads);
        if (loads) {
            QVERIFY(recording.recorder.messages.isEmpty());
            QCOMPARE(picture->graphic().size(), QSize(24, 16));
            QCOMPARE(picture->getParent(), root.get());
        } else {
            QCOMPARE(recording.recorder.messages, QStringList{QStringLiteral("Error loading Pic")});
            // Besides the test nodes' missing-child lines, one line names the section and the file.
            const QStringList errors = recording.recorder.logLines.filter(QStringLiteral("Error loading Pic"));
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(path), qPrintable(errors.first()));
        }
    }

    void unwritableDirectoryIsReported()
    {
        // The directory the store sits in is a plain file, so nothing can be written there.
        const QString blocker = FDir->filePath(QStringLiteral("blocker"));
        plxWriteFile(blocker, "not a directory");
        TPLXRecordingScope recording;
        TPLXPictureResource glyph;
        const QString uid = glyph.getUID();
        const QString expected = blocker + QLatin1Char('/') + TPLXPictureResource::fileNameFor(uid, QStringLiteral(".bmp"));
        {
            const PLXMedia media = TPLXMediaFactory::CreateMedia(QStringLiteral("file://") + blocker + QStringLiteral("/plan.ini"));
            TPLXEntityFactory factory;
            try {
                glyph.doSave(uid, *media, factory);
                QFAIL("saving should have failed");
            } catch (const EPLXFileError &error) {
                QCOMPARE(QFileInfo(error.fileName()).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
            }
            // No file name is recorded for a picture that was not written.
            QCOMPARE(media->strValue(uid, QStringLiteral("filename"), QStringLiteral("none")), QStringLiteral("none"));
        }
        QCOMPARE(plxReadFile(blocker), QByteArray("not a directory"));
        QVERIFY(glyph.getFileName().isEmpty());
    }

    void drawsOnAVisualContext()
    {
        QImage target(200, 150, QImage::Format_RGB32);
        target.fill(QColor(0, 255, 0));
        {
            QPainter painter(&target);
            TPLXCanvasVC vc(painter);
            const TPLXPictureResource glyph;
            glyph.Draw(vc, 10, 20);
            TPLXPictureResource tile;
            tile.setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, samplePicture()));
            tile.StretchDraw(vc, {120, 20, 168, 52});
        }
        // Placeholder at natural size: white with black diagonals, top-left at (10, 20).
        QCOMPARE(target.pixel(10, 20), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(60, 70), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(109, 119), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(30, 70), qRgb(255, 255, 255));
        QCOMPARE(target.pixel(9, 20), qRgb(0, 255, 0));
        QCOMPARE(target.pixel(110, 70), qRgb(0, 255, 0));
        // The sample stretched to twice its size keeps its quadrants.
        QCOMPARE(target.pixel(125, 25), qRgb(255, 0, 0));
        QCOMPARE(target.pixel(160, 25), qRgb(0, 0, 255));
        QCOMPARE(target.pixel(125, 48), qRgb(0, 160, 0));
        QCOMPARE(target.pixel(168, 25), qRgb(0, 255, 0));
    }
};

QTEST_MAIN(tst_plxPictureResource)
#include "tst_plxPictureResource.moc"
