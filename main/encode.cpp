// The encoding step: the temporary WAV becomes the MP3, WMA or OGG output.
#include "main/main.h"

void TMainForm::EncodeMp3() {}
void TMainForm::EncodeWma() {}
void TMainForm::EncodeOgg() {}
bool TMainForm::ConfigureMp3() { return false; }
bool TMainForm::ConfigureOgg() { return false; }
bool TMainForm::TranscodeWav(const QString &, const QString &) { return false; }
bool TMainForm::WriteJobTags(const QString &) { return false; }
