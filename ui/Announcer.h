#ifndef ANNOUNCER_H
#define ANNOUNCER_H

#include <QWidget>

// Says a message to a screen reader without moving its focus: an empty,
// unseen notification that shows itself again with each message. Screen
// readers speak a notification as it appears, on every Qt version we build
// with (Orca 43 on Debian 12 speaks no announcement events).
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};

#endif // ANNOUNCER_H
