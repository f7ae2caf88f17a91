#include "FocusRing.h"

#include <QFocusEvent>
#include <QPainter>
#include <QRegion>

namespace {

// A white band with a black line inside it: plain on the dark strip, on the
// black background and against a light button face alike.
constexpr int OuterWidth = 2;
constexpr int InnerWidth = 1;
constexpr Qt::GlobalColor OuterColour = Qt::white;
constexpr Qt::GlobalColor InnerColour = Qt::black;

QRegion band(const QRect &outside, int width)
{
    return QRegion(outside).subtracted(QRegion(outside.adjusted(width, width, -width, -width)));
}

} // namespace

FocusRing::FocusRing(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Presses on the background and on controls without a click of their own
    // end up here.
    parent->installEventFilter(this);
}

void FocusRing::watch(QWidget *control)
{
    control->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        hide();
    } else if (event->type() == QEvent::FocusIn && watched != parent()) {
        // The keyboard shows the ring; anything else (the window becoming
        // active again, a menu closing) leaves it as it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason
            || !isHidden())
            surround(static_cast<QWidget *>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::surround(QWidget *control)
{
    constexpr int margin = OuterWidth + InnerWidth;
    setGeometry(control->geometry().adjusted(-margin, -margin, margin, margin));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRegion(band(rect(), OuterWidth));
    painter.fillRect(rect(), OuterColour);
    painter.setClipRegion(band(rect().adjusted(OuterWidth, OuterWidth, -OuterWidth, -OuterWidth), InnerWidth));
    painter.fillRect(rect(), InnerColour);
}
