#ifndef FORM1_H
#define FORM1_H

#include "MainView.h"
#include "PagePresenter.h"
#include "PictureStore.h"
#include "SplashWindowView.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <chrono>
#include <functional>

class FocusRing;
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
    // Every picture the window holds: its icon, the two logos and the pages'.
    static constexpr std::array HeldPictures = {
        PictureSlot::icoMain,  PictureSlot::picAuthorIcon, PictureSlot::picGroupLogo,
        PictureSlot::picIntro, PictureSlot::picStep1,      PictureSlot::picStep2,
        PictureSlot::picStep3, PictureSlot::picStep4,      PictureSlot::picStep5,
        PictureSlot::picStep6, PictureSlot::picStep7,
    };
    // Hands over a held picture, decoded; asked once for each.
    using PictureSource = std::function<QImage(PictureSlot)>;

    // The window builds its controls first and only then takes its pictures,
    // so that they may still be decoding meanwhile; it holds them all once
    // the constructor returns.
    explicit Form1(std::chrono::milliseconds splashAutoClose = frmSplash::AutoCloseInterval,
                   const PictureSource &pictures = &PictureStore::decode);
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
    void takePictures(const PictureSource &pictures);
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
