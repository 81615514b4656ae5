#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <cstring>
#include <memory>

namespace quorvane {

namespace {

// Texts of Qt's own that its Chinese translations lack (Qt 6.4): the type column of the file
// dialogs.
class CMissingQtTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        (void)disambiguation;
        (void)n;
        if (!context || !sourceText || std::strcmp(context, "QAbstractFileIconProvider") != 0) {
            return {};
        }
        struct Text {
            const char* source;
            const char16_t* chinese;
        };
        static constexpr Text kTexts[] = {
            {"Folder", u"文件夹"},   {"Drive", u"驱动器"},      {"File", u"文件"},
            {"%1 File", u"%1 文件"}, {"Shortcut", u"快捷方式"}, {"Alias", u"替身"},
        };
        for (const Text& text : kTexts) {
            if (std::strcmp(sourceText, text.source) == 0) {
                return QString::fromUtf16(text.chinese);
            }
        }
        return {};
    }
};

}  // namespace

bool InstallChineseTranslations(QCoreApplication& app) {
    auto missing = std::make_unique<CMissingQtTexts>();
    missing->setParent(&app);
    QCoreApplication::installTranslator(missing.release());

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(name), folder)) {
            // Owned by the application: a translator must outlive every text it translates.
            translator->setParent(&app);
            QCoreApplication::installTranslator(translator.release());
            any = true;
            break;
        }
    }
    return any;
}

}  // namespace quorvane
