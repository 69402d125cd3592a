// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/tip.h"

#include "desktop/application.h"
#include "settings/settingsfile.h"
#include "ui_tip.h"

#include <QIcon>
#include <QPushButton>
#include <climits>
#include <utility>

namespace {
constexpr qint64 kChunkSize = 64 * 1024;
constexpr char kCtrlZ = 26;
} // namespace

TipReader::TipReader(QIODevice &device) : m_device(device)
{
    // A UTF-8 byte order mark is no part of the first tip.
    if (m_device.peek(3) == QByteArray("\xEF\xBB\xBF"))
        m_device.skip(3);
}

int TipReader::getByte()
{
    if (m_pos >= m_chunk.size()) {
        if (m_ended)
            return -1;
        m_chunk = m_device.read(kChunkSize);
        m_pos = 0;
        if (m_chunk.isEmpty()) {
            m_ended = true;
            return -1;
        }
    }
    return static_cast<unsigned char>(m_chunk[m_pos++]);
}

bool TipReader::next(QByteArray *tip)
{
    if (tip)
        tip->clear();
    bool filled = false;
    for (;;) {
        const int b = getByte();
        if (b < 0 || b == kCtrlZ) {
            m_ended = true;
            m_chunk.clear();
            m_pos = 0;
            return filled;
        }
        if (b == '\r')
            continue;
        if (b == '\n') {
            if (filled)
                return true;
            continue;
        }
        filled = true;
        if (tip)
            tip->append(static_cast<char>(b));
    }
}

TipDialog::TipDialog(QWidget *owner) : QDialog(owner), ui(new Ui::TipDialog)
{
    ui->setupUi(this);
    // The .ui names the 1x picture; an icon also finds its @2x file on a screen scaled by 2.
    ui->bulb->setPixmap(QIcon(QStringLiteral(":/icons/tip.png")).pixmap(ui->bulb->pixmap().size()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(size().expandedTo(minimumSizeHint())); // opens at its first size, its smallest
    setMinimumSize(size());
    connect(ui->BtnNext, &QPushButton::clicked, this, [this] { guarded([this] { btnNextClick(); }); });
    connect(ui->BtnClose, &QPushButton::clicked, this, [this] { guarded([this] { btnCloseClick(); }); });
    formCreate();
}

TipDialog::~TipDialog() { delete ui; }

QString TipDialog::noTipsText() { return tr("No tips available."); }

void TipDialog::formCreate()
{
    TipSettings stored;
    loadTipSettings(stored);
    // With no tip stored yet (the first start), the window opens on the first tip.
    const IniFile ini(settingsFilePath());
    const bool hasNumber = !ini.readString(QStringLiteral("tips"), QStringLiteral("tipno"), QString()).isEmpty();
    TipNo = hasNumber ? stored.TipNo : 0;
    ui->showTipsCheck->setChecked(stored.ShowTip == 1);

    // The file stays open while the window is; each lookup reads it again from the start.
    m_tips.setFileName(programFolder() + QStringLiteral("tips.txt"));
    TipCount = 0;
    if (m_tips.open(QIODevice::ReadOnly)) {
        TipReader reader(m_tips);
        while (TipCount < INT_MAX && reader.next(nullptr))
            ++TipCount;
    }
    if (TipCount == 0) {
        // Nothing to step through: keep the stored number so that it is written back as it was.
        showTip(noTipsText());
        return;
    }
    if (TipNo >= TipCount)
        TipNo %= TipCount;
    QString text;
    // A stored number below 0 shows no tip until Next Tip has brought it up to 1.
    if (TipNo >= 0 && readTip(TipNo + 1, text)) {
        TipNo += 1;
        showTip(text);
    }
}

bool TipDialog::readTip(int n, QString &text)
{
    if (n < 1 || !m_tips.isOpen() || !m_tips.seek(0))
        return false;
    TipReader reader(m_tips);
    QByteArray line;
    for (int count = 1; reader.next(count == n ? &line : nullptr); ++count) {
        if (count == n) {
            text = QString::fromUtf8(line);
            return true;
        }
    }
    return false;
}

void TipDialog::showTip(const QString &text)
{
    ui->tipText->clear();
    ui->tipText->setPlainText(text);
}

void TipDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    formShow();
}

void TipDialog::formShow() { ui->BtnNext->setFocus(); }

void TipDialog::btnNextClick()
{
    if (TipCount == 0)
        return;
    TipNo = TipNo == TipCount ? 1 : TipNo + 1;
    QString text;
    if (readTip(TipNo, text))
        showTip(text);
}

void TipDialog::btnCloseClick()
{
    // Written at the moment of closing, so that nothing else in setup.ini is replaced by an
    // older copy; a refused write raises and the window stays open.
    saveTipSettings({TipNo, ui->showTipsCheck->isChecked() ? 1 : 0});
    m_saved = true;
    close();
}

void TipDialog::done(int result)
{
    // Escape and the title bar's close button keep the tip and the box as Close does; a
    // refused write is reported, and the window closes all the same.
    if (!std::exchange(m_saved, true))
        guarded([this] { saveTipSettings({TipNo, ui->showTipsCheck->isChecked() ? 1 : 0}); });
    formClose();
    QDialog::done(result);
}

void TipDialog::formClose() { m_tips.close(); }
