#pragma once

// Qt's own texts (the Save As dialog, its buttons, Qt's wording of file errors) in the
// language of the user's desktop, as every Qt application shows them. The window's own
// texts are German whatever the desktop's language. Installed once, for the first window.
void installQtTranslations();

class QLocale;
class QTranslator;
// Loads Qt's translations for a language; false when the system has none for it.
bool loadQtTranslations(QTranslator& translator, const QLocale& locale);
