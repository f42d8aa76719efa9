#pragma once

class QCoreApplication;

// For the open-to-picture benchmark's build of the program: it ends as soon as the results
// window has finished its first paint.
void exitAfterFirstResultsPaint(QCoreApplication &app);
