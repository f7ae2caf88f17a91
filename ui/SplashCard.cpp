#include "SplashCard.h"

#include "PictureStore.h"
#include "SystemColours.h"
#include "WindowLog.h"
#include "version.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <utility>

SplashCard::SplashCard(std::chrono::milliseconds autoClose)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
    , m_picture(QPixmap::fromImage(PictureStore::decode(PictureId::picSplash, qApp->devicePixelRatio())))
{
    setWindowTitle(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the whole program: without an owner the main window would
    // otherwise still take clicks.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, systemColour(SystemColour::WindowBackground));
    setPalette(pal);

    // A coarse timer may be off by several per cent; the card is promised
    // for five seconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    m_timer.setInterval(autoClose);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    m_timer.start();
    qCDebug(lcWindows, "splash card created");
}

void SplashCard::hideEvent(QHideEvent *event)
{
    qCDebug(lcWindows, "splash card closed");
    QDialog::hideEvent(event);
}

void SplashCard::introduce(QWidget *mainWindow)
{
    // The title stays "Form2"; the name and the description are what a
    // screen reader says instead.
    const QString program = QString::fromLatin1(AppInfo::ProductName);
    const QString picture = QString::fromLatin1(pictureRow(PictureId::picSplash).description);
    if (mainWindow && mainWindow->isVisible()) {
        setParent(mainWindow, windowFlags());
        setAccessibleName(QStringLiteral("About %1").arg(program));
        setAccessibleDescription(picture + QStringLiteral(" Click, or press Escape, to close."));
    } else {
        setAccessibleName(program);
        setAccessibleDescription(
            picture + QStringLiteral(" Starting up; closes by itself in a moment, or at a click or Escape."));
    }
}

void SplashCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_picture);
    if (!std::exchange(m_painted, true)) {
        // Queued: the painted pixels reach the window system once this
        // returns, before the next event is taken.
        QMetaObject::invokeMethod(this, &SplashCard::firstPainted, Qt::QueuedConnection);
    }
}

void SplashCard::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the window.
    if (rect().contains(event->position().toPoint()))
        close();
}

void SplashCard::keyPressEvent(QKeyEvent *event)
{
    // The keys that leave a window close the card as a click does, so that a
    // keyboard alone is never stuck here. A key held down since before the
    // card came up does not count.
    const int key = event->key();
    if ((key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        && !event->isAutoRepeat())
        close();
    else
        event->ignore();
}
