#include "ui/qt/qt_help_viewer.h"

#include <QTextBrowser>
#include <QVBoxLayout>
#include <memory>

#include "ui/qt/qt_window_geometry.h"
#include "ui/window_texts.h"

namespace quorvane {

CHelpViewer::CHelpViewer(QWidget* owner) : QDialog(owner, Qt::Window) {
    setWindowTitle(QString::fromUtf16(texts::kHelpViewerTitle));
    setModal(false);
    // Both are made with their parent, so Qt owns them from the start (the layout installs
    // itself on this window).
    auto* layout = std::make_unique<QVBoxLayout>(this).release();
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser = std::make_unique<QTextBrowser>(this).release();
    m_browser->setOpenLinks(true);
    // Only local pages: a link out of the tool would need a browser, which is what is missing.
    m_browser->setOpenExternalLinks(false);
    layout->addWidget(m_browser);
    resize(720, 540);
}

void CHelpViewer::ShowPage(const QUrl& page) {
    m_browser->setSource(page);
    if (!isVisible()) {
        CentreTopLevel(*this, parentWidget());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace quorvane
