#ifndef FORM1_H
#define FORM1_H

#include "MainView.h"
#include "PictureTable.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <functional>

class FocusRing;
class PagePresenter;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The lesson's main window: a button strip, the picture box and the text box.
// Every button and menu item runs the page procedure of the same name.
// The window shows what the procedures set; Lesson owns it and them.
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
    explicit Form1(const PictureSource &pictures);
    ~Form1() override;

    // Lets every button and menu item run its procedure from now on.
    void runProcedures(PagePresenter &presenter);

    void setPicture(PictureSlot slot) override;
    void setText(std::string_view latin1) override;
    void setTextColour(Rgb colour) override;
    void endProgram() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &objectName, const QRect &geometry);
    void buildMenus();
    void takePictures(const PictureSource &pictures);

    // Hidden holders, by slot: every picture the window shows is decoded
    // once, here.
    std::array<QPixmap, PictureSlotCount> m_pictures;

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
