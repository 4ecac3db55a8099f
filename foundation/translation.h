// The library's translations.
//
// The library's texts, and those of its command-line tools, are English in
// the code.  A host shows them in another language by installing the
// library's translator in its application:
//
//   QApplication application(argc, argv);
//   installStackSizeViewTranslator(QLocale::system());
//
// The translations (stacksizeview_<language>.qm) are looked for in
// share/stacksizeview/translations of the prefix the library is installed in,
// wherever that is; a library that runs from its build tree takes those of
// the build tree.
#pragma once

#include "stacksizeview_export.h"

#include <QLocale>

// Installs the library's translator for `locale` (its first user-interface
// language that has a translation: de_DE finds German) into the running
// QCoreApplication, in place of any this function installed before.  Returns
// false and installs nothing when there is no application or no translation
// for the locale: the texts are then English.  Call it from the
// application's thread.
STACKSIZEVIEW_EXPORT bool installStackSizeViewTranslator(const QLocale& locale);
