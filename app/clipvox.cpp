// SPDX-License-Identifier: GPL-3.0-or-later
// Clipvox: pulls the sound track out of video files.
#include "cli/convert.h"
#include "core/translation.h"
#include "desktop/application.h"
#include "desktop/singleapplication.h"
#include "main/commandline.h"
#include "main/main.h"

#include <csignal>
#include <cstring>

int main(int argc, char **argv)
{
    // A file-size limit makes a write fail with EFBIG, and the job with "File too large",
    // instead of killing the program with its temporaries left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    // Started by the session bus for the desktop's "Open with" (the D-Bus service file's
    // Exec): the window shows once the bus asks for it.
    const bool busService = argc == 2 && std::strcmp(argv[1], "--gapplication-service") == 0;
    // clipvox --convert ... works without a window, and without a display.
    if (!busService && isCommandLineMode(argc, argv))
        return runCommandLine(argc, argv);
    ClipvoxApplication app(argc, argv);
    installTranslators(); // the user's language, from LANGUAGE and LANG
    QStringList arguments = app.arguments();
    if (busService)
        arguments.removeLast();
    const WindowArguments command = parseCommandLine(arguments);
    // A Clipvox already running takes the files into its queue; this one ends.
    SingleApplication single;
    if (single.start(command.files) == SingleApplication::Start::Handed)
        return 0;
    // One settings object for the program, handed to the window that shows and changes it.
    AppSettings settings;
    MainWindow window(settings);
    const auto toFront = [&window] {
        window.show();
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    };
    QObject::connect(&single, &SingleApplication::filesOpened, &window,
                     [&window](const QStringList &files) { window.queueCommandLine(files); });
    QObject::connect(&single, &SingleApplication::activated, &window, toFront);
    window.queueCommandLine(command.files);
    if (!busService)
        window.show();
    return app.exec();
}
