#pragma once
// The user's language: Kelvon's translations and Qt's own, loaded before any window exists.

#include <QLocale>
#include <QString>

// share/kelvon/translations beside the program, where the sounds are too.
QString TranslationsFolder();

// Installs Kelvon's translation for the first of `locale`'s languages that has one, and Qt's
// for the same language (standard buttons, the calendar). False where the first that Kelvon
// knows is English, or none is, and every text stays as written.
bool LoadTranslations(const QLocale& locale = QLocale::system());

// Back to English: the tests go through every language in one run.
void UnloadTranslations();
