// The second floor for start-up: a plain Qt Widgets program doing the
// program's job the obvious way, on one thread, main window first. It builds
// a main window like the program's (menu bar, ten buttons, a picture, a text
// box) holding the eleven decoded pictures, then shows the splash picture
// centred in a frameless modal dialog that closes itself after five seconds,
// then shows the main window centred.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <array>

namespace {

void centre(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&GreetZ"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
    client->setFixedSize(581, 556);
    window.setCentralWidget(client);

    window.setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icoMain.ico"))));
    const auto logoButton = [client](const QString &file, int x) {
        auto *button = new QPushButton(client);
        const QPixmap logo(file);
        button->setIcon(logo);
        button->setIconSize(logo.size());
        button->setGeometry(x, 8, 85, 35);
    };
    logoButton(QStringLiteral(":/picAuthorIcon.gif"), 8);
    logoButton(QStringLiteral(":/picGroupLogo.gif"), 488);
    (new QPushButton(QStringLiteral("Intro"), client))->setGeometry(120, 8, 57, 35);
    std::array<QPixmap, 8> pages{QPixmap(QStringLiteral(":/picIntro.jpg"))};
    for (int n = 1; n <= 7; ++n) {
        (new QPushButton(QString::number(n), client))->setGeometry(144 + 40 * n, 8, 35, 35);
        pages[n] = QPixmap(QStringLiteral(":/picStep%1.jpg").arg(n));
    }
    auto *picture = new QLabel(client);
    picture->setGeometry(135, 93, 305, 305);
    picture->setPixmap(pages[0]);
    auto *text = new QPlainTextEdit(client);
    text->setGeometry(80, 400, 425, 145);
    text->setReadOnly(true);
    window.setFixedSize(window.sizeHint());

    QDialog splash(nullptr, Qt::FramelessWindowHint);
    auto *splashPicture = new QLabel(&splash);
    splashPicture->setPixmap(QPixmap(QStringLiteral(":/picSplash.jpg")));
    splash.setFixedSize(splashPicture->pixmap().size());
    splash.setWindowModality(Qt::ApplicationModal);
    centre(&splash);
    QTimer::singleShot(5000, Qt::PreciseTimer, &splash, &QDialog::accept);
    splash.exec();

    centre(&window);
    window.show();
    return app.exec();
}
