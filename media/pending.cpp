// Stand-in definitions until the media engine lands.
#include "media/audiofile2.h"
#include "media/medialength.h"
#include "media/videoedit.h"

struct TVideoEdit::Private {};
TVideoEdit::TVideoEdit(QObject *parent) : QObject(parent) {}
TVideoEdit::~TVideoEdit() = default;
void TVideoEdit::Initialize() {}
void TVideoEdit::ClearClips() {}
bool TVideoEdit::AddClip(const QString &, double, double) { return false; }
bool TVideoEdit::ExtractAudio(const QString &, int, int, int) { return false; }
void TVideoEdit::StopProcessing() {}
bool TVideoEdit::IsProcessing() const { return false; }
bool TVideoEdit::Succeeded() const { return false; }
QString TVideoEdit::ErrorText() const { return {}; }
std::optional<double> MediaLengthMs(const QString &, QString *) { return {}; }
struct TAudioFile2::Private {};
TAudioFile2::TAudioFile2() = default;
TAudioFile2::~TAudioFile2() = default;
void TAudioFile2::OpenFile(const QString &, int, int) {}
SampleArray TAudioFile2::ReadSamples(int) { return {}; }
int64_t TAudioFile2::TotalFrames() const { return 0; }
int TAudioFile2::FrameElements() const { return 0; }
int TAudioFile2::FormatA() const { return 0; }
int TAudioFile2::FormatB() const { return 0; }
void TAudioFile2::SetInputFormat(int, int) {}
void TAudioFile2::SetMp3Format(int, int, int) {}
void TAudioFile2::SetMp3Encoder(const TAudioFile2LameEnc &) {}
bool TAudioFile2::CheckOggFormat(int, int, int, int, int) { return false; }
void TAudioFile2::SetOggFormat(int, int, int, int, int, int16_t) {}
void TAudioFile2::SetWmaProfile(int) {}
void TAudioFile2::CreateFile(const QString &, int) {}
void TAudioFile2::WriteSamples(const SampleArray &) {}
void TAudioFile2::CloseFile() {}
int TAudioFile2::ProfileCount() const { return 0; }
QString TAudioFile2::ProfileText() const { return {}; }
void TAudioFile2::SetEnableFlag(bool) {}
int TAudioFile2::LastError() const { return 0; }
QString TAudioFile2::LastErrorText() const { return {}; }
QStringList TAudioFile2::WmaProfileDescriptions() { return {}; }
bool TAudioInformation2::WriteTags(const QString &) { return false; }
QString TAudioInformation2::GenreText(int) { return {}; }
