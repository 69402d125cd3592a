#include "progress/execute.h"

#include "main/application.h"
#include "main/main.h"
#include "media/videoedit.h"
#include "ui_execute.h"

#include <QFile>
#include <QKeyEvent>
#include <QShowEvent>

QPointer<TExecForm> ExecForm;

TExecForm::TExecForm(QWidget *owner) : QDialog(owner), ui(new Ui::TExecForm)
{
    ui->setupUi(this);
    lbFile = ui->lbFile;
    lbTotal = ui->lbTotal;
    Gauge1 = ui->Gauge1;
    Gauge2 = ui->Gauge2;
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    // Percentage bars: the whole percentage as centred bold blue text on the tooltip
    // colour, with a silver bar. Set through the palette: a style sheet would make every
    // gauge step a slow repaint, and the encoding step moves them once per chunk.
    for (QProgressBar *gauge : {ui->Gauge1, ui->Gauge2}) {
        QPalette colours = gauge->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Highlight, QColor(0xC0, 0xC0, 0xC0));
        colours.setColor(QPalette::Text, Qt::blue);
        colours.setColor(QPalette::HighlightedText, Qt::blue);
        colours.setColor(QPalette::WindowText, Qt::blue);
        gauge->setPalette(colours);
        QFont bold = gauge->font();
        bold.setBold(true);
        gauge->setFont(bold);
        gauge->setAlignment(Qt::AlignCenter);
        gauge->setTextVisible(true);
        SetGauge(gauge, 0);
    }
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(ui->BtnCancel, &QPushButton::clicked, this, [this] { Guarded([this] { BtnCancelClick(); }); });
    // Every way of closing (Cancel, the end of the run, the title bar) passes here.
    connect(this, &QDialog::finished, this, [this] { FormClose(); });
}

TExecForm::~TExecForm()
{
    if (ExecForm == this)
        ExecForm = nullptr;
    delete ui;
}

void TExecForm::SetGauge(QProgressBar *gauge, qint64 value)
{
    const qint64 low = gauge->minimum(), high = gauge->maximum();
    const qint64 v = std::clamp(value, low, high);
    gauge->setValue(int(v));
    // The whole percentage, truncated; an empty range shows 0 (Qt's own text would say 100).
    const qint64 percent = high > low ? (v - low) * 100 / (high - low) : 0;
    gauge->setFormat(QString::number(percent) + QLatin1Char('%'));
}

void TExecForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The run starts once, when the dialog first appears (not when it is restored).
    if (!event->spontaneous() && !m_started) {
        m_started = true;
        Guarded([this] { FormShow(); });
    }
}

void TExecForm::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the dialog and leave the run going unseen; only Cancel stops it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TExecForm::FormShow()
{
    ui->Gauge2->setMaximum(JobCount * 100);
    SetGauge(ui->Gauge1, 0);
    SetGauge(ui->Gauge2, 0);
    Timer1.start();
    // Clears CancelRequested, sets RunJob to 0 and starts the first job.
    if (MainForm)
        MainForm->RunStart();
}

void TExecForm::BtnCancelClick()
{
    // In the video step the run ends here; in the encoding step it ends when the copy
    // loop has seen EncodeActive go false.
    const bool videoStep = !EncodeActive;
    if (videoStep)
        RunActive = false;
    EncodeActive = false;
    CancelRequested = true;
    if (MainForm) {
        MainForm->VE1->StopProcessing();
        MainForm->SetJobStatus(RunJob, QStringLiteral("Stop"));
    }
    // The half-written temporary WAV is the run's own; a WAV output stays as written.
    if (videoStep && !RunTempWav.isEmpty())
        QFile::remove(RunTempWav);
    close();
}

void TExecForm::Timer1Timer()
{
    // Counted here rather than parsed back from the box, which holds two hour digits only.
    ++m_seconds;
    ui->Edit1->setText(SecondsToTime(m_seconds));
}

void TExecForm::FormClose()
{
    Timer1.stop();
    if (ExecForm == this)
        ExecForm = nullptr;
}
