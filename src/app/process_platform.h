#pragma once

#include <QString>
#include <QStringList>

// What the process needs from its system before anything else runs: standard streams that
// cannot be mistaken for files the program opens, output to a console the program was started
// from, bytes written to standard output as they are. Call first thing in main().
void setUpProcess();

// The command line as the user typed it, every name in full (on Windows from the UTF-16
// command line, never through the ANSI code page).
QStringList processArguments(int argc, char **argv);

// Whether name, taken from the command line, still names the file the user gave: false when
// the system's encoding could not carry it, so that opening it would reach another file.
bool argumentKeepsItsName(const QString &name, int argc, char **argv);

// Whether a window can be shown (on Linux an X11 or Wayland server to talk to).
bool displayAvailable();

// Makes the system's fonts reachable for the offscreen platform of the batch modes. Call
// before the application object exists.
void prepareOffscreenFonts();

// Whether error, the errno of a failed write to standard output, means that the reader closed
// its end (velkview --dump ... | head): it has what it wanted, so nothing needs saying.
bool readerClosedThePipe(int error);

// The system's reasons for failures (strerror) in English whatever the user's locale: the
// common ones are then put into the interface language, the rest read in English rather than
// in a third language.
void useEnglishSystemMessages();
