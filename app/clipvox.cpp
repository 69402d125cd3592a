// Clipvox: pulls the sound track out of video files.
#include "cli/convert.h"
#include "main/application.h"
#include "main/commandline.h"
#include "main/main.h"

int main(int argc, char **argv)
{
    // clipvox --convert ... works without a window, and without a display.
    if (IsCommandLineMode(argc, argv))
        return RunCommandLine(argc, argv);
    // The preview draws into a native X11 window; a Wayland session provides one through
    // XWayland, so Qt is asked for the xcb platform unless the user chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    ClipvoxApplication app(argc, argv);
    const TCommandLine command = ParseCommandLine(app.arguments());
    // One settings object for the program, handed to the window that shows and changes it.
    TSettings settings;
    TMainForm window(settings);
    window.QueueCommandLine(command.files);
    window.show();
    return app.exec();
}
