// The tool's own window for its local help page, for systems where no browser can show it.
#ifndef QUORVANE_UI_QT_QT_HELP_VIEWER_H_
#define QUORVANE_UI_QT_QT_HELP_VIEWER_H_

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace quorvane {

// A modeless, resizable window with one read-only page. Links inside the page and to other local
// files are followed in place; nothing is ever fetched from the network.
class CHelpViewer : public QDialog {
    Q_OBJECT

  public:
    explicit CHelpViewer(QWidget* owner);

    // Loads page (a local file, optionally with a fragment) and brings the window to the front.
    void ShowPage(const QUrl& page);

    QTextBrowser* Browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser = nullptr;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_HELP_VIEWER_H_
