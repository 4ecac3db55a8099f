#include "headless.h"

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
    std::cerr << box->windowTitle().toLocal8Bit().constData() << ": " << box->text().toLocal8Bit().constData()
              << std::endl;
    box->done(0);
}

bool isHeadlessPlatform()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}
