// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

WindowArguments parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Pulls the sound track out of video files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QCoreApplication::translate("CommandLine", "Videos or folders of videos to queue."),
                                 QStringLiteral("[FILE...]"));
    parser.process(arguments);
    return {parser.positionalArguments()};
}
