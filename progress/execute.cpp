#include "progress/execute.h"

#include "engine/runengine.h"
#include "core/core.h"
#include "main/application.h"
#include "ui_execute.h"

#include <QKeyEvent>
#include <QShowEvent>

TExecForm::TExecForm(QWidget *owner, TRunEngine *engine) : QDialog(owner), ui(new Ui::TExecForm)
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
    Attach(engine);
}

TExecForm::~TExecForm() { delete ui; }

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
    // The gauges start from zero once, when the dialog first appears (not when it is restored).
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
    ui->Gauge2->setMaximum(m_engine ? m_engine->jobCount() * 100 : 0);
    SetGauge(ui->Gauge1, 0);
    SetGauge(ui->Gauge2, m_total);
    Timer1.start();
    if (!m_engine || !m_engine->isRunning())
        close(); // no run goes on: nothing to show
}

void TExecForm::Attach(TRunEngine *engine)
{
    m_engine = engine;
    // With several jobs at once the file line names the job that started last, and the file
    // gauge follows the running job that started first.
    connect(engine, &TRunEngine::jobStarted, this, [this](int index, const QString &source, const QString &output) {
        m_running << index;
        const QString line = QStringLiteral("Convert ") + source + QStringLiteral(" to ") + output + QStringLiteral("...");
        ui->lbFile->setText(line);
        ui->lbFile->setToolTip(line); // long paths run past the dialog's edge
        ui->lbTotal->setText(
            QStringLiteral("Convert file %1 of total %2 file(s)").arg(index + 1).arg(m_engine->jobCount()));
    });
    connect(engine, &TRunEngine::fileProgress, this, [this](int index, int percent) {
        if (m_running.value(0, -1) != index)
            return;
        SetGauge(ui->Gauge1, percent);
        m_firstPercent = percent;
        ShowTotal();
    });
    connect(engine, &TRunEngine::jobFinished, this, [this](int index) {
        if (m_running.value(0, -1) == index)
            m_firstPercent = 0;
        m_running.removeOne(index);
        ++m_finished;
        ShowTotal();
    });
    connect(engine, &TRunEngine::runEnded, this, [this] { Timer1.stop(); });
}

void TExecForm::ShowTotal()
{
    m_total = std::max(m_total, qint64(m_finished) * 100 + m_firstPercent);
    SetGauge(ui->Gauge2, m_total);
}

void TExecForm::BtnCancelClick()
{
    // The engine stops every running job and removes what they had written; the rows
    // read "Stop".
    if (m_engine)
        m_engine->cancel();
    close();
}

void TExecForm::Timer1Timer()
{
    // Counted here rather than parsed back from the box, which holds two hour digits only.
    ++m_seconds;
    ui->Edit1->setText(SecondsToTime(m_seconds));
    const qint64 left = m_engine ? m_engine->secondsLeft() : -1;
    ui->EditLeft->setText(left < 0 ? QStringLiteral("--:--:--") : SecondsToTime(left));
}

void TExecForm::FormClose()
{
    Timer1.stop();
}
