// The modal About dialog: product, version, data source and three links into the local help page.
#ifndef QUORVANE_UI_QT_QT_ABOUT_DIALOG_H_
#define QUORVANE_UI_QT_QT_ABOUT_DIALOG_H_

#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;
class QPushButton;

namespace quorvane {

class CAboutDialog : public QDialog {
    Q_OBJECT

  public:
    // helpPage: the local help page the links open a section of; empty makes the links inert.
    CAboutDialog(QWidget* owner, QString helpPage);

    // The address a link opens: the help page with the link's section as fragment.
    QUrl LinkTarget(const QString& section) const;

    QPushButton* OkButton() const { return m_ok; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Esc leaves the dialog open; OK, the close button and Alt+F4 end it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OpenSection(const QString& section);

    QString m_helpPage;
    QPushButton* m_ok = nullptr;
    bool m_centred = false;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_ABOUT_DIALOG_H_
