#ifndef USERMESSAGE_H
#define USERMESSAGE_H

#include <QString>

// Where a word for the person who started the program goes: the terminal, and
// on Windows, where a program with windows has no console and its standard
// streams lead nowhere, a message box with the program's title, as
// QCommandLineParser shows its own there. A box comes only where there is
// neither a console nor a stream handed over (as a script or QProcess hands
// them), so that scripts still read the text and never wait on a box.
namespace UserMessage {

// What was asked for, such as --version: standard output, or the box.
void answer(const QString &text);

// Why start-up ends: standard error always, and the box too; returns once
// the box is closed.
void failure(const QString &text);

} // namespace UserMessage

#endif // USERMESSAGE_H
