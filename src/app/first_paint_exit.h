#pragma once

class QCoreApplication;

// For the open-to-picture benchmark: when VELKVIEW_EXIT_AFTER_FIRST_PAINT is set, the program
// ends as soon as the results window has finished its first paint. Does nothing otherwise.
void exitAfterFirstResultsPaintIfAsked(QCoreApplication &app);
