#include "CrispIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

CrispIconEngine::CrispIconEngine(const QPixmap &picture)
    : m_picture(picture)
{
}

void CrispIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap shown = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    shown.setDevicePixelRatio(ratio);
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                            shown.deviceIndependentSize().toSize(), rect);
    painter->drawPixmap(place.topLeft(), shown);
}

// QIcon asks for the size in device pixels; the answer may be larger than the
// picture.
QPixmap CrispIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    const QSize fitted = m_picture.size().scaled(size, Qt::KeepAspectRatio);
    QPixmap shown = fitted == m_picture.size()
        ? m_picture
        : m_picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (mode != QIcon::Normal) {
        QStyleOption option;
        option.palette = QApplication::palette();
        shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
    }
    return shown;
}

QSize CrispIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const QSize own = m_picture.size();
    return own.width() <= size.width() && own.height() <= size.height()
        ? own
        : own.scaled(size, Qt::KeepAspectRatio);
}

QIconEngine *CrispIconEngine::clone() const
{
    return new CrispIconEngine(m_picture);
}

QString CrispIconEngine::key() const
{
    return QStringLiteral("CrispIconEngine");
}
