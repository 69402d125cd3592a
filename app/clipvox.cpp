// SPDX-License-Identifier: GPL-3.0-or-later
// Clipvox: pulls the sound track out of video files.
#include "cli/convert.h"
#include "core/translation.h"
#include "desktop/application.h"
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
    const TCommandLine command = ParseCommandLine(app.arguments());
    // One settings object for the program, handed to the window that shows and changes it.
    TSettings settings;
    TMainForm window(settings);
    window.QueueCommandLine(command.files);
    window.show();
    return app.exec();
}
