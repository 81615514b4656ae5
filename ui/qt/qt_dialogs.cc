#include "ui/qt/qt_dialogs.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QSettings>
#include <memory>

#include "ui/qt/qt_text.h"

namespace quorvane {

namespace {

// The question before an import clears the table offers 是 and 否 and no third way: Esc and the
// window's close button do nothing (Qt would take them as 否 and append the rows), while Y and N
// choose, as the keyboard does in the platform's own Yes/No box.
class CQuestionBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier ||
                           event->modifiers() == Qt::ShiftModifier;
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
        } else if (plain && event->key() == Qt::Key_Y) {
            button(QMessageBox::Yes)->click();
        } else if (plain && event->key() == Qt::Key_N) {
            button(QMessageBox::No)->click();
        } else {
            QMessageBox::keyPressEvent(event);
        }
    }

    // Closing through a button does not come here: the dialog swallows its own close event then.
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// A window manager sizes the title bar to the box; a short text makes a box too narrow for the
// caption beside the bar's icon and buttons, and the caption shows as "…". The title font is the
// manager's, often bolder than ours: twice our width of the caption leaves room for it, and
// kTitleBarButtonsRoom for an icon and three buttons.
constexpr int kTitleBarButtonsRoom = 120;

void MakeRoomForCaption(QMessageBox& box) {
    const int caption = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle());
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    // QMessageBox gives itself the width its layout needs: a spacer across the layout's bottom
    // widens that.
    auto spacer = std::make_unique<QSpacerItem>(2 * caption + kTitleBarButtonsRoom, 0,
                                                QSizePolicy::Minimum, QSizePolicy::Fixed);
    grid->addItem(spacer.release(), grid->rowCount(), 0, 1, grid->columnCount());  // owns it
}

// Qt's file dialog keeps its last folder and history in the user's QtProject.conf; the tool
// keeps no state between runs, so the user settings of this process point where no file can be
// made.
void KeepNoSettingsFile() {
    const QString nowhere = QStringLiteral("/dev/null/quorvane-keeps-no-settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::u16string_view text,
                                            MessageButtons buttons) {
    auto box = buttons == MessageButtons::kYesNo ? std::make_unique<CQuestionBox>(parent)
                                                 : std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromUtf16(kMessageCaption));
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setText(ToQString(text));
    if (buttons == MessageButtons::kYesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->button(QMessageBox::Yes)->setText(QString::fromUtf16(u"是"));
        box->button(QMessageBox::No)->setText(QString::fromUtf16(u"否"));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        box->button(QMessageBox::Ok)->setText(QString::fromUtf16(u"确定"));
    }
    MakeRoomForCaption(*box);
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
    KeepNoSettingsFile();  // before the dialog reads its settings, and long before it saves them
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
        // A name that does not exist is accepted; Import then reports it as unreadable.
        dialog->setFileMode(QFileDialog::AnyFile);
    }
    return dialog;
}

}  // namespace quorvane
