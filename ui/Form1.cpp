#include "Form1.h"

#include "PagePresenter.h"
#include "CrispIconEngine.h"
#include "FocusRing.h"
#include "PictureBox.h"
#include "SystemColours.h"
#include "WindowLog.h"
#include "version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace {

QColor toQColor(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// While the splash or About is up, the main window takes no input. The window
// system holds back mouse and keys; a screen reader's "press" action reaches
// a button or menu item directly, so the procedures look for themselves.
bool modalWindowUp()
{
    return QGuiApplication::modalWindow() != nullptr;
}

} // namespace

Form1::Form1(const PictureSource &pictures)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                               | Qt::MSWindowsFixedSizeDialogHint)
    , m_client(new QWidget(this))
    , Picture2(new QWidget(m_client))
    , m_focusRing(new FocusRing(m_client))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(AppInfo::ProductName));

    m_client->setFixedSize(581, 556);
    fillBackground(m_client, systemColour(SystemColour::MenuText));
    setCentralWidget(m_client);

    // The strip runs four pixels past the right edge, as drawn. A plain
    // widget, not a label: a screen reader passes over it as decoration.
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(0, 0, 585, 49);
    fillBackground(Picture2, QColor(0, 0, 128));

    cmdMorvane = makeButton(QStringLiteral("cmdMorvane"), {8, 8, 85, 35});
    cmdIntro = makeButton(QStringLiteral("cmdIntro"), {120, 8, 57, 35});
    Command[1] = makeButton(QStringLiteral("Command1"), {184, 8, 35, 35});
    Command[2] = makeButton(QStringLiteral("Command2"), {224, 8, 35, 35});
    Command[3] = makeButton(QStringLiteral("Command3"), {264, 8, 35, 35});
    Command[4] = makeButton(QStringLiteral("Command4"), {304, 8, 35, 35});
    Command[5] = makeButton(QStringLiteral("Command5"), {344, 9, 35, 35});
    Command[6] = makeButton(QStringLiteral("Command6"), {384, 8, 35, 35});
    Command[7] = makeButton(QStringLiteral("Command7"), {424, 8, 35, 35});
    cmdZarnok = makeButton(QStringLiteral("cmdZarnok"), {488, 8, 85, 36});

    // The picture buttons have no caption for a screen reader to read.
    cmdMorvane->setAccessibleName(QStringLiteral("Morvane"));
    cmdMorvane->setAccessibleDescription(QStringLiteral("About this tutorial"));
    cmdZarnok->setAccessibleName(QStringLiteral("Zarnok"));
    cmdZarnok->setAccessibleDescription(QStringLiteral("Greetings"));

    cmdIntro->setText(QStringLiteral("Intro"));
    for (int n = 1; n <= 7; ++n)
        Command[n]->setText(QString::number(n));

    Picture1 = new PictureBox(m_client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(135, 93, 305, 305);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(Picture1, Qt::black);
    Picture1->setAccessibleName(QStringLiteral("Step picture"));
    Picture1->setAccessibleDescription(QStringLiteral("The picture of the page shown"));

    Text1 = new QPlainTextEdit(m_client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(80, 400, 425, 145);
    Text1->setReadOnly(true);
    // Readers copy instructions out of the box: select with mouse and keys.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette textPalette = Text1->palette();
    textPalette.setColor(QPalette::Base, systemColour(SystemColour::WindowFrame));
    Text1->setPalette(textPalette);
    Text1->setAccessibleName(QStringLiteral("Step instructions"));
    Text1->setAccessibleDescription(QStringLiteral("The instructions of the page shown"));

    for (QWidget *control : m_client->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            m_focusRing->watch(control);
    }

    QWidget::setTabOrder(cmdIntro, Command[1]);
    for (int n = 1; n < 7; ++n)
        QWidget::setTabOrder(Command[n], Command[n + 1]);
    QWidget::setTabOrder(Command[7], Text1);
    QWidget::setTabOrder(Text1, cmdZarnok);
    QWidget::setTabOrder(cmdZarnok, cmdMorvane);
    cmdIntro->setFocus();

    buildMenus();
    setFixedSize(sizeHint());
    takePictures(pictures);
}

Form1::~Form1() = default;

QPushButton *Form1::makeButton(const QString &objectName, const QRect &geometry)
{
    auto *button = new QPushButton(m_client);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

void Form1::takePictures(const PictureSource &pictures)
{
    // Each picture moves into the one place that holds it: no second copy of
    // its pixels stays behind.
    for (PictureSlot slot : HeldPictures)
        m_pictures[std::size_t(slot)] = QPixmap::fromImage(pictures(slot));
    const auto held = [this](PictureSlot slot) -> const QPixmap & { return m_pictures[std::size_t(slot)]; };
    const auto showLogo = [](QPushButton *button, const QPixmap &logo) {
        button->setIcon(QIcon(new CrispIconEngine(logo)));
        button->setIconSize(logo.size());
    };
    setWindowIcon(QIcon(held(PictureSlot::icoMain)));
    showLogo(cmdMorvane, held(PictureSlot::picAuthorIcon));
    showLogo(cmdZarnok, held(PictureSlot::picGroupLogo));
    Picture1->setPixmap(held(PictureSlot::picIntro));
}

void Form1::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuGreetz = mnuHelp->addAction(QStringLiteral("&GreetZ"));
    mnuGreetz->setObjectName(QStringLiteral("mnuGreetz"));
    line1 = mnuHelp->addSeparator();
    line1->setObjectName(QStringLiteral("line1"));
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void Form1::runProcedures(PagePresenter &presenter)
{
    PagePresenter *p = &presenter;
    const auto run = [p](void (PagePresenter::*procedure)()) {
        return [p, procedure] {
            if (!modalWindowUp())
                (p->*procedure)();
        };
    };
    const auto onClick = [this, run](QPushButton *button, void (PagePresenter::*procedure)()) {
        connect(button, &QPushButton::clicked, this, run(procedure));
    };
    const auto onTrigger = [this, run](QAction *action, void (PagePresenter::*procedure)()) {
        connect(action, &QAction::triggered, this, run(procedure));
    };

    onClick(cmdIntro, &PagePresenter::cmdIntro_Click);
    onClick(Command[1], &PagePresenter::Command1_Click);
    onClick(Command[2], &PagePresenter::Command2_Click);
    onClick(Command[3], &PagePresenter::Command3_Click);
    onClick(Command[4], &PagePresenter::Command4_Click);
    onClick(Command[5], &PagePresenter::Command5_Click);
    onClick(Command[6], &PagePresenter::Command6_Click);
    onClick(Command[7], &PagePresenter::Command7_Click);
    onClick(cmdZarnok, &PagePresenter::cmdZarnok_Click);
    onClick(cmdMorvane, &PagePresenter::cmdMorvane_Click);

    onTrigger(mnuExit, &PagePresenter::mnuExit_Click);
    onTrigger(mnuGreetz, &PagePresenter::mnuGreetz_Click);
    onTrigger(mnuAbout, &PagePresenter::mnuAbout_Click);
}

void Form1::showEvent(QShowEvent *event)
{
    qCDebug(lcWindows, "Form1 shown, text colour %s",
            qPrintable(Text1->palette().color(QPalette::Text).name()));
    QMainWindow::showEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Return and keypad Enter press the focused button, as Space does. A key
    // held down repeats nothing, as with Space.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            if (auto *button = qobject_cast<QPushButton *>(watched)) {
                button->click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::setPicture(PictureSlot slot)
{
    // Hands over a picture decoded when the window was made; never decodes.
    const QPixmap &picture = m_pictures[std::size_t(slot)];
    // The page table names no other picture for the display box; the box
    // keeps what it shows rather than show a picture never held.
    Q_ASSERT_X(!picture.isNull(), "Form1::setPicture", "not a held picture");
    if (!picture.isNull())
        Picture1->setPixmap(picture);
}

void Form1::setText(std::string_view latin1)
{
    Text1->setPlainText(QString::fromLatin1(latin1.data(), qsizetype(latin1.size())));
}

void Form1::setTextColour(Rgb colour)
{
    QPalette pal = Text1->palette();
    pal.setColor(QPalette::Text, toQColor(colour));
    Text1->setPalette(pal);
}

void Form1::endProgram()
{
    // Leaves the event loop at once: no close events, no further procedures.
    QCoreApplication::exit(0);
}
