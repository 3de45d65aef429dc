#pragma once

class QLocale;
class QString;

// Shows the window in the first of the locale's user-interface languages that has a translation,
// in English otherwise, and lays it out right to left where that language is written so.
// Returns the language chosen ("hi", "ur"), or an empty text for English.
QString UseLanguage(const QLocale& locale);
