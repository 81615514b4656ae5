#include "ui/qt/qt_locale.h"

#include <QLocale>
#include <clocale>
#include <cstdlib>

namespace quorvane {

namespace {

constexpr char kChineseLocale[] = "zh_CN.UTF-8";

}  // namespace

CToolLocale::CToolLocale() {
    const char* user = std::setlocale(LC_ALL, "");
    m_userLocale = user ? user : "C";
    if (const char* lcAll = std::getenv("LC_ALL")) {
        m_userLcAll = lcAll;
    }
    // Qt's file dialogs format dates with the system locale, which Qt takes from LC_ALL first.
    ::setenv("LC_ALL", kChineseLocale, 1);
}

void CToolLocale::ApplicationCreated() {
    if (m_restored) {
        return;
    }
    m_restored = true;
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    (void)QLocale::system();  // read now, while the environment still says Chinese
    if (m_userLcAll) {
        ::setenv("LC_ALL", m_userLcAll->c_str(), 1);
    } else {
        ::unsetenv("LC_ALL");
    }
    // Programs the tool starts (a browser for the help page) get the user's environment, and
    // address lists keep being read in the user's character set.
    std::setlocale(LC_ALL, m_userLocale.c_str());
}

}  // namespace quorvane
