#include "foundation/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTranslator>

#include <dlfcn.h>
#include <memory>

namespace {

// The translator this library installed last; the application owns it.
QPointer<QTranslator> installed;

// The canonical path of the file this code was loaded from: the shared
// library, or a program that links the library's objects; empty when the
// dynamic loader cannot tell.
QString modulePath()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&installStackSizeViewTranslator), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalFilePath();
}

// Code loaded from inside the build tree takes the build tree's
// translations; an installed library those of its prefix, found from its
// own directory (lib, or Debian's lib/<multiarch>) as the install laid them
// out.  Empty when the library's file is unknown.
QString translationsDirectory()
{
    const QString module = modulePath();
    if (module.isEmpty())
        return QString();
    const QString buildTree = QDir(QStringLiteral(SSV_BUILD_TREE)).canonicalPath();
    if (!buildTree.isEmpty() && module.startsWith(buildTree + u'/'))
        return QStringLiteral(SSV_BUILD_TRANSLATIONS_DIR);
    return QFileInfo(module).path() + QStringLiteral("/" SSV_TRANSLATIONS_FROM_LIBDIR);
}

}  // namespace

bool installStackSizeViewTranslator(const QLocale& locale)
{
    delete installed;  // removes itself from the application
    const QString directory = translationsDirectory();
    if (!QCoreApplication::instance() || directory.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("stacksizeview"), QStringLiteral("_"), directory)
        || !QCoreApplication::installTranslator(translator.get()))
        return false;
    translator->setParent(QCoreApplication::instance());  // the application owns it
    installed = translator.release();
    return true;
}
