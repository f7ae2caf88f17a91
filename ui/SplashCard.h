#ifndef SPLASHCARD_H
#define SPLASHCARD_H

#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <chrono>

// The splash card, shown at start-up and as the about window. It closes on a
// click anywhere or when closeTimer runs out, and is destroyed when it closes.
class SplashCard final : public QDialog
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds AutoCloseInterval{5000};

    // closeTimer starts here: it counts from creation, not from showing.
    explicit SplashCard(std::chrono::milliseconds autoClose);

    QTimer &closeTimer() { return m_timer; }

    // Says what the card stands for, by the main window's state: the program
    // itself while the main window is not yet built or still hidden, else the
    // program's About window, which the main window then owns, so that every
    // window system keeps the card above it.
    void introduce(QWidget *mainWindow);

signals:
    // Once, after the card's first paint has been handed to the window
    // system: from here on, other work delays nothing a person sees.
    void firstPainted();

protected:
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    QTimer m_timer;
    bool m_painted = false;
};

#endif // SPLASHCARD_H
