// The conversion run: one job after the other, the video step then the encoding step.
#include "main/main.h"

int RunJob = 0;
bool EncodeActive = false;
bool CancelRequested = false;
QString RunError;

void TMainForm::TBXItemConvertClick() {}
void TMainForm::RunStart() {}
void TMainForm::StartJob(int) {}
void TMainForm::VE1Complete() {}
void TMainForm::CompleteJob() {}
void TMainForm::VE1Processing(double, double) {}
