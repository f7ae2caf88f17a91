#include "MainWindow.h"

#include "Announcer.h"
#include "FocusRing.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "PageCatalogue.h"
#include "PictureStore.h"
#include "SystemColours.h"
#include "WindowLog.h"
#include "version.h"

#include <QCloseEvent>
#include <QApplication>
#include <QAccessible>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct PageButton {
    const char *name;
    const char *caption;
    QRect place;
    PageId page;
};

// The row of page buttons, left to right and in Tab order; the fifth step
// sits a pixel lower, as drawn.
constexpr PageButton PageButtons[] = {
    {"introButton", "Intro", {120, 8, 57, 35}, PageId::Intro},
    {"stepButton1", "1",     {184, 8, 35, 35}, PageId::Step1},
    {"stepButton2", "2",     {224, 8, 35, 35}, PageId::Step2},
    {"stepButton3", "3",     {264, 8, 35, 35}, PageId::Step3},
    {"stepButton4", "4",     {304, 8, 35, 35}, PageId::Step4},
    {"stepButton5", "5",     {344, 9, 35, 35}, PageId::Step5},
    {"stepButton6", "6",     {384, 8, 35, 35}, PageId::Step6},
    {"stepButton7", "7",     {424, 8, 35, 35}, PageId::Step7},
};

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

// The picture for the densest screen the window may be shown on.
QPixmap decoded(PictureId id)
{
    return QPixmap::fromImage(PictureStore::decode(id, qApp->devicePixelRatio()));
}

// Holds back what the window would tell a screen reader while it lasts.
class QuietForScreenReaders final
{
public:
    QuietForScreenReaders()
        : m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent *) {}))
    {
    }
    ~QuietForScreenReaders() { QAccessible::installUpdateHandler(m_previous); }
    Q_DISABLE_COPY_MOVE(QuietForScreenReaders)

private:
    QAccessible::UpdateHandler m_previous;
};

const QString NoPageShown = QStringLiteral("No page shown; the buttons above choose one");

QString described(PictureId id)
{
    return QString::fromLatin1(pictureRow(id).description);
}

} // namespace

MainWindow::MainWindow()
    : QMainWindow(nullptr,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_client(new QWidget(this))
{
    // Qt 6.4 tells a screen reader when a control starts showing, never that
    // it became visible: a reader that heard of the controls while the window
    // was being built, hidden, keeps them as invisible and its review of the
    // window passes over them. So the window tells nothing until it shows.
    const QuietForScreenReaders quiet;
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(AppInfo::ProductName));
    setWindowIcon(QPixmap::fromImage(PictureStore::decode(PictureId::icoMain)));

    // The layout names its colours by the system scheme's indexes: the
    // window's background is the menu-text colour, the text box the
    // window-frame colour, both black in the standard scheme.
    m_client->setFixedSize(581, 556);
    fillBackground(m_client, systemColour(SystemColour::MenuText));
    setCentralWidget(m_client);

    // The strip runs four pixels past the right edge, as drawn. A plain
    // widget, not a label: a screen reader passes over it as decoration.
    auto *titleStrip = new QWidget(m_client);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setGeometry(0, 0, 585, 49);
    fillBackground(titleStrip, QColor(0, 0, 128));

    // Made in Tab order: the page buttons, the text box, then the two
    // picture buttons.
    for (const PageButton &row : PageButtons) {
        auto *button = new QPushButton(m_client);
        setUpButton(button, QString::fromLatin1(row.name), row.place);
        button->setText(QString::fromLatin1(row.caption));
        // A step's button says what the step is about; "Intro" says it all.
        const std::string_view pageName = PageCatalogue::page(row.page).name;
        if (pageName != row.caption)
            button->setAccessibleDescription(QString::fromLatin1(pageName.data(), qsizetype(pageName.size())));
        connect(button, &QPushButton::clicked, this, [this, page = row.page] { emit pageAsked(page); });
    }

    // What the display box shows: the intro's picture and the steps'.
    for (int id = int(PictureId::picIntro); id <= int(PictureId::picStep7); ++id)
        m_pictures[id] = decoded(PictureId(id));
    m_pagePicture = new PictureBox(m_client);
    m_pagePicture->setObjectName(QStringLiteral("pagePicture"));
    m_pagePicture->setGeometry(135, 93, 305, 305);
    m_pagePicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pagePicture->setLineWidth(2);
    m_pagePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(m_pagePicture, Qt::black);
    m_pagePicture->setAccessibleName(QStringLiteral("Step picture"));
    m_pagePicture->setAccessibleDescription(described(PictureId::picIntro));
    m_pagePicture->setPixmap(m_pictures[std::size_t(PictureId::picIntro)]);

    m_pageText = new QPlainTextEdit(m_client);
    m_pageText->setObjectName(QStringLiteral("pageText"));
    m_pageText->setGeometry(80, 400, 425, 145);
    m_pageText->setReadOnly(true);
    // Readers copy instructions out of the box: select with mouse and keys.
    m_pageText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pageText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette textPalette = m_pageText->palette();
    textPalette.setColor(QPalette::Base, systemColour(SystemColour::WindowFrame));
    m_pageText->setPalette(textPalette);
    m_pageText->setAccessibleName(QStringLiteral("Step instructions"));
    m_pageText->setAccessibleDescription(NoPageShown);
    m_announcer = new Announcer(m_client);

    // The picture buttons have no caption for a screen reader to read.
    const auto pictureButton = [this](const char *name, QRect place, PictureId picture, const char *accessibleName,
                                      const char *description) {
        auto *button = new PictureButton(decoded(picture), m_client);
        setUpButton(button, QString::fromLatin1(name), place);
        button->setAccessibleName(QString::fromLatin1(accessibleName));
        button->setAccessibleDescription(QString::fromLatin1(description));
        return button;
    };
    connect(pictureButton("greetingsButton", {488, 8, 85, 36}, PictureId::picGroupLogo, "Zarnok", "Greetings"),
            &QPushButton::clicked, this, &MainWindow::greetingsAsked);
    connect(pictureButton("aboutButton", {8, 8, 85, 35}, PictureId::picAuthorIcon, "Morvane", "About this tutorial"),
            &QPushButton::clicked, this, &MainWindow::aboutAsked);

    auto *focusRing = new FocusRing(m_client);
    for (QWidget *control : m_client->findChildren<QWidget *>()) {
        if (control->focusPolicy() & Qt::TabFocus)
            focusRing->watch(control);
    }
    m_client->findChild<QPushButton *>(QStringLiteral("introButton"))->setFocus();

    buildMenus();
    setFixedSize(sizeHint());
}

void MainWindow::setUpButton(QPushButton *button, const QString &objectName, const QRect &geometry)
{
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->installEventFilter(this);
}

void MainWindow::buildMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->addAction(QStringLiteral("E&xit"), this, &MainWindow::exitAsked)
        ->setObjectName(QStringLiteral("exitAction"));

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addAction(QStringLiteral("&GreetZ"), this, &MainWindow::greetingsAsked)
        ->setObjectName(QStringLiteral("greetingsAction"));
    helpMenu->addSeparator()->setObjectName(QStringLiteral("helpSeparator"));
    helpMenu->addAction(QStringLiteral("&About"), this, &MainWindow::aboutAsked)
        ->setObjectName(QStringLiteral("aboutAction"));
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
    if (!picture.isNull()) {
        m_pagePicture->setPixmap(picture);
        m_pagePicture->setAccessibleDescription(described(id));
    }
}

void MainWindow::announcePage(std::string_view name)
{
    const QString page = QString::fromLatin1(name.data(), qsizetype(name.size()));
    m_pageText->setAccessibleDescription(page);
    m_announcer->announce(QStringLiteral("%1. %2 Picture: %3")
                              .arg(page, m_pageText->toPlainText().trimmed(), m_pagePicture->accessibleDescription()));
}

void MainWindow::setText(std::string_view latin1)
{
    const QString text = QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
    if (!text.trimmed().isEmpty()) {
        m_pageText->setPlainText(text);
        return;
    }
    // The box is wiped only as About comes up: a reader hears the card, not
    // the wiping, and hears what the blank box means when it comes back.
    const QuietForScreenReaders quiet;
    m_pageText->setPlainText(text);
    m_pageText->setAccessibleDescription(NoPageShown);
}

void MainWindow::setTextColour(Rgb colour)
{
    QPalette pal = m_pageText->palette();
    pal.setColor(QPalette::Text, QColor(colour.red, colour.green, colour.blue));
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
