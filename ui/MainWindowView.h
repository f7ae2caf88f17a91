#ifndef MAINWINDOWVIEW_H
#define MAINWINDOWVIEW_H

#include "MainWindow.h"
#include "MainView.h"

#include <functional>
#include <memory>

// The program's main window, built when build() is called or on its first
// use, whichever comes first: start-up builds it while the splash is up, and
// a procedure that writes to it before then waits for it to be built.
class MainWindowView final : public MainView
{
public:
    using Builder = std::function<std::unique_ptr<MainWindow>()>;

    explicit MainWindowView(Builder builder);
    ~MainWindowView() override;

    void build();
    MainWindow &window();

    void setPicture(PictureId id) override;
    void setText(std::string_view latin1) override;
    void setTextColour(Rgb colour) override;
    void endProgram() override;

private:
    Builder m_builder;
    std::unique_ptr<MainWindow> m_window;
};

#endif // MAINWINDOWVIEW_H
