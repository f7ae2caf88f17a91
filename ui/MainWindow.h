#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "MainView.h"
#include "PageId.h"
#include "PictureTable.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class Announcer;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The lesson's main window: a button strip, the picture box and the text box.
// It shows what it is told through MainView and says what the person asks of
// it; Lesson decides what follows.
class MainWindow final : public QMainWindow, public MainView
{
    Q_OBJECT

public:
    // Decodes every picture the window shows, here and only here.
    MainWindow();

    void setPicture(PictureId id) override;
    void setText(std::string_view latin1) override;
    void setTextColour(Rgb colour) override;
    void announcePage(std::string_view name) override;
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
    void setUpButton(QPushButton *button, const QString &objectName, const QRect &geometry);
    void buildMenus();

    // The hidden holders of the pictures the display box shows, by picture.
    std::array<QPixmap, PictureCount> m_pictures;

    QWidget *m_client;
    QLabel *m_pagePicture;
    QPlainTextEdit *m_pageText;
    Announcer *m_announcer;
};

#endif // MAINWINDOW_H
