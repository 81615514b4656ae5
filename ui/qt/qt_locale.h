// The tool's locales: Qt formats dates and numbers, and names its own things, as in Chinese
// (China) whatever the user's locale, while the C library keeps the user's locale, whose
// character set is the narrow one that address lists are read in.
#ifndef QUORVANE_UI_QT_QT_LOCALE_H_
#define QUORVANE_UI_QT_QT_LOCALE_H_

#include <optional>
#include <string>

namespace quorvane {

class CToolLocale {
  public:
    // The C library takes the user's locale, and Qt's system locale (which Qt reads from the
    // environment once) is steered to Chinese (China).
    // REQUIRES: no QApplication exists yet.
    CToolLocale();
    CToolLocale(const CToolLocale&) = delete;
    CToolLocale& operator=(const CToolLocale&) = delete;

    // Chinese (China) becomes Qt's default locale as well; the environment and the C library's
    // locale are given back as the user had them (the QApplication sets the latter from the
    // environment).
    // REQUIRES: the QApplication exists.
    void ApplicationCreated();

  private:
    std::string m_userLocale;
    std::optional<std::string> m_userLcAll;
    bool m_restored = false;
};

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_LOCALE_H_
