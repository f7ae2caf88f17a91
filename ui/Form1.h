#ifndef FORM1_H
#define FORM1_H

#include "MainView.h"
#include "PagePresenter.h"
#include "SplashWindowView.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <chrono>

class FocusRing;
class PictureBatch;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The lesson's main window: a button strip, the picture box and the text box.
// Every button and menu item runs the page procedure of the same name.
class Form1 final : public QMainWindow, public MainView
{
    Q_OBJECT

public:
    // The window decodes its pictures on a second thread while it builds its
    // controls, and holds them all once the constructor returns.
    explicit Form1(std::chrono::milliseconds splashAutoClose = frmSplash::AutoCloseInterval);
    ~Form1() override;

    // Runs Form_Load, which waits for the start-up splash, then shows the
    // window in the centre of the screen.
    void load();

    void setPicture(PictureSlot slot) override;
    void setText(std::string_view latin1) override;
    void setTextColour(Rgb colour) override;
    void endProgram() override;

    SplashWindowView &splash() { return m_splash; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &objectName, const QRect &geometry);
    void buildMenus();
    void takePictures(PictureBatch &decoding);
    void connectProcedures();

    SplashWindowView m_splash;
    PagePresenter m_presenter;

    // Hidden holders: every picture a page shows is decoded once, here.
    QPixmap imgIntro;
    std::array<QPixmap, 11> Image1;

    QWidget *m_client;
    QWidget *Picture2;
    QPushButton *cmdMorvane;
    QPushButton *cmdIntro;
    std::array<QPushButton *, 8> Command{};
    QPushButton *cmdZarnok;
    QLabel *Picture1;
    QPlainTextEdit *Text1;
    FocusRing *m_focusRing;

    QMenu *mnuFile = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuGreetz = nullptr;
    QAction *line1 = nullptr;
    QAction *mnuAbout = nullptr;
};

#endif // FORM1_H
