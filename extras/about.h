// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About": the product's name and version, and links to the home page and the support.
#include <QDialog>
#include <QPointer>

class QLabel;
namespace Ui {
class AboutDialog;
}

// The program's version as the about box shows it.
inline constexpr char VersionText[] = "v" CLIPVOX_VERSION;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    // The home page's address and the support's address (https: or mailto:) the links open;
    // the row of an empty one is hidden.
    AboutDialog(QWidget *owner, const QString &homePage, const QString &supportMail);
    ~AboutDialog() override;

    Ui::AboutDialog *ui;

    void formCreate();
    void btnCloseClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Makes the label a link to url showing text: in the palette's link colour, reached with
    // Tab, opened with Return or a click through the desktop, and announced as a link.
    static void makeLink(QLabel *label, const QString &url, const QString &text);
};
