#include "MainWindowView.h"

#include "WindowLog.h"

#include <utility>

MainWindowView::MainWindowView(Builder builder)
    : m_builder(std::move(builder))
{
}

MainWindowView::~MainWindowView() = default;

void MainWindowView::build()
{
    if (m_window)
        return;
    m_window = std::exchange(m_builder, {})();
    qCDebug(lcWindows, "main window built");
}

MainWindow &MainWindowView::window()
{
    build();
    return *m_window;
}

void MainWindowView::setPicture(PictureId id) { window().setPicture(id); }
void MainWindowView::setText(std::string_view latin1) { window().setText(latin1); }
void MainWindowView::setTextColour(Rgb colour) { window().setTextColour(colour); }
void MainWindowView::endProgram() { window().endProgram(); }
