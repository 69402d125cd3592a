#pragma once
// "About": the product's name and version, and links to the home page and support mail.
#include <QDialog>
#include <QPointer>

class QLabel;
namespace Ui {
class TAboutForm;
}

// The program's version as the about box shows it.
inline constexpr char VersionText[] = "v2.4.3";

class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *owner);
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
};

// The open window, empty while none is open.
extern QPointer<TAboutForm> AboutForm;
