// The planner's own menu and dialog texts in German, English and French.
#pragma once

#include <QLocale>
#include <QString>

// The text of `key` in `language` (English for any other language); the key
// itself for a key the table lacks.
QString plannerText(const char *key, QLocale::Language language);
// Loads the chart library's texts of `language` through its string loader.
void loadLibraryTexts(QLocale::Language language);
