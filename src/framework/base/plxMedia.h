// Property stores: entities read and write typed properties by section and
// key through IPLXMedia, never touching files themselves.
#pragma once

#include "plxTypes.h"

#include <QImage>
#include <QList>
#include <QStringList>

#include <memory>

class TPLXIniDocument;

// A property store. Every getter leaves a usable value in its out parameter
// (the stored value or the default) and tells whether the key was present.
class ORVANTA_EXPORT IPLXMedia
{
public:
    virtual ~IPLXMedia();

    virtual bool getIntProperty(const QString &section, const QString &key, qint32 def, qint32 &value) = 0;
    virtual bool getIntArrayProperty(const QString &section, const QString &key, QList<qint32> &values) = 0;
    virtual bool getStrProperty(const QString &section, const QString &key, const QString &def, QString &value) = 0;
    virtual bool getStrArrayProperty(const QString &section, const QString &key, QStringList &values) = 0;
    virtual bool getBoolProperty(const QString &section, const QString &key, bool def, bool &value) = 0;
    virtual bool getBoolArrayProperty(const QString &section, const QString &key, QList<bool> &values) = 0;
    virtual bool getRealProperty(const QString &section, const QString &key, double def, double &value) = 0;
    virtual bool getRealArrayProperty(const QString &section, const QString &key, QList<double> &values) = 0;
    virtual void setIntProperty(const QString &section, const QString &key, qint32 value) = 0;
    virtual void setIntArrayProperty(const QString &section, const QString &key, const QList<qint32> &values) = 0;
    virtual void setStrProperty(const QString &section, const QString &key, const QString &value) = 0;
    virtual void setStrArrayProperty(const QString &section, const QString &key, const QStringList &values) = 0;
    virtual void setBoolProperty(const QString &section, const QString &key, bool value) = 0;
    virtual void setBoolArrayProperty(const QString &section, const QString &key, const QList<bool> &values) = 0;
    virtual void setRealProperty(const QString &section, const QString &key, double value) = 0;
    virtual void setRealArrayProperty(const QString &section, const QString &key, const QList<double> &values) = 0;
    virtual bool getColorProperty(const QString &section, const QString &key, TColor def, TColor &value) = 0;
    virtual void setColorProperty(const QString &section, const QString &key, TColor value) = 0;
    // Stores a picture beside the document; returns the name it was stored under.
    virtual QString setGraphic(const QString &fileName, const QString &mimeType, const QImage &graphic) = 0;
    // The file a stored picture name stands for; as stored unless the store
    // keeps its pictures somewhere.
    virtual QString graphicPath(const QString &stored) const { return stored; }
    // Puts every write so far on disk; raises EPLXFileError when that fails.
    virtual void flush();
    // Frees what the store holds only to answer reads quickly (once a document
    // is built from it); later reads and writes give the same results.
    virtual void compact();
    // The loader has read all it needs from `section`; a store may free what
    // only that section used, as long as later reads still give the same results.
    virtual void releaseSection(const QString &section);
    // A whole document is written between beginDocument and endDocument: the
    // sections written then hold exactly what was written. endDocument puts
    // the store on disk; when that fails, or cancelDocument is called instead,
    // the store is left as it was before beginDocument.
    virtual void beginDocument();
    virtual void endDocument();
    virtual void cancelDocument();

    // Value-returning shorthands for readers that ignore presence.
    qint32 intValue(const QString &section, const QString &key, qint32 def);
    QString strValue(const QString &section, const QString &key, const QString &def);
    bool boolValue(const QString &section, const QString &key, bool def);
    double realValue(const QString &section, const QString &key, double def);
    TColor colorValue(const QString &section, const QString &key, TColor def);
    QStringList strArray(const QString &section, const QString &key);
    // Like intValue and realValue, then clamped into [lo, hi]; a value out of
    // range (or not a finite number) is logged with its section and key.
    qint32 intValueIn(const QString &section, const QString &key, qint32 def, qint32 lo, qint32 hi);
    double realValueIn(const QString &section, const QString &key, double def, double lo, double hi);
    // A date, a duration, a size in pixels, with the limits loading keeps them in.
    double dateValue(const QString &section, const QString &key, double def);
    double durationValue(const QString &section, const QString &key, double def);
    qint32 sizeValue(const QString &section, const QString &key, qint32 def);
};

using PLXMedia = std::shared_ptr<IPLXMedia>;

// Answers every read with the caller's default and discards every write.
class ORVANTA_EXPORT TPLXDummyMedia : public IPLXMedia
{
public:
    explicit TPLXDummyMedia(const QString &path);

    bool getIntProperty(const QString &section, const QString &key, qint32 def, qint32 &value) override;
    bool getIntArrayProperty(const QString &section, const QString &key, QList<qint32> &values) override;
    bool getStrProperty(const QString &section, const QString &key, const QString &def, QString &value) override;
    bool getStrArrayProperty(const QString &section, const QString &key, QStringList &values) override;
    bool getBoolProperty(const QString &section, const QString &key, bool def, bool &value) override;
    bool getBoolArrayProperty(const QString &section, const QString &key, QList<bool> &values) override;
    bool getRealProperty(const QString &section, const QString &key, double def, double &value) override;
    bool getRealArrayProperty(const QString &section, const QString &key, QList<double> &values) override;
    void setIntProperty(const QString &section, const QString &key, qint32 value) override;
    void setIntArrayProperty(const QString &section, const QString &key, const QList<qint32> &values) override;
    void setStrProperty(const QString &section, const QString &key, const QString &value) override;
    void setStrArrayProperty(const QString &section, const QString &key, const QStringList &values) override;
    void setBoolProperty(const QString &section, const QString &key, bool value) override;
    void setBoolArrayProperty(const QString &section, const QString &key, const QList<bool> &values) override;
    void setRealProperty(const QString &section, const QString &key, double value) override;
    void setRealArrayProperty(const QString &section, const QString &key, const QList<double> &values) override;
    bool getColorProperty(const QString &section, const QString &key, TColor def, TColor &value) override;
    void setColorProperty(const QString &section, const QString &key, TColor value) override;
    QString setGraphic(const QString &fileName, const QString &mimeType, const QImage &graphic) override;

    QString path() const { return FPath; }

private:
    QString FPath;
};

// A document kept in an INI file. Writes reach the file no later than the
// store's flush or release; stores open on one file share what they write.
class ORVANTA_EXPORT TPLXINIFIle : public TPLXDummyMedia
{
public:
    explicit TPLXINIFIle(const QString &path);
    // A store over a document that is already open (or bound to no file).
    explicit TPLXINIFIle(std::shared_ptr<TPLXIniDocument> document);
    ~TPLXINIFIle() override;

    bool getIntProperty(const QString &section, const QString &key, qint32 def, qint32 &value) override;
    bool getIntArrayProperty(const QString &section, const QString &key, QList<qint32> &values) override;
    bool getStrProperty(const QString &section, const QString &key, const QString &def, QString &value) override;
    bool getStrArrayProperty(const QString &section, const QString &key, QStringList &values) override;
    bool getBoolProperty(const QString &section, const QString &key, bool def, bool &value) override;
    bool getBoolArrayProperty(const QString &section, const QString &key, QList<bool> &values) override;
    bool getRealProperty(const QString &section, const QString &key, double def, double &value) override;
    bool getRealArrayProperty(const QString &section, const QString &key, QList<double> &values) override;
    void setIntProperty(const QString &section, const QString &key, qint32 value) override;
    void setIntArrayProperty(const QString &section, const QString &key, const QList<qint32> &values) override;
    void setStrProperty(const QString &section, const QString &key, const QString &value) override;
    void setStrArrayProperty(const QString &section, const QString &key, const QStringList &values) override;
    void setBoolProperty(const QString &section, const QString &key, bool value) override;
    void setBoolArrayProperty(const QString &section, const QString &key, const QList<bool> &values) override;
    void setRealProperty(const QString &section, const QString &key, double value) override;
    void setRealArrayProperty(const QString &section, const QString &key, const QList<double> &values) override;
    bool getColorProperty(const QString &section, const QString &key, TColor def, TColor &value) override;
    void setColorProperty(const QString &section, const QString &key, TColor value) override;
    QString setGraphic(const QString &fileName, const QString &mimeType, const QImage &graphic) override;
    // A relative name lies beside the INI file.
    QString graphicPath(const QString &stored) const override;
    void flush() override;
    void compact() override;
    void releaseSection(const QString &section) override;
    void beginDocument() override;
    void endDocument() override;
    void cancelDocument() override;

    TPLXIniDocument &iniFile() const { return *FIniFile; }
    // The file's sections in file order.
    QStringList sectionNames() const;

private:
    // Reads "key#count", makes room in `values` for the elements, and hands
    // each element's text (or null when missing) to `element`.
    template<typename List, typename Element>
    bool readArray(const QString &section, const QString &key, List &values, Element element);
    void writeArray(const QString &section, const QString &key, const QStringList &texts);

    std::shared_ptr<TPLXIniDocument> FIniFile;
};

// The built-in default document: one row, one tree node, one time scale,
// the standard calendar and the settings records.
class ORVANTA_EXPORT TPLXDefaultMedia : public TPLXDummyMedia
{
public:
    explicit TPLXDefaultMedia(const QString &path);

    bool getStrProperty(const QString &section, const QString &key, const QString &def, QString &value) override;
    bool getStrArrayProperty(const QString &section, const QString &key, QStringList &values) override;

    // The sections of the built-in document, in the order they are listed.
    static QStringList sectionNames();
};

// Picks the store for a storage name such as "file://C:/plans/a.ini".
class ORVANTA_EXPORT TPLXMediaFactory
{
public:
    static PLXMedia CreateMedia(const QString &storageName);
    static QString GetProtocol(const QString &storageName);
    static QString GetType(const QString &storageName);
    static QString GetPath(const QString &storageName);
};
