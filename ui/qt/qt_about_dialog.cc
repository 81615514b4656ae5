#include "ui/qt/qt_about_dialog.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "ui/qt/qt_app_icon.h"
#include "ui/qt/qt_make_child.h"
#include "ui/qt/qt_window_geometry.h"

namespace quorvane {

namespace {

// Positions in the dialog's own units, converted with the font's average character size the way
// dialog templates are, so the layout scales with the font (CJK fonts are taller).
class DialogUnits {
  public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : m_baseX(std::max(1, (metrics.horizontalAdvance(QStringLiteral(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                               26) /
                                  52)),
          m_baseY(std::max(1, metrics.height())) {}

    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(width), Y(height));
    }
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }

  private:
    int m_baseX;
    int m_baseY;
};

}  // namespace

CAboutDialog::CAboutDialog(QWidget* owner, QString helpPage)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_helpPage(std::move(helpPage)) {
    setWindowTitle(QString::fromUtf16(u"关于 Quorvane"));
    setModal(true);
    const DialogUnits du(fontMetrics());

    auto* icon = MakeChild<QLabel>(this);
    const QRect iconRect = du.Rect(14, 14, 21, 20);
    const int iconSize = std::min(iconRect.width(), iconRect.height());
    icon->setPixmap(AppIcon().pixmap(iconSize, iconSize));
    icon->setGeometry(iconRect);

    auto* name = MakeChild<QLabel>(
        this, QString::fromUtf16(u"Quorvane，版本 ") + QStringLiteral(QUORVANE_VERSION_TEXT));
    name->setTextFormat(Qt::PlainText);
    name->setGeometry(du.Rect(42, 14, 114, 8).adjusted(0, 0, 0, du.Y(2)));

    auto* source = MakeChild<QLabel>(this, QString::fromUtf16(u"IP 数据来源：DB-IP.com"));
    source->setTextFormat(Qt::PlainText);
    source->setGeometry(du.Rect(42, 26, 114, 8).adjusted(0, 0, 0, du.Y(2)));

    struct LinkInfo {
        const char16_t* text;
        const char* section;
        int x;
    };
    for (const LinkInfo& info : {LinkInfo{u"主页", "home", 44}, LinkInfo{u"捐赠", "support", 79},
                                 LinkInfo{u"作者", "author", 116}}) {
        const QString text = QString::fromUtf16(info.text);
        const QString section = QString::fromLatin1(info.section);
        auto* link = MakeChild<QLabel>(
            this, QStringLiteral("<a href=\"%1\">%2</a>").arg(section, text.toHtmlEscaped()));
        link->setObjectName(QStringLiteral("link_") + section);
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        link->setFocusPolicy(Qt::TabFocus);
        link->setOpenExternalLinks(false);
        QRect r = du.Rect(info.x, 59, 18, 9);
        r.setWidth(std::max(r.width(), link->sizeHint().width()));
        r.setHeight(std::max(r.height(), link->sizeHint().height()));
        link->setGeometry(r);
        connect(link, &QLabel::linkActivated, this, [this](const QString& s) { OpenSection(s); });
    }

    m_ok = MakeChild<QPushButton>(this, QString::fromUtf16(u"确定"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_ok->setGeometry(du.Rect(118, 79, 50, 14));
    connect(m_ok, &QPushButton::clicked, this, [this] { done(0); });
    m_ok->setFocus();

    setFixedSize(du.X(175), du.Y(100));
}

QUrl CAboutDialog::LinkTarget(const QString& section) const {
    if (m_helpPage.isEmpty()) {
        return {};
    }
    QUrl url = QUrl::fromLocalFile(m_helpPage);
    url.setFragment(section);
    return url;
}

void CAboutDialog::OpenSection(const QString& section) {
    const QUrl url = LinkTarget(section);
    if (url.isValid()) {
        // The tool uses no network: each link names a section of the help page shipped with it.
        // Failure (no handler for local pages) stays silent.
        QDesktopServices::openUrl(url);
    }
}

void CAboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CentreTopLevel(*this, parentWidget());
    }
}

void CAboutDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quorvane
