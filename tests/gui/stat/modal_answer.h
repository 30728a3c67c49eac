#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace kalvo::test {

// What a message box showed.
struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// What a file dialog offered.
struct ShownFileDialog {
    bool shown = false;
    QString caption;
    QStringList nameFilters;
    QString startFile; // the file selected when it opened
    QString directory;
};

// Runs action on the next modal dialog of type Dialog once it is shown (the static
// dialog functions block in their own event loop), again and again until action says
// it is done. Polls until then or until owner dies, so owner must not outlive what
// action refers to.
template <typename Dialog>
void whenModal(QObject* owner, std::function<bool(Dialog*)> action)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || !action(dialog))
            return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

// Answers the next message box by clicking answer and records it in shown.
inline void answerMessageBox(QObject* owner, ShownBox& shown, QMessageBox::StandardButton answer)
{
    whenModal<QMessageBox>(owner, [&shown, answer](QMessageBox* box) {
        shown.shown = true;
        shown.title = box->windowTitle();
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttons = box->standardButtons();
        shown.defaultButton = box->standardButton(box->defaultButton());
        if (QAbstractButton* button = box->button(answer))
            button->click();
        else
            box->reject();
        return true;
    });
}

// Answers the next file dialog with path (Cancel when empty) and records it in shown.
inline void answerFileDialog(QObject* owner, ShownFileDialog& shown, const QString& path)
{
    whenModal<QFileDialog>(owner, [&shown, path](QFileDialog* dialog) {
        if (!shown.shown) {
            shown.shown = true;
            shown.caption = dialog->windowTitle();
            shown.nameFilters = dialog->nameFilters();
            shown.startFile = dialog->selectedFiles().value(0);
            shown.directory = dialog->directory().absolutePath();
        }
        if (path.isEmpty()) {
            dialog->reject();
            return true;
        }
        // Typed as a user would: selectFile() leaves the name field alone while it has
        // the focus. Should the dialog stay open (still loading), the answer is repeated.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // public in QDialog, protected in QFileDialog
        return !dialog->isVisible();
    });
}

} // namespace kalvo::test
