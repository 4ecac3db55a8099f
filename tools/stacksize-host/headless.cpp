#include "headless.h"

#include "tools/common/output.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>

HeadlessDialogs::HeadlessDialogs()
{
    connect(&timer_, &QTimer::timeout, this, &HeadlessDialogs::closeModalBox);
    timer_.start(50);
}

void HeadlessDialogs::closeModalBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    writeVerbatim(std::cerr, box->windowTitle() + QStringLiteral(": ") + box->text() + u'\n');
    box->done(0);
}

bool isHeadlessPlatform()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}
