// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/about.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "ui_about.h"

#include <QMouseEvent>
#include <QIcon>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget *owner, const QString &homePage, const QString &supportMail)
    : QDialog(owner), ui(new Ui::TAboutForm), m_homePage(homePage), m_supportMail(supportMail)
{
    ui->setupUi(this);
    // The .ui names the 1x picture; an icon also finds its @2x file on a screen scaled by 2.
    ui->Image1->setPixmap(QIcon(QStringLiteral(":/icons/clipvox.png")).pixmap(ui->Image1->pixmap().size()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(size().expandedTo(minimumSizeHint())); // opens at its first size, its smallest
    setMinimumSize(size());
    for (QLabel *link : {ui->Label5, ui->Label7}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        SetLinkLook(link, false);
    }
    ui->Label5->setText(m_homePage);
    ui->Label7->setToolTip(QUrl(m_supportMail).path());
    connect(ui->BtnClose, &QPushButton::clicked, this, [this] { Guarded([this] { BtnCloseClick(); }); });
    FormCreate();
}

TAboutForm::~TAboutForm() { delete ui; }

void TAboutForm::FormCreate()
{
    ui->Label1->setText(QStringLiteral("Clipvox ") + QLatin1String(VersionText));
    ui->Label3->setText(QLatin1String(VersionText));
    ui->Label10->setText(ui->Label10->text() + QLatin1Char('\n') + tr("Free software under the GNU GPL, version 3 or later"));
}

void TAboutForm::BtnCloseClick() { close(); }

void TAboutForm::SetLinkLook(QLabel *label, bool hovered)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, hovered ? QColor(255, 0, 0) : QColor(0, 0, 255));
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(hovered);
    label->setFont(font);
}

void TAboutForm::Label5Click() { Desktop::instance().openUrl(QUrl(m_homePage)); }

void TAboutForm::Label5MouseEnter() { SetLinkLook(ui->Label5, true); }

void TAboutForm::Label5MouseLeave() { SetLinkLook(ui->Label5, false); }

void TAboutForm::Label7Click() { Desktop::instance().openUrl(QUrl(m_supportMail)); }

void TAboutForm::Label7MouseEnter() { SetLinkLook(ui->Label7, true); }

void TAboutForm::Label7MouseLeave() { SetLinkLook(ui->Label7, false); }

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool home = watched == ui->Label5;
    if (home || watched == ui->Label7) {
        switch (event->type()) {
        case QEvent::Enter:
            home ? Label5MouseEnter() : Label7MouseEnter();
            break;
        case QEvent::Leave:
            home ? Label5MouseLeave() : Label7MouseLeave();
            break;
        case QEvent::MouseButtonPress:
            // Taken, so that the release comes back to this link.
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                event->accept();
                return true;
            }
            break;
        case QEvent::MouseButtonRelease: {
            // A click: the left button let go over the link it was pressed on.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton &&
                static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint()))
                Guarded([&] { home ? Label5Click() : Label7Click(); });
            break;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
