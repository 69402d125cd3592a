#include "main/commandline.h"

#include <QCommandLineParser>

TCommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pulls the sound track out of video files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Videos or folders of videos to queue."),
                                 QStringLiteral("[FILE...]"));
    parser.process(arguments);
    return {parser.positionalArguments()};
}
