#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "tests/ui/qt/qt_test_support.h"
#include "ui/qt/qt_about_dialog.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_translations.h"
#include "ui/resources/resource_ids.h"

namespace quorvane {
namespace {

using test::AnswerNextModal;
using test::FrontendHarness;
using test::QtPath;
using test::ScratchDir;
using test::UrlCatcher;

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

// ---- Message boxes ----------------------------------------------------------------------------

TEST(QtMessageBoxTest, CaptionNoIconAndChineseButtons) {
    auto ok = MakeMessageBox(nullptr, u"导出成功!", MessageButtons::kOk);
    EXPECT_EQ(ok->windowTitle(), Q(u"提示信息"));
    EXPECT_EQ(ok->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(ok->text(), Q(u"导出成功!"));
    EXPECT_EQ(ok->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(ok->button(QMessageBox::Ok)->text(), Q(u"确定"));

    auto ask =
        MakeMessageBox(nullptr, u"列表中已存在IP地址,是否清空并导入?", MessageButtons::kYesNo);
    EXPECT_EQ(ask->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ask->defaultButton(), ask->button(QMessageBox::Yes));
    EXPECT_EQ(ask->button(QMessageBox::Yes)->text(), Q(u"是"));
    EXPECT_EQ(ask->button(QMessageBox::No)->text(), Q(u"否"));
    // Text is shown as given, never as markup.
    auto markup = MakeMessageBox(nullptr, u"<b>x</b>", MessageButtons::kOk);
    EXPECT_EQ(markup->textFormat(), Qt::PlainText);
}

// A window manager sizes the title bar to the box: the shortest message must leave room for the
// whole caption beside the bar's icon and buttons.
TEST(QtMessageBoxTest, ShortMessageIsWideEnoughForTheWholeCaption) {
    for (const auto buttons : {MessageButtons::kOk, MessageButtons::kYesNo}) {
        auto box = MakeMessageBox(nullptr, u"请导入IP地址!", buttons);
        box->show();
        const int caption = box->fontMetrics().horizontalAdvance(box->windowTitle());
        EXPECT_GE(box->width(), 2 * caption + 120) << box->width();
        box->hide();
    }
}

TEST(QtMessageBoxTest, AnswersFollowTheButtonChosen) {
    CQtMainWindow window(QString{});
    AnswerNextModal<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(window.ShowMessage(u"?", MessageButtons::kYesNo), MessageAnswer::kYes);
    AnswerNextModal<QMessageBox>([](QMessageBox& box) { box.button(QMessageBox::No)->click(); });
    EXPECT_EQ(window.ShowMessage(u"?", MessageButtons::kYesNo), MessageAnswer::kNo);
    AnswerNextModal<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(window.ShowMessage(u"!", MessageButtons::kOk), MessageAnswer::kOk);
}

// Only 是 and 否 end the question: Esc and the close button used to count as 否, which appends the
// new rows to the old ones.
TEST(QtMessageBoxTest, QuestionEndsOnlyByYesOrNo) {
    CQtMainWindow window(QString{});
    bool stillOpen = false;
    for (const auto& [key, answer] :
         {std::pair{Qt::Key_N, MessageAnswer::kNo}, std::pair{Qt::Key_Y, MessageAnswer::kYes}}) {
        AnswerNextModal<QMessageBox>([&, key = key](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            EXPECT_FALSE(box.close());
            QCoreApplication::processEvents();
            stillOpen = box.isVisible() && box.clickedButton() == nullptr;
            QTest::keyClick(&box, key);
        });
        EXPECT_EQ(window.ShowMessage(u"?", MessageButtons::kYesNo), answer);
        EXPECT_TRUE(stillOpen);
    }
}

// ---- File choosers ----------------------------------------------------------------------------

TEST(QtFileDialogTest, OneTextFilterAndTxtSuffixOnSave) {
    auto open = MakeFileDialog(nullptr, false, false);
    EXPECT_EQ(open->nameFilters(), QStringList{Q(u"文本文档(*.txt)")});
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::AnyFile) << "a name that does not exist is taken";
    EXPECT_TRUE(open->testOption(QFileDialog::DontUseNativeDialog));

    auto save = MakeFileDialog(nullptr, true, true);
    EXPECT_EQ(save->nameFilters(), QStringList{Q(u"文本文档(*.txt)")});
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->defaultSuffix(), QStringLiteral("txt"));
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_FALSE(save->testOption(QFileDialog::DontUseNativeDialog));
}

TEST(QtFileDialogTest, SaveChooserAppendsTxtToABareName) {
    const ScratchDir dir;
    CQtMainWindow window(QString{});
    window.SetUseNativeDialogs(false);
    QString filters;
    AnswerNextModal<QFileDialog>([&](QFileDialog& dialog) {
        filters = dialog.nameFilters().join(u';');
        dialog.setDirectory(QtPath(dir));
        dialog.selectFile(QStringLiteral("result"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    const std::optional<std::u16string> chosen = window.ChooseFileToSave();
    EXPECT_EQ(filters, Q(u"文本文档(*.txt)"));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QString::fromStdU16String(*chosen), QtPath(dir, "result.txt"));
}

// The tool keeps nothing between runs; Qt's dialog would store its folder and history in
// $XDG_CONFIG_HOME/QtProject.conf (the test's own folder, set by CTest).
TEST(QtFileDialogTest, ChoosingWritesNoSettingsFile) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty()) << "run through CTest";
    QDir(config).removeRecursively();
    const ScratchDir dir;
    {
        CQtMainWindow window(QString{});
        window.SetUseNativeDialogs(false);
        AnswerNextModal<QFileDialog>([&](QFileDialog& dialog) {
            dialog.setDirectory(QtPath(dir));
            dialog.selectFile(QStringLiteral("not-there.txt"));
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        const std::optional<std::u16string> chosen = window.ChooseFileToOpen();
        ASSERT_TRUE(chosen.has_value()) << "a name that does not exist is taken";
        EXPECT_EQ(QString::fromStdU16String(*chosen), QtPath(dir, "not-there.txt"));
    }
    EXPECT_FALSE(QDir(config).exists() &&
                 !QDir(config).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(QtFileDialogTest, CancelledChooserGivesNothing) {
    CQtMainWindow window(QString{});
    window.SetUseNativeDialogs(false);
    AnswerNextModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(window.ChooseFileToOpen().has_value());
}

TEST(QtFileDialogTest, QtsOwnTranslationsMakeTheStandardButtonsChinese) {
    ASSERT_TRUE(InstallChineseTranslations(*qApp));
    auto dialog = MakeFileDialog(nullptr, false, false);
    QStringList buttons;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        buttons << button->text();
    }
    EXPECT_TRUE(buttons.contains(Q(u"取消"))) << buttons.join(u',').toStdString();
}

// ---- About dialog -----------------------------------------------------------------------------

TEST(QtAboutDialogTest, TextsAndEscapeLeavesItOpenOkEndsItWithZero) {
    CAboutDialog dialog(nullptr, QStringLiteral("/opt/quorvane/help/index.html"));
    EXPECT_EQ(dialog.windowTitle(), Q(u"关于 Quorvane"));
    QStringList texts;
    int images = 0;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
        images += label->pixmap().isNull() ? 0 : 1;
    }
    EXPECT_EQ(images, 1);  // the application icon
    EXPECT_TRUE(texts.contains(Q(u"Quorvane，版本 1.0"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(Q(u"IP 数据来源：DB-IP.com")));
    EXPECT_EQ(dialog.OkButton()->text(), Q(u"确定"));
    EXPECT_TRUE(dialog.OkButton()->isDefault());

    dialog.setResult(7);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
}

TEST(QtAboutDialogTest, CloseButtonEndsItWithZero) {
    CAboutDialog dialog(nullptr, QString{});
    dialog.setResult(7);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.close());
    EXPECT_EQ(dialog.result(), 0);
}

TEST(QtAboutDialogTest, LinksOpenSectionsOfTheLocalHelpPageOnly) {
    const QString page = QStringLiteral("/opt/quorvane/help/index.html");
    CAboutDialog dialog(nullptr, page);
    const QStringList names = {QStringLiteral("link_home"), QStringLiteral("link_support"),
                               QStringLiteral("link_author")};
    const QStringList labels = {Q(u"主页"), Q(u"捐赠"), Q(u"作者")};
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Catch");
    for (int i = 0; i < 3; ++i) {
        auto* link = dialog.findChild<QLabel*>(names[i]);
        ASSERT_NE(link, nullptr) << names[i].toStdString();
        EXPECT_TRUE(link->text().contains(labels[i]));
        emit link->linkActivated(names[i].mid(5));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 3);
    for (const QUrl& url : catcher.urls) {
        EXPECT_TRUE(url.isLocalFile());
        EXPECT_EQ(url.toLocalFile(), page);
    }
    EXPECT_EQ(catcher.urls[2].fragment(), QStringLiteral("author"));
    // Without a help page the links open nothing.
    EXPECT_FALSE(CAboutDialog(nullptr, QString{}).LinkTarget(QStringLiteral("home")).isValid());
}

TEST(QtAboutDialogTest, CommandOpensItModallyCentredOverTheMainWindow) {
    FrontendHarness h;
    h.window.PlaceAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window));
    h.window.move(20, 30);
    QRect dialogRect;
    QWidget* owner = nullptr;
    bool wasModal = false;
    AnswerNextModal<CAboutDialog>([&](CAboutDialog& dialog) {
        dialogRect = dialog.frameGeometry();
        owner = dialog.parentWidget();
        wasModal = dialog.isModal();
        dialog.OkButton()->click();
    });
    EXPECT_TRUE(h.frame->OnCommand(ID_CMD_ABOUT));
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(owner, &h.window);
    const QRect main = h.window.frameGeometry();
    ASSERT_TRUE(dialogRect.isValid());
    // Centred over the main window (integer halves), which lies fully inside the work area.
    EXPECT_EQ(dialogRect.left(),
              (main.left() + main.left() + main.width()) / 2 - dialogRect.width() / 2);
    EXPECT_EQ(dialogRect.top(),
              (main.top() + main.top() + main.height()) / 2 - dialogRect.height() / 2);
    h.window.hide();
}

}  // namespace
}  // namespace quorvane
