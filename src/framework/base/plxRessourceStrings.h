// The process-wide table of localized user-visible texts, looked up by key,
// with the built-in German, English and French sets.
#pragma once

#include "plxTypes.h"

#include <QList>
#include <QLocale>
#include <QString>

// One entry of the table.
struct TLocalString
{
    QString key;
    QString value;
};

// The table in the order in which keys were first set.
ORVANTA_EXPORT const QList<TLocalString> &PLXRessources();

// Gives every entry with this exact key the value; appends an entry when none has it.
ORVANTA_EXPORT void SetRessourceString(const QString &key, const QString &value);
// The value stored under the exact key, or the empty string.
ORVANTA_EXPORT QString GetRessourceValue(const QString &key);
// The table's text for `key`, or the built-in English text when the table has none.
ORVANTA_EXPORT QString PLXText(const QString &key);

// Each sets every key of its language, in the fixed order; keys a set lacks keep their values.
ORVANTA_EXPORT void CreateDefaultRessources_GER();
ORVANTA_EXPORT void CreateDefaultRessources_ENG();
ORVANTA_EXPORT void CreateDefaultRessources_FRA();

// Users of the table register while they need it; the last one to leave empties it.
ORVANTA_EXPORT void PLXRessourcesInitialize();
ORVANTA_EXPORT void PLXRessourcesFinalize();
// Empties the table at once (library unload and tests).
ORVANTA_EXPORT void PLXClearRessources();

// The language of the built-in set loaded last; AnyLanguage before any (and after clearing).
ORVANTA_EXPORT QLocale::Language PLXRessourceLanguage();

// The keys of the built-in sets, in their fixed order.
ORVANTA_EXPORT QStringList PLXRessourceKeys();
