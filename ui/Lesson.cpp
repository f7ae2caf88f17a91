#include "Lesson.h"

#include "WindowLog.h"
#include "WindowPlacement.h"

Lesson::Lesson(const Form1::PictureSource &pictures, std::chrono::milliseconds splashAutoClose)
    : m_form(pictures)
    , m_splash(splashAutoClose)
    , m_presenter(m_form, m_splash)
{
    m_splash.setMainWindow(&m_form);
    m_form.runProcedures(m_presenter);
}

void Lesson::load()
{
    qCDebug(lcWindows, "Form_Load");
    m_presenter.Form_Load();

    WindowPlacement::place(&m_form);
    m_form.show();
}
