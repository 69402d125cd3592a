// Clipvox: pulls the sound track out of video files.
#include "main/application.h"
#include "main/main.h"

int main(int argc, char **argv)
{
    ClipvoxApplication app(argc, argv);
    TMainForm window;
    MainForm = &window;
    window.show();
    const int rc = app.exec();
    MainForm = nullptr;
    return rc;
}
