#ifndef FOCUSRING_H
#define FOCUSRING_H

#include <QWidget>

// A plain, high-contrast ring around the control that has the keyboard focus,
// drawn only while the focus is moved by the keyboard: Tab shows it, a click
// hides it again, so the window looks the same as ever under the mouse. It
// lies over the controls and lets every click through.
class FocusRing final : public QWidget
{
    Q_OBJECT

public:
    explicit FocusRing(QWidget *parent);

    // Follows the focus onto `control` from now on.
    void watch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void surround(QWidget *control);
};

#endif // FOCUSRING_H
