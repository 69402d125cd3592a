// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/about.h"

#include "desktop/application.h"
#include "desktop/desktop.h"
#include "ui_about.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

namespace {
// Screen readers announce the link labels as links, not as plain text.
QAccessibleInterface *linkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object && object->property("clipvoxLink").toBool())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Link);
    return nullptr;
}
} // namespace

AboutDialog::AboutDialog(QWidget *owner, const QString &homePage, const QString &supportMail)
    : QDialog(owner), ui(new Ui::AboutDialog)
{
    // Before the form is made: an interface is made once per object, and setupUi may ask for it.
    static const bool factoryInstalled = (QAccessible::installFactory(linkAccessible), true);
    Q_UNUSED(factoryInstalled);
    ui->setupUi(this); // the links carry the property clipvoxLink
    // The .ui names the 1x picture; an icon also finds its @2x file on a screen scaled by 2.
    ui->logo->setPixmap(QIcon(QStringLiteral(":/icons/clipvox.png")).pixmap(ui->logo->pixmap().size()));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    makeLink(ui->homePageLink, homePage, homePage);
    makeLink(ui->supportLink, supportMail, ui->supportLink->text());
    const QUrl support(supportMail);
    ui->supportLink->setToolTip(support.scheme() == QLatin1String("mailto") ? support.path() : supportMail);
    // A build without an address shows no row for it, rather than a link to nowhere.
    ui->homePageCaption->setVisible(!homePage.isEmpty());
    ui->homePageLink->setVisible(!homePage.isEmpty());
    ui->supportCaption->setVisible(!supportMail.isEmpty());
    ui->supportLink->setVisible(!supportMail.isEmpty());
    // Close has the focus; Tab goes on to the links.
    ui->BtnClose->setFocus();
    connect(ui->BtnClose, &QPushButton::clicked, this, [this] { guarded([this] { btnCloseClick(); }); });
    formCreate();
    // Opens at its first size, its smallest, once every text is in: the notice's licence
    // line shows whole in any language.
    resize(size().expandedTo(minimumSizeHint()));
    setMinimumSize(size());
}

AboutDialog::~AboutDialog() { delete ui; }

void AboutDialog::formCreate()
{
    ui->nameLabel->setText(QStringLiteral("Clipvox ") + QLatin1String(VersionText));
    ui->versionLabel->setText(QLatin1String(VersionText));
    ui->copyrightLabel->setText(ui->copyrightLabel->text() + QLatin1Char('\n') + tr("Free software under the GNU GPL, version 3 or later"));
}

void AboutDialog::btnCloseClick() { close(); }

void AboutDialog::makeLink(QLabel *label, const QString &url, const QString &text)
{
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    connect(label, &QLabel::linkActivated, label,
            [](const QString &link) { guarded([&] { Desktop::instance().openUrl(QUrl(link)); }); });
    // Return opens the link as soon as Tab has reached the label (a label's own keys would
    // need a second Tab to pick its link first).
    label->setProperty("clipvoxUrl", url);
    label->installEventFilter(label->window());
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->property("clipvoxLink").toBool()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QUrl url(watched->property("clipvoxUrl").toString());
            guarded([&] { Desktop::instance().openUrl(url); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
