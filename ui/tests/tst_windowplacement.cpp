#include "WindowPlacement.h"

#include <QtTest>

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
};

void tst_WindowPlacement::placement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");

    // The main window framed by a window manager, 581 by about 612.
    const QSize main(581, 612);
    QTest::newRow("1024x768: centred") << QRect(0, 0, 1024, 768) << main << QPoint(221, 78);
    QTest::newRow("800x600: title bar kept on") << QRect(0, 0, 800, 600) << main << QPoint(109, 0);
    QTest::newRow("640x480: left centred, top kept on") << QRect(0, 0, 640, 480) << main << QPoint(29, 0);
    QTest::newRow("640x480, panel on top") << QRect(0, 27, 640, 453) << main << QPoint(29, 27);
    QTest::newRow("1024x768 at scale 2") << QRect(0, 0, 512, 384) << main << QPoint(0, 0);
    QTest::newRow("second screen, 800x600") << QRect(1024, 0, 800, 600) << main << QPoint(1133, 0);
    QTest::newRow("card at scale 2 on 800x600") << QRect(0, 0, 400, 300) << QSize(300, 400) << QPoint(50, 0);
}

void tst_WindowPlacement::placement()
{
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);

    QCOMPARE(WindowPlacement::frameTopLeft(available, frame), topLeft);
}

QTEST_APPLESS_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
