// The About window: icon, title, version, notices and the translation-info button.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace controls {
class TTranslationInfoButton;
}
namespace platform {
class TShape;
}

namespace game {

class Tabout : public QDialog {
    Q_OBJECT

  public:
    explicit Tabout(QWidget *parent = nullptr);

    QWidget *Panel1;
    platform::TShape *Panel2;
    platform::TShape *Shape1;
    QLabel *logo;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label5;
    QLabel *ver;
    QPlainTextEdit *copyinfo;
    QPushButton *ok;
    controls::TTranslationInfoButton *TranslationInfoButton1;

  public slots:
    // Esc and OK close the window, which ends its modal loop.
    void reject() override;

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void FormCreate();
    void FormActivate();
};

} // namespace game
