// Message boxes without a display.
#pragma once

#include <QObject>
#include <QTimer>

// Nobody can answer a message box on a platform without a screen: while this
// object lives, every modal message box that opens is written to standard
// error and closed.
class HeadlessDialogs : public QObject {
    Q_OBJECT

public:
    HeadlessDialogs();

private:
    void closeModalBox();

    QTimer timer_;
};

// True on Qt's platforms that show nothing (offscreen, minimal).
bool isHeadlessPlatform();
