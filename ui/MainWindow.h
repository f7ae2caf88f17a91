#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "MainView.h"
#include "PageId.h"
#include "PictureTable.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <functional>

class FocusRing;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The lesson's main window: a button strip, the picture box and the text box.
// It shows what it is told through MainView and says what the person asks of
// it; Lesson decides what follows.
class MainWindow final : public QMainWindow, public MainView
{
    Q_OBJECT

public:
    // Every picture the window holds: all but the splash card's, which the
    // card decodes for itself.
    static constexpr auto HeldPictures = [] {
        std::array<PictureId, PictureCount - 1> held{};
        std::size_t n = 0;
        for (int i = 0; i < PictureCount; ++i) {
            if (PictureId(i) != PictureId::picSplash)
                held[n++] = PictureId(i);
        }
        return held;
    }();
    // Hands over a held picture, decoded; asked once for each.
    using PictureSource = std::function<QImage(PictureId)>;

    // The window builds its controls first and only then takes its pictures,
    // so that they may still be decoding meanwhile; it holds them all once
    // the constructor returns.
    explicit MainWindow(const PictureSource &pictures);
    ~MainWindow() override;

    void setPicture(PictureId id) override;
    void setText(std::string_view latin1) override;
    void setTextColour(Rgb colour) override;
    void endProgram() override;

signals:
    // The intro or a step, by its button.
    void pageAsked(PageId page);
    void greetingsAsked();
    void aboutAsked();
    void exitAsked();
    // The person closed the window (its close box, or the window system).
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &objectName, const QRect &geometry);
    void buildMenus();
    void takePictures(const PictureSource &pictures);

    // Hidden holders, by picture: every picture the window shows is decoded
    // once, here.
    std::array<QPixmap, PictureCount> m_pictures;

    QWidget *m_client;
    QWidget *m_titleStrip;
    QPushButton *m_aboutButton;
    QPushButton *m_introButton;
    std::array<QPushButton *, StepCount> m_stepButtons{};
    QPushButton *m_greetingsButton;
    QLabel *m_pagePicture;
    QPlainTextEdit *m_pageText;
    FocusRing *m_focusRing;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_greetingsAction = nullptr;
    QAction *m_aboutAction = nullptr;
};

#endif // MAINWINDOW_H
