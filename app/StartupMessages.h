#ifndef STARTUPMESSAGES_H
#define STARTUPMESSAGES_H

// Holds back Qt's messages while the application object connects to the
// window system. If that fails, Qt would print its plugin warnings and abort
// with a core dump; instead the program says in one line that it cannot open
// a window, gives Qt's own explanation below it (on Windows in a message box
// too, in place of Qt's shorter one), and exits with status 1.
// Once the connection stands, release() writes the held messages as Qt
// formatted them when they came, and later ones go where they went before.
// On Windows a fatal message after that, which also ends the program, comes
// in the message box as well.
namespace StartupMessages {

void hold();
void release();

} // namespace StartupMessages

#endif // STARTUPMESSAGES_H
