// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About": the product's name and version, and links to the home page and support mail.
#include <QDialog>
#include <QPointer>

class QLabel;
namespace Ui {
class TAboutForm;
}

// The program's version as the about box shows it.
inline constexpr char VersionText[] = "v" CLIPVOX_VERSION;

class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    // The home page's address and the support mail's "mailto:" address the links open.
    TAboutForm(QWidget *owner, const QString &homePage, const QString &supportMail);
    ~TAboutForm() override;

    Ui::TAboutForm *ui;

    void FormCreate();
    void BtnCloseClick();
    void Label5Click();
    void Label5MouseEnter();
    void Label5MouseLeave();
    void Label7Click();
    void Label7MouseEnter();
    void Label7MouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A link's two looks: red and underlined under the mouse, blue and plain otherwise.
    static void SetLinkLook(QLabel *label, bool hovered);

    QString m_homePage, m_supportMail;
};
