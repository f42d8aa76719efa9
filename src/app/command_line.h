#pragma once

#include "data/value_table.h"
#include "report/report_texts.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for.
struct CommandLine {
    enum class Mode { Gui, Dump, Chart, Report, Csv, Summary, Trend, Help, Version };

    Mode mode = Mode::Gui;
    std::optional<int> language;   // 0 to 4 when --language was given
    QString amplitudeFile;         // empty when none was given
    QString compareFile;           // --compare, with the window, --chart or --dump; empty when not given
    QString outputPath;            // --chart / --report / --csv / --summary / --trend target
    QStringList summaryInputs;     // --summary, --trend: amplitude files and folders, as given
    ValueTable csvTable = ValueTable::Amplitude;   // --table
    QSize chartSize{1280, 1000};
    QString bearingType = defaultBearingType();
    QStringList remarks;
    QString helpText;              // for Help only
    QString error;                 // non-empty: bad usage, exit status 2
    bool platformGiven = false;    // Qt's -platform option names the display to use
    bool follow = false;           // --follow
    QString followFolder;          // --follow DIR or FILE (its folder, FILE shown first); empty: the last file's folder
    int settleMs = 1000;           // --settle
    int partnerWaitMs = 5000;      // --partner-wait
};

// Parses the arguments (the first one is the program). Never exits.
CommandLine parseCommandLine(const QStringList &arguments);
