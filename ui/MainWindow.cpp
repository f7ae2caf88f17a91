#include "MainWindow.h"

#include "CrispIconEngine.h"
#include "FocusRing.h"
#include "PictureBox.h"
#include "SystemColours.h"
#include "WindowLog.h"
#include "version.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace {

// The step buttons left to right; the fifth sits a pixel lower, as drawn.
constexpr std::array<QRect, StepCount> StepButtonPlaces = {{
    {184, 8, 35, 35},
    {224, 8, 35, 35},
    {264, 8, 35, 35},
    {304, 8, 35, 35},
    {344, 9, 35, 35},
    {384, 8, 35, 35},
    {424, 8, 35, 35},
}};

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

} // namespace

MainWindow::MainWindow(const PictureSource &pictures)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                               | Qt::MSWindowsFixedSizeDialogHint)
    , m_client(new QWidget(this))
    , m_titleStrip(new QWidget(m_client))
    , m_focusRing(new FocusRing(m_client))
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(AppInfo::ProductName));

    m_client->setFixedSize(581, 556);
    fillBackground(m_client, systemColour(SystemColour::MenuText));
    setCentralWidget(m_client);

    // The strip runs four pixels past the right edge, as drawn. A plain
    // widget, not a label: a screen reader passes over it as decoration.
    m_titleStrip->setObjectName(QStringLiteral("titleStrip"));
    m_titleStrip->setGeometry(0, 0, 585, 49);
    fillBackground(m_titleStrip, QColor(0, 0, 128));

    m_aboutButton = makeButton(QStringLiteral("aboutButton"), {8, 8, 85, 35});
    m_introButton = makeButton(QStringLiteral("introButton"), {120, 8, 57, 35});
    for (int n = 1; n <= StepCount; ++n)
        m_stepButtons[n - 1] = makeButton(QStringLiteral("stepButton%1").arg(n), StepButtonPlaces[n - 1]);
    m_greetingsButton = makeButton(QStringLiteral("greetingsButton"), {488, 8, 85, 36});

    // The picture buttons have no caption for a screen reader to read.
    m_aboutButton->setAccessibleName(QStringLiteral("Morvane"));
    m_aboutButton->setAccessibleDescription(QStringLiteral("About this tutorial"));
    m_greetingsButton->setAccessibleName(QStringLiteral("Zarnok"));
    m_greetingsButton->setAccessibleDescription(QStringLiteral("Greetings"));

    m_introButton->setText(QStringLiteral("Intro"));
    for (int n = 1; n <= StepCount; ++n)
        m_stepButtons[n - 1]->setText(QString::number(n));

    m_pagePicture = new PictureBox(m_client);
    m_pagePicture->setObjectName(QStringLiteral("pagePicture"));
    m_pagePicture->setGeometry(135, 93, 305, 305);
    m_pagePicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pagePicture->setLineWidth(2);
    m_pagePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(m_pagePicture, Qt::black);
    m_pagePicture->setAccessibleName(QStringLiteral("Step picture"));
    m_pagePicture->setAccessibleDescription(QStringLiteral("The picture of the page shown"));

    m_pageText = new QPlainTextEdit(m_client);
    m_pageText->setObjectName(QStringLiteral("pageText"));
    m_pageText->setGeometry(80, 400, 425, 145);
    m_pageText->setReadOnly(true);
    // Readers copy instructions out of the box: select with mouse and keys.
    m_pageText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pageText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pageText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette textPalette = m_pageText->palette();
    textPalette.setColor(QPalette::Base, systemColour(SystemColour::WindowFrame));
    m_pageText->setPalette(textPalette);
    m_pageText->setAccessibleName(QStringLiteral("Step instructions"));
    m_pageText->setAccessibleDescription(QStringLiteral("The instructions of the page shown"));

    for (QWidget *control : m_client->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            m_focusRing->watch(control);
    }

    QWidget::setTabOrder(m_introButton, m_stepButtons.front());
    for (std::size_t i = 1; i < m_stepButtons.size(); ++i)
        QWidget::setTabOrder(m_stepButtons[i - 1], m_stepButtons[i]);
    QWidget::setTabOrder(m_stepButtons.back(), m_pageText);
    QWidget::setTabOrder(m_pageText, m_greetingsButton);
    QWidget::setTabOrder(m_greetingsButton, m_aboutButton);
    m_introButton->setFocus();

    buildMenus();
    setFixedSize(sizeHint());
    takePictures(pictures);

    // What a person asks of the window; what follows is not the window's business.
    connect(m_introButton, &QPushButton::clicked, this, [this] { emit pageAsked(PageId::Intro); });
    for (int n = 1; n <= StepCount; ++n)
        connect(m_stepButtons[n - 1], &QPushButton::clicked, this, [this, n] { emit pageAsked(stepPage(n)); });
    connect(m_greetingsButton, &QPushButton::clicked, this, &MainWindow::greetingsAsked);
    connect(m_greetingsAction, &QAction::triggered, this, &MainWindow::greetingsAsked);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::aboutAsked);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::aboutAsked);
    connect(m_exitAction, &QAction::triggered, this, &MainWindow::exitAsked);
}

MainWindow::~MainWindow() = default;

QPushButton *MainWindow::makeButton(const QString &objectName, const QRect &geometry)
{
    auto *button = new QPushButton(m_client);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

void MainWindow::takePictures(const PictureSource &pictures)
{
    // Each picture moves into the one place that holds it: no second copy of
    // its pixels stays behind.
    for (PictureId id : HeldPictures)
        m_pictures[std::size_t(id)] = QPixmap::fromImage(pictures(id));
    const auto held = [this](PictureId id) -> const QPixmap & { return m_pictures[std::size_t(id)]; };
    const auto showLogo = [](QPushButton *button, const QPixmap &logo) {
        button->setIcon(QIcon(new CrispIconEngine(logo)));
        button->setIconSize(logo.size());
    };
    setWindowIcon(QIcon(held(PictureId::icoMain)));
    showLogo(m_aboutButton, held(PictureId::picAuthorIcon));
    showLogo(m_greetingsButton, held(PictureId::picGroupLogo));
    m_pagePicture->setPixmap(held(PictureId::picIntro));
}

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    m_exitAction = m_fileMenu->addAction(QStringLiteral("E&xit"));
    m_exitAction->setObjectName(QStringLiteral("exitAction"));

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    m_greetingsAction = m_helpMenu->addAction(QStringLiteral("&GreetZ"));
    m_greetingsAction->setObjectName(QStringLiteral("greetingsAction"));
    m_helpMenu->addSeparator()->setObjectName(QStringLiteral("helpSeparator"));
    m_aboutAction = m_helpMenu->addAction(QStringLiteral("&About"));
    m_aboutAction->setObjectName(QStringLiteral("aboutAction"));
}

void MainWindow::showEvent(QShowEvent *event)
{
    qCDebug(lcWindows, "main window shown");
    QMainWindow::showEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
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

void MainWindow::setPicture(PictureId id)
{
    // Hands over a picture decoded when the window was made; never decodes.
    const QPixmap &picture = m_pictures[std::size_t(id)];
    // The page table names no other picture for the display box; the box
    // keeps what it shows rather than show a picture never held.
    Q_ASSERT_X(!picture.isNull(), "MainWindow::setPicture", "not a held picture");
    if (!picture.isNull())
        m_pagePicture->setPixmap(picture);
}

void MainWindow::setText(std::string_view latin1)
{
    m_pageText->setPlainText(QString::fromLatin1(latin1.data(), qsizetype(latin1.size())));
}

void MainWindow::setTextColour(Rgb colour)
{
    QPalette pal = m_pageText->palette();
    pal.setColor(QPalette::Text, toQColor(colour));
    m_pageText->setPalette(pal);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void MainWindow::endProgram()
{
    // Leaves the event loop at once: no close events, no further procedures.
    QCoreApplication::exit(0);
}
