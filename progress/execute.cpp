// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/execute.h"

#include "engine/runengine.h"
#include "core/core.h"
#include "desktop/application.h"
#include "progress/elidedlabel.h"
#include "ui_execute.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>

namespace {
// Percentage bars: the whole percentage as centred bold blue text on the tooltip colour,
// with a silver bar. Set through the palette: a style sheet would make every gauge step a
// slow repaint, and the encoding step moves them once per chunk.
void styleGauge(QProgressBar *gauge)
{
    QPalette colours = gauge->palette();
    // Under a dark palette blue on silver cannot be read: the gauge keeps the palette's own.
    const bool dark = colours.color(QPalette::Window).lightness() < 128;
    if (dark) {
        colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    } else {
        colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Highlight, QColor(0xC0, 0xC0, 0xC0));
        colours.setColor(QPalette::Text, Qt::blue);
        colours.setColor(QPalette::HighlightedText, Qt::blue);
        colours.setColor(QPalette::WindowText, Qt::blue);
    }
    gauge->setPalette(colours);
    QFont bold = gauge->font();
    bold.setBold(true);
    gauge->setFont(bold);
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setTextVisible(true);
    ProgressDialog::setGauge(gauge, 0);
}

} // namespace

ProgressDialog::ProgressDialog(QWidget *owner, RunEngine *engine, int fileSlots) : QDialog(owner), ui(new Ui::ProgressDialog)
{
    ui->setupUi(this);
    lbFile = ui->lbFile;
    lbTotal = ui->lbTotal;
    GaugeFile1 = ui->GaugeFile1;
    GaugeTotal = ui->GaugeTotal;
    styleGauge(ui->GaugeFile1);
    styleGauge(ui->GaugeTotal);
    m_lines << ui->lbFile;
    m_gauges << ui->GaugeFile1;
    m_slotJob << -1;
    while (m_lines.size() < fileSlots)
        addFileSlot();
    // Opens at its first width, wider where the texts of the language need it, and grows.
    resize(sizeHint().expandedTo(QSize(421, 0)).expandedTo(minimumSizeHint()));
    Clock.setInterval(1000);
    connect(&Clock, &QTimer::timeout, this, [this] { clockTick(); });
    connect(ui->BtnCancel, &QPushButton::clicked, this, [this] { guarded([this] { btnCancelClick(); }); });
    // Every way of closing (Cancel, the end of the run) passes here, and the dialog goes
    // once closed. Not deleted on close by Qt: exec() would then delete it when the title
    // bar only hides it during a run.
    connect(this, &QDialog::finished, this, [this] {
        formClose();
        deleteLater();
    });
    attach(engine);
}

// A line and a gauge under the last ones.
void ProgressDialog::addFileSlot()
{
    const int n = int(m_lines.size());
    auto *line = new ElidedLabel(this);
    line->setObjectName(QStringLiteral("lbFile%1").arg(n + 1));
    auto *gauge = new QProgressBar(this);
    gauge->setObjectName(QStringLiteral("GaugeFile%1").arg(n + 1));
    gauge->setRange(0, 100);
    styleGauge(gauge);
    gauge->setAccessibleName(tr("File progress %1").arg(n + 1));
    ui->FileSlots->addSpacing(6);
    ui->FileSlots->addWidget(line);
    ui->FileSlots->addWidget(gauge);
    // Read before the total and Cancel, as they are seen: the order of the dialog's children
    // is a screen reader's reading order.
    line->stackUnder(ui->lbTotal);
    gauge->stackUnder(ui->lbTotal);
    m_lines << line;
    m_gauges << gauge;
    m_slotJob << -1;
}

ProgressDialog::~ProgressDialog() { delete ui; }

void ProgressDialog::setGauge(QProgressBar *gauge, qint64 value)
{
    const qint64 low = gauge->minimum(), high = gauge->maximum();
    const qint64 v = std::clamp(value, low, high);
    gauge->setValue(int(v));
    // The whole percentage, truncated; an empty range shows 0 (Qt's own text would say 100).
    const qint64 percent = high > low ? (v - low) * 100 / (high - low) : 0;
    gauge->setFormat(QString::number(percent) + QLatin1Char('%'));
}

void ProgressDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The gauges start from zero once, when the dialog first appears (not when it is restored).
    if (!event->spontaneous() && !m_started) {
        m_started = true;
        guarded([this] { formShow(); });
    }
}

void ProgressDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the dialog and leave the run going unseen; only Cancel stops it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ProgressDialog::formShow()
{
    ui->GaugeTotal->setMaximum(m_engine ? m_engine->jobCount() * 100 : 0);
    setGauge(ui->GaugeFile1, 0);
    setGauge(ui->GaugeTotal, m_total);
    Clock.start();
    if (!m_engine || !m_engine->isRunning())
        close(); // no run goes on: nothing to show
}

void ProgressDialog::attach(RunEngine *engine)
{
    m_engine = engine;
    // Each running job takes a free file slot; with one slot the file gauge keeps the last
    // job's value until the next job's encoding moves it, as it always did.
    connect(engine, &RunEngine::jobStarted, this, [this](int index, const QString &source, const QString &output) {
        qsizetype slot = m_slotJob.indexOf(-1);
        if (slot < 0)
            slot = 0;
        m_slotJob[slot] = index;
        m_percent[index] = 0;
        if (m_lines.size() > 1)
            setGauge(m_gauges[slot], 0); // the slot's gauge is the new file's from now on
        m_lines[slot]->setNames(tr("Convert %1 to %2..."), {source, output});
        m_lines[slot]->setToolTip(m_lines[slot]->text()); // the line is cut where it is too long
        ui->lbTotal->setText(
            tr("Convert file %1 of total %2 file(s)").arg(index + 1).arg(m_engine->jobCount()));
    });
    // The first pass over the run's sound, before any file starts: on the first file line.
    connect(engine, &RunEngine::loudnessProgress, this, [this](int percent) {
        m_lines[0]->setNames(tr("Measuring loudness..."), {});
        m_lines[0]->setToolTip({});
        setGauge(m_gauges[0], percent);
    });
    connect(engine, &RunEngine::fileProgress, this, [this](int index, int percent) {
        if (!m_percent.contains(index))
            return;
        m_percent[index] = percent;
        if (const qsizetype slot = m_slotJob.indexOf(index); slot >= 0)
            setGauge(m_gauges[slot], percent);
        showTotal();
    });
    connect(engine, &RunEngine::jobFinished, this, [this](int index) {
        m_percent.remove(index);
        if (const qsizetype slot = m_slotJob.indexOf(index); slot >= 0)
            m_slotJob[slot] = -1;
        ++m_finished;
        showTotal();
    });
    connect(engine, &RunEngine::runEnded, this, [this] { stopClock(); });
}

// The finished files plus the parts done of the running ones; the gauge never goes back.
void ProgressDialog::showTotal()
{
    qint64 total = qint64(m_finished) * 100;
    for (const int percent : std::as_const(m_percent))
        total += percent;
    m_total = std::max(m_total, total);
    setGauge(ui->GaugeTotal, m_total);
    const int high = ui->GaugeTotal->maximum();
    emit totalPercent(high > 0 ? int(std::min<qint64>(m_total, high) * 100 / high) : 0);
}

// The run is over: nothing is left to cancel or to wait for.
void ProgressDialog::stopClock()
{
    Clock.stop();
    ui->BtnCancel->hide();
    ui->leftCaption->hide();
    ui->EditLeft->hide();
}

void ProgressDialog::closeEvent(QCloseEvent *event)
{
    // The title bar's close while the run goes on only hides the dialog: the run, its
    // counting and its Cancel stay, and the main window can show it again.
    if (m_engine && m_engine->isRunning()) {
        event->ignore();
        hide();
        return;
    }
    if (!isVisible()) {
        done(QDialog::Rejected); // hidden at the end of its run: finished all the same
        return;
    }
    QDialog::closeEvent(event);
}

void ProgressDialog::btnCancelClick()
{
    // The engine stops every running job and removes what they had written; the rows
    // read "Stop" once they have. The dialog goes at once.
    if (m_engine)
        m_engine->cancel();
    reject();
}

void ProgressDialog::clockTick()
{
    // Counted here rather than parsed back from the box, which holds two hour digits only.
    ++m_seconds;
    ui->EditElapsed->setText(secondsToTime(m_seconds));
    const qint64 left = m_engine ? m_engine->secondsLeft() : -1;
    ui->EditLeft->setText(left < 0 ? QStringLiteral("--:--:--") : secondsToTime(left));
}

void ProgressDialog::formClose()
{
    Clock.stop();
}
