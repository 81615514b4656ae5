#include "ui/qt/qt_dialogs.h"

#include <QAbstractButton>

#include "ui/qt/qt_text.h"

namespace quorvane {

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::u16string_view text,
                                            MessageButtons buttons) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromUtf16(kMessageCaption));
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setText(ToQString(text));
    if (buttons == MessageButtons::kYesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        box->button(QMessageBox::Yes)->setText(QString::fromUtf16(u"是"));
        box->button(QMessageBox::No)->setText(QString::fromUtf16(u"否"));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->setText(QString::fromUtf16(u"确定"));
    }
    return box;
}

MessageAnswer RunMessageBox(QMessageBox& box) {
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (box.standardButtons() & QMessageBox::Yes) {
        return clicked == box.button(QMessageBox::Yes) ? MessageAnswer::kYes : MessageAnswer::kNo;
    }
    return MessageAnswer::kOk;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, bool save, bool native) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setOption(QFileDialog::DontUseNativeDialog, !native);
    dialog->setNameFilter(QString::fromUtf16(kTextFileFilter));
    if (save) {
        dialog->setWindowTitle(QString::fromUtf16(u"另存为"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(QStringLiteral("txt"));
        dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    } else {
        dialog->setWindowTitle(QString::fromUtf16(u"打开"));
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

}  // namespace quorvane
