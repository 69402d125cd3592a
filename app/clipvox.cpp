// SPDX-License-Identifier: GPL-3.0-or-later
// Clipvox: pulls the sound track out of video files.
#include "cli/convert.h"
#include "core/translation.h"
#include "desktop/application.h"
#include "desktop/singleapplication.h"
#include "main/commandline.h"
#include "main/main.h"

#include <csignal>

int main(int argc, char **argv)
{
    // A file-size limit makes a write fail with EFBIG, and the job with "File too large",
    // instead of killing the program with its temporaries left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    // clipvox --convert ... works without a window, and without a display.
    if (IsCommandLineMode(argc, argv))
        return RunCommandLine(argc, argv);
    ClipvoxApplication app(argc, argv);
    InstallTranslators(); // the user's language, from LANGUAGE and LANG
    // Started by the session bus for the desktop's "Open with": the window shows once the
    // bus asks for it.
    QStringList arguments = app.arguments();
    const bool busService = arguments.removeAll(QStringLiteral("--gapplication-service")) > 0;
    const TCommandLine command = ParseCommandLine(arguments);
    // A Clipvox already running takes the files into its queue; this one ends.
    SingleApplication single;
    if (single.start(command.files) == SingleApplication::Start::Handed)
        return 0;
    // One settings object for the program, handed to the window that shows and changes it.
    TSettings settings;
    TMainForm window(settings);
    const auto toFront = [&window] {
        window.show();
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    };
    QObject::connect(&single, &SingleApplication::filesOpened, &window,
                     [&window](const QStringList &files) { window.QueueCommandLine(files); });
    QObject::connect(&single, &SingleApplication::activated, &window, toFront);
    window.QueueCommandLine(command.files);
    if (!busService)
        window.show();
    return app.exec();
}
